#include "gui/ui/artwork.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <vector>

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zumbrel::gui::artwork {
namespace {

const QColor kInk(32, 48, 96);
const QColor kAccent(214, 120, 20);

void drawPage(QPainter& p, const QRectF& r) {
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void drawLines(QPainter& p, const QRectF& r, int count) {
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + r.height() * (i + 1) / (count + 1);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
}

// Paints a glyph in a 24 x 24 design square.
void paintGlyph(QPainter& p, Glyph g) {
    QPen pen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (g) {
        case Glyph::NewTape:
            drawPage(p, QRectF(5, 3, 14, 18));
            p.setPen(QPen(kAccent, 2));
            p.drawLine(QPointF(17, 15), QPointF(17, 21));
            p.drawLine(QPointF(14, 18), QPointF(20, 18));
            break;
        case Glyph::Open:
            p.setBrush(QColor(250, 210, 110));
            p.drawRoundedRect(QRectF(3, 7, 18, 13), 2, 2);
            p.drawLine(QPointF(3, 10), QPointF(10, 10));
            p.drawLine(QPointF(10, 10), QPointF(12, 7));
            break;
        case Glyph::Save:
            p.setBrush(QColor(90, 120, 200));
            p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 4, 10, 6));
            p.drawRect(QRectF(7, 13, 10, 7));
            break;
        case Glyph::Print:
            p.setBrush(QColor(220, 224, 232));
            p.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 4, 10, 5));
            p.drawRect(QRectF(7, 15, 10, 6));
            break;
        case Glyph::Export:  // a page and an arrow leaving it
            drawPage(p, QRectF(3, 3, 13, 18));
            p.setPen(QPen(kAccent, 2.5));
            p.drawLine(QPointF(9, 12), QPointF(21, 12));
            p.drawLine(QPointF(17, 8), QPointF(21, 12));
            p.drawLine(QPointF(17, 16), QPointF(21, 12));
            break;
        case Glyph::Header:
        case Glyph::Footer: {
            drawPage(p, QRectF(5, 3, 14, 18));
            p.setPen(QPen(kAccent, 3));
            const qreal y = g == Glyph::Header ? 7 : 17;
            p.drawLine(QPointF(8, y), QPointF(16, y));
            break;
        }
        case Glyph::Date:
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(4, 5, 16, 15), 2, 2);
            p.setBrush(QColor(200, 40, 40));
            p.drawRect(QRectF(4, 5, 16, 4));
            p.setPen(QPen(kInk, 1.2));
            drawLines(p, QRectF(7, 9, 10, 11), 2);
            break;
        case Glyph::Title:
            p.setPen(QPen(kInk, 2.4));
            p.drawLine(QPointF(6, 6), QPointF(18, 6));
            p.drawLine(QPointF(12, 6), QPointF(12, 19));
            break;
        case Glyph::Comment:
        case Glyph::ResultComment: {
            p.setBrush(g == Glyph::Comment ? QColor(230, 236, 255) : QColor(220, 245, 220));
            QPainterPath bubble;
            bubble.addRoundedRect(QRectF(3, 4, 18, 12), 3, 3);
            bubble.moveTo(8, 16);
            bubble.lineTo(7, 21);
            bubble.lineTo(12, 16);
            p.drawPath(bubble.simplified());
            if (g == Glyph::ResultComment) {
                p.setPen(QPen(QColor(0, 128, 0), 1.6));
                p.drawLine(QPointF(8, 8), QPointF(16, 8));
                p.drawLine(QPointF(8, 12), QPointF(16, 12));
            } else {
                drawLines(p, QRectF(7, 5, 10, 10), 2);
            }
            break;
        }
        case Glyph::Edit:
            p.setBrush(QColor(250, 200, 80));
            p.save();
            p.translate(12, 12);
            p.rotate(45);
            p.drawRect(QRectF(-3, -9, 6, 15));
            p.setBrush(kInk);
            p.drawPolygon(QPolygonF({QPointF(-3, 6), QPointF(3, 6), QPointF(0, 10)}));
            p.restore();
            break;
        case Glyph::MoreToolsRight:
        case Glyph::MoreToolsDown: {  // two chevrons: the tools that did not fit
            p.save();
            if (g == Glyph::MoreToolsDown) {
                p.translate(24, 0);
                p.rotate(90);
            }
            p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            for (const qreal x : {5.0, 12.0})
                p.drawPolyline(QPolygonF({QPointF(x, 6), QPointF(x + 6, 12), QPointF(x, 18)}));
            p.restore();
            break;
        }
        case Glyph::Info:
            p.setBrush(QColor(60, 110, 210));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(3, 3, 18, 18));
            p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawPoint(QPointF(12, 7.5));
            p.drawLine(QPointF(12, 11), QPointF(12, 17));
            break;
        case Glyph::Eraser:
        case Glyph::EraserUndo:
            p.save();
            p.translate(12, 12);
            p.rotate(-30);
            p.setBrush(QColor(240, 120, 140));
            p.drawRoundedRect(QRectF(-9, -5, 12, 10), 2, 2);
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(3, -5, 6, 10), 2, 2);
            p.restore();
            if (g == Glyph::EraserUndo) {
                p.setPen(QPen(kAccent, 1.8));
                p.drawLine(QPointF(15, 20), QPointF(22, 20));
                p.drawLine(QPointF(15, 20), QPointF(18, 17));
            }
            break;
        case Glyph::VoiceMan:
        case Glyph::VoiceWoman:
        case Glyph::VoiceManSilentKeys:
        case Glyph::VoiceWomanSilentKeys: {
            const bool woman = g == Glyph::VoiceWoman || g == Glyph::VoiceWomanSilentKeys;
            p.setPen(Qt::NoPen);
            p.setBrush(woman ? QColor(210, 80, 140) : QColor(50, 100, 190));
            p.drawEllipse(QRectF(8, 3, 8, 8));
            QPainterPath body;
            if (woman) {
                body.moveTo(12, 11);
                body.lineTo(19, 21);
                body.lineTo(5, 21);
            } else {
                body.addRoundedRect(QRectF(6, 12, 12, 9), 3, 3);
            }
            p.drawPath(body);
            if (g == Glyph::VoiceManSilentKeys || g == Glyph::VoiceWomanSilentKeys) {
                p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(3, 3), QPointF(21, 21));
            }
            break;
        }
        case Glyph::SoundClick:
        case Glyph::SoundNone: {
            p.setBrush(kInk);
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygonF({QPointF(3, 9), QPointF(8, 9), QPointF(13, 4), QPointF(13, 20),
                                     QPointF(8, 15), QPointF(3, 15)}));
            p.setBrush(Qt::NoBrush);
            if (g == Glyph::SoundClick) {
                p.setPen(QPen(kAccent, 1.8, Qt::SolidLine, Qt::RoundCap));
                p.drawArc(QRectF(11, 7, 6, 10), -60 * 16, 120 * 16);
                p.drawArc(QRectF(11, 4, 10, 16), -60 * 16, 120 * 16);
            } else {
                p.setPen(QPen(QColor(200, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(15, 9), QPointF(21, 15));
                p.drawLine(QPointF(21, 9), QPointF(15, 15));
            }
            break;
        }
        case Glyph::AppIcon: {
            QLinearGradient grad(0, 0, 0, 24);
            grad.setColorAt(0, QColor(70, 110, 190));
            grad.setColorAt(1, QColor(30, 50, 110));
            p.setBrush(grad);
            p.setPen(Qt::NoPen);
            p.drawRoundedRect(QRectF(2, 2, 20, 20), 4, 4);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 1, 10, 12));
            p.setPen(QPen(kInk, 1));
            drawLines(p, QRectF(8, 1, 8, 12), 3);
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            for (int r = 0; r < 2; ++r)
                for (int c = 0; c < 3; ++c)
                    p.drawRoundedRect(QRectF(5.5 + c * 4.7, 14.5 + r * 3.6, 3.4, 2.6), 0.8, 0.8);
            break;
        }
    }
}

// Paints on demand at the requested size: crisp at every scale.
class GlyphEngine final : public QIconEngine {
  public:
    explicit GlyphEngine(Glyph g) : glyph_(g) {}
    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled) p->setOpacity(0.35);
        paintGlyph(*p, glyph_);
        p->restore();
    }
    // Each size and mode is painted once: buttons ask for their icon at every repaint.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const quint64 key =
            (quint64(size.width()) << 32) | (quint64(size.height()) << 8) | quint64(mode);
        if (const auto it = painted_.constFind(key); it != painted_.constEnd()) return *it;
        QImage img(size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        p.end();
        const QPixmap pixmap = QPixmap::fromImage(img);
        painted_.insert(key, pixmap);
        return pixmap;
    }
    QIconEngine* clone() const override { return new GlyphEngine(glyph_); }

  private:
    Glyph glyph_;
    QHash<quint64, QPixmap> painted_;
};

}  // namespace

QIcon icon(Glyph glyph) {
    return QIcon(new GlyphEngine(glyph));
}

SkinTheme builtInTheme() {
    return {QColor(84, 116, 176), QColor(46, 70, 128), QColor(28, 42, 84),
            QColor(255, 255, 255, 70), 26};
}

SkinTheme graphiteTheme() {
    return {QColor(128, 130, 136),
            QColor(66, 68, 74),
            QColor(30, 31, 35),
            QColor(255, 190, 80, 150),
            22,
            true};
}

QImage keypadSkin(QSize size, const SkinTheme& theme) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(kTransparentKey);
    QPainter p(&img);
    paintKeypadSkin(p, size, theme);
    return img;
}

namespace {

// The body's outline: rounded corners, or corners cut at 45 degrees.
QPainterPath skinOutline(const QRectF& r, qreal corner, bool chamfered) {
    QPainterPath path;
    if (!chamfered) {
        path.addRoundedRect(r, corner, corner);
        return path;
    }
    path.moveTo(r.left() + corner, r.top());
    path.lineTo(r.right() - corner, r.top());
    path.lineTo(r.right(), r.top() + corner);
    path.lineTo(r.right(), r.bottom() - corner);
    path.lineTo(r.right() - corner, r.bottom());
    path.lineTo(r.left() + corner, r.bottom());
    path.lineTo(r.left(), r.bottom() - corner);
    path.lineTo(r.left(), r.top() + corner);
    path.closeSubpath();
    return path;
}

qreal cornerRadius(QSize size, const SkinTheme& theme) {
    return std::min<qreal>(theme.radius, size.height() / 4.0);
}

// A region built row by row from runs of set bytes; rows with the same runs as the row above
// widen that row's rectangles downwards instead of adding their own.
class RegionRows {
  public:
    void addRow(int y, const uchar* line, int width) {
        row_.clear();
        const uchar* const end = line + width;
        for (const uchar* at = line; at != end;) {
            const uchar* const from = std::find_if(at, end, [](uchar c) { return c != 0; });
            if (from == end) break;
            const auto* const to = static_cast<const uchar*>(
                std::memchr(from, 0, static_cast<std::size_t>(end - from)));
            at = to ? to : end;
            row_.emplace_back(static_cast<int>(from - line), y, static_cast<int>(at - from), 1);
        }
        if (sameAsBandAbove(y)) {
            for (std::size_t i = bandStart_; i < rects_.size(); ++i)
                rects_[i].setBottom(y);
            return;
        }
        bandStart_ = rects_.size();
        rects_.insert(rects_.end(), row_.begin(), row_.end());
    }

    QRegion region() const {
        QRegion r;
        r.setRects(rects_.data(), static_cast<int>(rects_.size()));
        return r;
    }

  private:
    bool sameAsBandAbove(int y) const {
        const std::size_t band = rects_.size() - bandStart_;
        return band == row_.size() && band > 0 && rects_[bandStart_].bottom() == y - 1 &&
               std::equal(row_.begin(), row_.end(),
                          rects_.begin() + static_cast<std::ptrdiff_t>(bandStart_),
                          [](const QRect& a, const QRect& b) {
                              return a.left() == b.left() && a.right() == b.right();
                          });
    }

    std::vector<QRect> rects_;
    std::vector<QRect> row_;
    std::size_t bandStart_ = 0;  // the first rectangle of the last band
};

}  // namespace

QRegion keypadSkinShape(QSize size, const SkinTheme& theme) {
    // The body filled as the skin fills it, a strip of rows at a time into a few pages of one
    // byte a pixel: a whole picture of the skin would cost far more to touch than to fill.
    constexpr int kStrip = 16;
    const QPainterPath body =
        skinOutline(QRectF(QPointF(0, 0), size), cornerRadius(size, theme), theme.chamfered);
    QImage strip(size.width(), kStrip, QImage::Format_Alpha8);
    RegionRows rows;
    for (int top = 0; top < size.height(); top += kStrip) {
        strip.fill(0);
        QPainter p(&strip);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.translate(0, -top);
        p.drawPath(body);
        p.end();
        for (int y = top; y < std::min(top + kStrip, size.height()); ++y)
            rows.addRow(y, strip.constScanLine(y - top), size.width());
    }
    return rows.region();
}

void paintKeypadSkin(QPainter& p, QSize size, const SkinTheme& theme) {
    // No antialiasing on the outline: a half-blended pixel would be neither skin nor hole.
    const QRectF body(0, 0, size.width(), size.height());
    const qreal r = cornerRadius(size, theme);
    QLinearGradient grad(0, 0, 0, size.height());
    grad.setColorAt(0.0, theme.top);
    grad.setColorAt(0.5, theme.middle);
    grad.setColorAt(1.0, theme.bottom);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(grad);
    p.drawPath(skinOutline(body, r, theme.chamfered));
    if (theme.chamfered) {
        // Brushed metal: faint horizontal lines inside the body.
        p.setClipPath(skinOutline(body.adjusted(1, 1, -1, -1), r, true));
        for (int y = 2; y < size.height(); y += 3) {
            p.setPen(QColor(255, 255, 255, (y * 7) % 23 + 6));
            p.drawLine(0, y, size.width(), y);
        }
        p.setClipping(false);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme.rim, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(skinOutline(body.adjusted(3, 3, -3, -3), r - 3, theme.chamfered));
    p.restore();
}

}  // namespace zumbrel::gui::artwork
