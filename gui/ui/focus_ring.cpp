#include "gui/ui/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace zumbrel::gui {
namespace {

constexpr char kSurrounded[] = "zumbrelFocusRing";
constexpr int kMargin = 3;
const QColor kRing(208, 96, 0);  // the keys' own focus colour

}  // namespace

FocusRing::FocusRing(QWidget& window) : QWidget(&window) {
    setObjectName("FocusRing");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::surround(QWidget* control) {
    if (control) control->setProperty(kSurrounded, true);
}

void FocusRing::follow(QWidget* focused) {
    if (target_) target_->removeEventFilter(this);
    const bool ours =
        focused && parentWidget()->isAncestorOf(focused) && focused->property(kSurrounded).toBool();
    target_ = ours ? focused : nullptr;
    if (!target_) {
        hide();
        return;
    }
    target_->installEventFilter(this);  // it may move or hide while focused
    place();
}

void FocusRing::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QPoint at = target_->mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(QRect(at, target_->size()).adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
    show();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type t = event->type();
    if (watched == target_ && (t == QEvent::Move || t == QEvent::Resize || t == QEvent::Hide))
        place();
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kRing, 2));
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
}

}  // namespace zumbrel::gui
