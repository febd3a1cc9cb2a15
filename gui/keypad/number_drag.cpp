#include "keypad/number_drag.h"

#include <QApplication>
#include <QDrag>
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

QString droppedNumber(const QMimeData* data) {
    if (!data || !data->hasFormat(kNumberMimeType)) return {};
    return QString::fromUtf8(data->data(kNumberMimeType));
}

}  // namespace zumbrel::gui
