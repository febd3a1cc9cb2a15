#include "gui/keypad/number_drag.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

namespace zumbrel::gui {

void dragNumber(QWidget* source, const QString& number) {
    auto* drag = new QDrag(source);
    auto* data = new QMimeData;
    data->setData(kNumberMimeType, number.toUtf8());
    data->setText(number);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

bool dragDistanceReached(const QMouseEvent* move, QPoint pressedAt) {
    return (move->buttons() & Qt::LeftButton) &&
           (move->position().toPoint() - pressedAt).manhattanLength() >=
               QApplication::startDragDistance();
}

namespace {

QString droppedNumber(const QMimeData* data) {
    if (!data || !data->hasFormat(kNumberMimeType)) return {};
    return QString::fromUtf8(data->data(kNumberMimeType));
}

}  // namespace

void acceptNumberDrag(QDragEnterEvent* event, const QObject* target) {
    if (event->source() != target && !droppedNumber(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

QString takeDroppedNumber(QDropEvent* event) {
    const QString number = droppedNumber(event->mimeData());
    if (!number.isEmpty()) event->acceptProposedAction();
    return number;
}

bool droppedFromDisplay(const QDropEvent* event) {
    return event->source() && event->source()->objectName() == QLatin1String("EdtVirt");
}

}  // namespace zumbrel::gui
