#pragma once

#include <QPushButton>
#include <QTimer>
#include <functional>

namespace zumbrel::gui {

// A small panel of the keypad that shows a rate (pnlTauxTVA, pnlTauxTPSTVP, pnlEuro, pnlAE).
// A click and a double click do different things: the first press waits 200 ms for a
// second one on a timer, so nothing blocks meanwhile. For the keyboard and screen readers
// it is a button: Space or its "press" action is the click.
class RatePanel final : public QPushButton {
  public:
    RatePanel(const char* name, QWidget* parent);

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void doubleClicked();

    QTimer waitForSecond_;
};

}  // namespace zumbrel::gui
