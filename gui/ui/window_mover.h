#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;

namespace zumbrel::gui {

// Moves a borderless window by its title area and its skin's empty surface. The move starts
// only once the pointer has travelled the drag distance with the left button held, never on
// the press itself: a quick click (a touchpad tap) handed to the window manager as a move
// that began after the button was already up left the window following the pointer. On X11
// the window follows the pointer by hand while the button is held; on Wayland the compositor
// moves it.
// Presses that a control takes (the display, a memory, a key) never reach here.
class WindowMover final : public QObject {
  public:
    explicit WindowMover(QWidget* window);

    // Presses on this surface, not taken by a control on it, may move the window.
    void watch(QWidget* surface);
    // Whether a move by hand (no window manager) is under way.
    bool moving() const { return manual_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void press(const QMouseEvent& event);
    void drag(const QMouseEvent& event);
    void release();

    QWidget* window_;
    QPoint pressedAt_;     // global position of the press
    QPoint frameAtPress_;  // the window's frame position at the press
    bool armed_ = false;   // the left button went down on a watched surface and is still down
    bool manual_ = false;  // moving the window by hand, the system move being unavailable
};

}  // namespace zumbrel::gui
