#pragma once

#include <QPoint>
#include <QString>

class QDragEnterEvent;
class QDropEvent;
class QObject;
class QMouseEvent;
class QWidget;

namespace zumbrel::gui {

// Numbers dragged between the display, the memories, the list and the clipboard panel carry
// a type of our own, so that only our controls are accepted as sources; they also carry plain
// text, so that other programs can take the number.
inline constexpr const char* kNumberMimeType = "application/x-zumbrel-number";

// Starts the drag of a number from one of our controls (blocks until it is dropped).
void dragNumber(QWidget* source, const QString& number);
// Whether a mouse move with the left button down has gone far enough from where it was
// pressed to start a drag.
bool dragDistanceReached(const QMouseEvent* move, QPoint pressedAt);

// Accepts a drag entering `target` when it carries a number from another of our controls.
void acceptNumberDrag(QDragEnterEvent* event, const QObject* target);
// The number dropped, the drop accepted; an empty text when it does not come from our controls.
QString takeDroppedNumber(QDropEvent* event);
// Whether the number dropped was dragged from the display (EdtVirt).
bool droppedFromDisplay(const QDropEvent* event);

}  // namespace zumbrel::gui
