#pragma once

#include <QWidget>
#include <functional>

namespace zumbrel::gui {

// pnlRegle: a navy bar the user drags over the tape to keep the eye on a line; a double
// click puts it back under the toolbar.
class Ruler final : public QWidget {
  public:
    explicit Ruler(QWidget* parent);
    static constexpr QPoint kHome{7, 31};
    std::function<void()> onHover;

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    QPoint grab_;
    bool dragging_ = false;
};

}  // namespace zumbrel::gui
