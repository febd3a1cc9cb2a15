#pragma once

#include <QPointer>
#include <QWidget>

namespace zumbrel::gui {

// An orange ring around the control that has the keyboard focus, for the window's controls
// that draw no focus of their own (the memories, the clipboard panel, the decimals and
// language marks, the menu titles, the minimise and close buttons): with the keyboard alone
// the user saw no sign of where the focus was. One ring per window, above its controls; the
// mouse goes through it.
class FocusRing final : public QWidget {
  public:
    explicit FocusRing(QWidget& window);
    // A control the ring goes around when it has the focus.
    void surround(QWidget* control);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void follow(QWidget* focused);
    void place();

    QPointer<QWidget> target_;
};

}  // namespace zumbrel::gui
