#include "gui/tape/ruler.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zumbrel::gui {

Ruler::Ruler(QWidget* parent) : QWidget(parent) {
    setObjectName("pnlRegle");
    setAccessibleName(tr("Règle"));
    setAccessibleDescription(tr("Règle amovible de repérage (double-clic pour la replacer)"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);  // arrow keys move it, for those without a mouse
}

void Ruler::mousePressEvent(QMouseEvent* e) {
    grab_ = e->position().toPoint();
    dragging_ = true;
}

void Ruler::mouseMoveEvent(QMouseEvent* e) {
    if (onHover) onHover();
    if (!dragging_ || !(e->buttons() & Qt::LeftButton)) {
        dragging_ = false;
        return;
    }
    const QPoint target = mapToParent(e->position().toPoint() - grab_);
    const QRect area = parentWidget()->rect();
    move(std::clamp(target.x(), 0, std::max(0, area.width() - width())),
         std::clamp(target.y(), 0, std::max(0, area.height() - height())));
}

void Ruler::mouseDoubleClickEvent(QMouseEvent*) {
    move(kHome);
}

void Ruler::keyPressEvent(QKeyEvent* e) {
    const int step = e->modifiers() & Qt::ShiftModifier ? 1 : 16;
    if (e->key() == Qt::Key_Up)
        move(x(), std::max(0, y() - step));
    else if (e->key() == Qt::Key_Down)
        move(x(), std::min(parentWidget()->height() - height(), y() + step));
    else if (e->key() == Qt::Key_Home)
        move(kHome);
    else
        QWidget::keyPressEvent(e);
}

}  // namespace zumbrel::gui
