#include "gui/arrange/keypad_skin.h"

#include <QBitmap>
#include <QPainter>

#include "gui/ui/artwork.h"

namespace zumbrel::gui {
namespace {

// Room around the picture: the full keypad's menu shadow and the compact one's border.
constexpr QSize kFullMargins{24, 17};
constexpr QSize kCompactMargins{10, 8};

}  // namespace

void KeypadSkin::use(const QString& name, QImage full, QImage small) {
    name_ = name;
    full_ = std::move(full);
    small_ = std::move(small);
}

QSize KeypadSkin::pictureSize() const {
    return compact_ ? artwork::kCompactSkinSize : artwork::kKeypadSkinSize;
}

QSize KeypadSkin::windowSize() const {
    return pictureSize() + (compact_ ? kCompactMargins : kFullMargins);
}

QImage KeypadSkin::picture() const {
    const QImage& own = compact_ ? small_ : full_;
    return own.isNull() ? artwork::keypadSkin(pictureSize()) : own;
}

QRegion KeypadSkin::shape() const {
    const QImage& own = compact_ ? small_ : full_;
    if (own.isNull()) return artwork::keypadSkinShape(pictureSize()).translated(kOrigin);
    const QBitmap mask = QBitmap::fromImage(
        own.createMaskFromColor(artwork::kTransparentKey, Qt::MaskInColor), Qt::MonoOnly);
    return QRegion(mask).translated(kOrigin);
}

void KeypadSkin::paint(QPainter& p) const {
    const QImage& own = compact_ ? small_ : full_;
    if (own.isNull()) {
        p.translate(kOrigin);
        artwork::paintKeypadSkin(p, pictureSize());
        p.translate(-kOrigin);
    } else {
        p.drawImage(kOrigin, own);
    }
}

}  // namespace zumbrel::gui
