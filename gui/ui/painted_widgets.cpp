#include "gui/ui/painted_widgets.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace zumbrel::gui {

RoundedPanel::RoundedPanel(QWidget* parent, QColor fill, QColor border, qreal radius)
    : QWidget(parent), fill_(fill), border_(border), radius_(radius) {}

void RoundedPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(border_.isValid() ? QPen(border_, 1) : QPen(Qt::NoPen));
    p.setBrush(fill_);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius_, radius_);
}

KeyButton::KeyButton(const QString& caption, const Colors& colors, int pixelSize, QWidget* parent)
    : QPushButton(caption, parent), colors_(colors) {
    QFont f = font();
    f.setPixelSize(pixelSize);
    f.setWeight(QFont::DemiBold);
    setFont(f);
    setFocusPolicy(Qt::TabFocus);
}

void KeyButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown();
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(hasFocus() ? QColor(208, 96, 0) : colors_.border, hasFocus() ? 2 : 1));
    p.setBrush(down ? colors_.pressed : colors_.face);
    p.drawRoundedRect(r, 9, 9);
    p.setPen(colors_.text);
    p.setFont(font());
    p.drawText(r.translated(0, down ? 1.5 : 0), Qt::AlignCenter, text());
}

void setTextLook(QWidget* w, QColor text, int pixelSize, bool bold, bool italic) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::ButtonText, text);
    w->setPalette(pal);
    QFont f = w->font();
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    w->setFont(f);
}

std::optional<QFont> fontToFit(const QFont& base, const QString& text, int room, qreal smallest) {
    const auto pointSize = [](const QFont& f) {
        return f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
    };
    QFont f = base;
    const int wanted = QFontMetrics(f).horizontalAdvance(text);
    if (wanted <= room) return f;
    if (room <= 0) return std::nullopt;
    // Shrink in proportion, then step down until it fits.
    qreal size = std::max(smallest, pointSize(f) * room / wanted);
    f.setPointSizeF(size);
    while (QFontMetrics(f).horizontalAdvance(text) > room) {
        if (size <= smallest) return std::nullopt;
        size = std::max(smallest, size - 0.5);
        f.setPointSizeF(size);
    }
    return f;
}

}  // namespace zumbrel::gui
