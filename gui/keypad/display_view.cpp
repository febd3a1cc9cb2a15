#include "keypad/display_view.h"

#include "keypad/number_drag.h"

#include <QAccessible>
#include <QApplication>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zumbrel::gui {
namespace {
qreal pointSizeOf(const QFont& f) {
    return f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
}
}  // namespace

DisplayView::DisplayView(QWidget* parent) : QWidget(parent) {
    setObjectName("EdtVirt");
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(true);
    baseFont_ = font();
}

QString DisplayView::spokenText() const {
    if (message_.isEmpty()) return number_;
    if (number_.isEmpty()) return message_;
    return message_ + ' ' + number_;
}

void DisplayView::present(const QString& number, const QString& message, bool quiet,
                          bool selected) {
    const QString before = spokenText();
    if (number != number_) update();
    number_ = number;
    message_ = message;
    const QString after = spokenText();
    wholeSelected_ = selected && !after.isEmpty();
    if (after == before || quiet) return;
    // Only insertions are told: Orca announces the deletion of a text it saw selected as
    // "selection deleted", which would follow every result.
    const bool typed = !before.isEmpty() && after.startsWith(before) && !wholeSelected_;
    const int at = typed ? static_cast<int>(before.size()) : 0;
    QAccessibleTextInsertEvent inserted(this, at, after.mid(at));
    QAccessible::updateAccessibility(&inserted);
    if (onAnnounced) onAnnounced(inserted.textInserted());
}

void DisplayView::setBaseFont(const QFont& font) {
    baseFont_ = font;
    setFont(font);
    update();
}

QFont DisplayView::fittingFont() const {
    QFont f = baseFont_;
    const int room = contentsRect().width() - 4;
    const int wanted = QFontMetrics(f).horizontalAdvance(number_);
    if (wanted <= room || wanted <= 0 || room <= 0) return f;
    // Shrink in proportion, then step down until it fits: every digit stays on screen.
    qreal size = std::max<qreal>(4, pointSizeOf(f) * room / wanted);
    f.setPointSizeF(size);
    while (size > 4 && QFontMetrics(f).horizontalAdvance(number_) > room) {
        size -= 0.5;
        f.setPointSizeF(size);
    }
    return f;
}

qreal DisplayView::drawnPointSize() const {
    return pointSizeOf(fittingFont());
}

qreal DisplayView::basePointSize() const {
    return pointSizeOf(baseFont_);
}

QSize DisplayView::sizeHint() const {
    return {200, QFontMetrics(baseFont_).height() + 4};
}

void DisplayView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setFont(fittingFont());
    p.setPen(palette().color(QPalette::Text));
    p.drawText(contentsRect().adjusted(2, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, number_);
    if (hasFocus()) {
        // A thin underline tells sighted keyboard users where the typing goes.
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawLine(rect().bottomLeft(), rect().bottomRight());
    }
}

// Typed keys belong to the keypad window: the display only passes them on.
void DisplayView::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

void DisplayView::mousePressEvent(QMouseEvent* event) {
    pressedAt_ = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void DisplayView::mouseMoveEvent(QMouseEvent* event) {
    if (dragDistanceReached(event, pressedAt_) && canDrag && canDrag()) {
        dragNumber(this, number_);
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void DisplayView::dragEnterEvent(QDragEnterEvent* event) {
    acceptNumberDrag(event, this);
}

void DisplayView::dropEvent(QDropEvent* event) {
    const QString number = takeDroppedNumber(event);
    if (!number.isEmpty() && onNumberDropped) onNumberDropped(number);
}

void DisplayView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void DisplayView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace zumbrel::gui
