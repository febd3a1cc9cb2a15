#include "gui/business/rate_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "gui/ui/painted_widgets.h"

namespace zumbrel::gui {

RatePanel::RatePanel(const char* name, QWidget* parent) : QPushButton(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setTextLook(this, QColor(0x20, 0x30, 0x60), 13, true);
    waitForSecond_.setSingleShot(true);
    waitForSecond_.setInterval(200);
    connect(&waitForSecond_, &QTimer::timeout, this, [this] {
        if (onClick) onClick();
    });
    // Space, Enter and the accessible "press" action.
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick) onClick();
    });
}

void RatePanel::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QColor(0xa8, 0xb0, 0xd8));
    p.setBrush(QColor(0xff, 0xfb, 0xe8));
    p.drawRoundedRect(r, 6, 6);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(rect().adjusted(4, 0, -4, 0), Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void RatePanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QPushButton::mousePressEvent(event);
    if (waitForSecond_.isActive())
        doubleClicked();
    else
        waitForSecond_.start();
    event->accept();
}

void RatePanel::mouseReleaseEvent(QMouseEvent* event) {
    // The press decided already; the button's own click would come on top of it.
    event->accept();
}

void RatePanel::mouseDoubleClickEvent(QMouseEvent* event) {
    // A second press after the wait is no double click: the click has been answered.
    if (event->button() == Qt::LeftButton && waitForSecond_.isActive()) doubleClicked();
    event->accept();
}

void RatePanel::doubleClicked() {
    waitForSecond_.stop();
    if (onDoubleClick) onDoubleClick();
}

}  // namespace zumbrel::gui
