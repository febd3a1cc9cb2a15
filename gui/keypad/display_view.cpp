#include "gui/keypad/display_view.h"

#include "core/calc/number_text.h"
#include "gui/keypad/number_drag.h"
#include "gui/ui/painted_widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

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
    if (!told_.isEmpty()) return told_;
    if (message_.isEmpty()) return heard(number_);
    if (number_.isEmpty()) return heard(message_);
    return heard(message_ + ' ' + number_);
}

QString DisplayView::heard(const QString& text) const {
    return QString::fromStdString(calc::spokenGrouping(text.toStdString(), ds_));
}

void DisplayView::present(const QString& number, const QString& message, bool quiet, bool selected,
                          bool messageIsNew) {
    const QString before = spokenText();
    const bool messageStays = !messageIsNew && !message.isEmpty() && message == message_;
    if (number != number_ || message != message_ || messageIsNew) told_.clear();
    if (number != number_) update();
    number_ = number;
    message_ = message;
    const QString after = spokenText();
    wholeSelected_ = selected && !after.isEmpty();
    if (after == before || quiet) return;
    // Only insertions are told: Orca announces the deletion of a text it saw selected as
    // "selection deleted", which would follow every result.
    const bool typed = !before.isEmpty() && after.startsWith(before) && !wholeSelected_;
    int at = typed ? static_cast<int>(before.size()) : 0;
    // A message still shown from before ("Division par zéro…" after Escape) is not said again.
    if (!typed && messageStays && !number_.isEmpty()) at = static_cast<int>(message_.size()) + 1;
    QAccessibleTextInsertEvent inserted(this, at, after.mid(at));
    QAccessible::updateAccessibility(&inserted);
    if (onAnnounced) onAnnounced(inserted.textInserted());
}

void DisplayView::announce(const QString& text) {
    if (text.isEmpty()) return;
    const QString said = heard(text);
    told_ = said;
    QAccessibleTextInsertEvent inserted(this, 0, said);
    QAccessible::updateAccessibility(&inserted);
    if (onAnnounced) onAnnounced(said);
}

void DisplayView::announceWhenFocused(const QString& text) {
    if (hasFocus()) {
        announce(text);
        return;
    }
    pendingAnnouncement_ = text;
}

void DisplayView::setBaseFont(const QFont& font) {
    baseFont_ = font;
    setFont(font);
    update();
}

// Every digit stays on screen: the font shrinks, down to 4 points, until the number fits.
QFont DisplayView::fittingFont() const {
    QFont smallest = baseFont_;
    smallest.setPointSizeF(4);
    return fontToFit(baseFont_, number_, contentsRect().width() - 4, 4).value_or(smallest);
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

// The press is the display's own (a drag of its number may follow): it never moves the window.
void DisplayView::mousePressEvent(QMouseEvent* event) {
    pressedAt_ = event->position().toPoint();
    event->accept();
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
    // Coming back to the display, a reader reads what it holds: no "selected" after it. The
    // next result stands selected again.
    wholeSelected_ = false;
    QWidget::focusInEvent(event);
    if (!pendingAnnouncement_.isEmpty()) announce(std::exchange(pendingAnnouncement_, {}));
    update();
}

void DisplayView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace zumbrel::gui
