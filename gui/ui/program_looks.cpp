#include "gui/ui/program_looks.h"

#include <QApplication>
#include <QFontInfo>
#include <QProxyStyle>
#include <QStyleFactory>

#include "gui/ui/artwork.h"
#include "gui/ui/fonts.h"
#include "gui/ui/keyboard_menus.h"

namespace zumbrel::gui {
namespace {

// The platform's style, but for the pictures of a toolbar's button for the tools it has no
// room for: Qt reads those from image files when the toolbar is made, and the first image it
// reads loads every image format plugin, before the tape window can show. They are painted.
class ProgramStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton)
            return artwork::icon(artwork::Glyph::MoreToolsRight);
        if (which == SP_ToolBarVerticalExtensionButton)
            return artwork::icon(artwork::Glyph::MoreToolsDown);
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

// Without a desktop's settings Qt names the default font by a fontconfig alias ("Sans
// Serif"), and a font of that name in a new style (italic) or script (the golden number's φ)
// costs a search of the alias's fallbacks each time. The family the alias stands for draws the
// same letters without those searches.
void useTheFamilyTheDefaultFontStandsFor() {
    QFont font = QApplication::font();
    const QString family = QFontInfo(font).family();
    if (family.isEmpty() || family == font.family()) return;
    font.setFamily(family);
    QApplication::setFont(font);
}

}  // namespace

void installProgramLooks() {
    installFontSubstitutes();
    useTheFamilyTheDefaultFontStandsFor();
    // The style the user or the platform chose stays the one that draws.
    QApplication::setStyle(new ProgramStyle(QStyleFactory::create(QApplication::style()->name())));
    selectFirstItemOfKeyboardMenus();
}

}  // namespace zumbrel::gui
