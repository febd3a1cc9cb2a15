#pragma once

#include <QColor>
#include <QSize>

#include <QIcon>
#include <QImage>
#include <QRegion>

class QPainter;

namespace zumbrel::gui::artwork {

// The colour a skin uses for what is not the window.
inline constexpr QRgb kTransparentKey = qRgb(255, 0, 255);

// The keypad skin's size at scale 1; a skin picture of another size is scaled to it.
inline constexpr QSize kKeypadSkinSize{626, 560};
// The compact keypad's skin.
inline constexpr QSize kCompactSkinSize{400, 156};

// The colours of a painted skin: a body shaded from top to bottom, a light inner rim.
struct SkinTheme {
    QColor top;
    QColor middle;
    QColor bottom;
    QColor rim;
    int radius;
    bool chamfered = false;  // corners cut straight instead of rounded, and a brushed body
};
// Zumbrel's own blue, and the graphite of the second skin shipped.
SkinTheme builtInTheme();
SkinTheme graphiteTheme();

// A painted skin of the given size: a rounded body on fuchsia.
QImage keypadSkin(QSize size = kKeypadSkinSize, const SkinTheme& theme = builtInTheme());
// The same skin painted straight onto a device (at its origin), without keeping a picture.
void paintKeypadSkin(QPainter& p, QSize size = kKeypadSkinSize,
                     const SkinTheme& theme = builtInTheme());
// What of that skin is not fuchsia, without painting the picture.
QRegion keypadSkinShape(QSize size = kKeypadSkinSize, const SkinTheme& theme = builtInTheme());

enum class Glyph {
    NewTape,
    Open,
    Save,
    Print,
    Export,
    Header,
    Date,
    Title,
    Comment,
    ResultComment,
    Footer,
    Edit,
    Info,
    Eraser,
    EraserUndo,
    AppIcon,
    VoiceMan,
    VoiceWoman,
    VoiceManSilentKeys,
    VoiceWomanSilentKeys,
    SoundClick,
    SoundNone,
    MoreToolsRight,  // a toolbar's button for the tools it has no room for
    MoreToolsDown
};

// Toolbar and keypad glyphs, painted at the size asked for, so they stay crisp at any scale.
QIcon icon(Glyph glyph);

}  // namespace zumbrel::gui::artwork
