// The program's looks as set up before the first window: fonts asked for by installed
// families, and a toolbar whose overflow button is painted rather than read from Qt's files
// (reading one loads every image format plugin at start).

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QToolBar>
#include <QToolButton>

#include "gui/ui/fonts.h"

namespace zumbrel::gui {
namespace {

TEST(InstalledFamily, is_the_family_itself_its_first_installed_twin_or_the_name_as_asked) {
    const QString installed = QFontInfo(QApplication::font()).family();
    ASSERT_FALSE(installed.isEmpty());
    QFont::insertSubstitutions("Zumbrel Missing One", {"Zumbrel Missing Two", installed});
    QFont::insertSubstitutions("Zumbrel Missing Three", {"Zumbrel Missing Four"});
    const struct {
        QString asked;
        QString expected;
    } cases[] = {
        {installed, installed},
        {installed.toUpper(), installed.toUpper()},  // families match without regard to case
        {"Zumbrel Missing One", installed},
        {"Zumbrel Missing Three", "Zumbrel Missing Three"},
        {"Zumbrel Without Twins", "Zumbrel Without Twins"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(installedFamily(c.asked), c.expected) << c.asked.toStdString();
}

TEST(ProgramLooks, the_default_font_is_named_by_the_family_that_draws_it) {
    const QFont font = QApplication::font();
    EXPECT_EQ(font.family(), QFontInfo(font).family());
    EXPECT_TRUE(QFontDatabase::families().contains(font.family(), Qt::CaseInsensitive));
}

TEST(ProgramLooks, a_toolbars_overflow_button_is_painted_in_both_directions) {
    for (const Qt::Orientation direction : {Qt::Horizontal, Qt::Vertical}) {
        QToolBar bar;
        bar.setOrientation(direction);
        auto* more = bar.findChild<QToolButton*>("qt_toolbar_ext_button");
        ASSERT_NE(more, nullptr);
        // Qt's own pictures come in the sizes of their files; a painted one in any size.
        EXPECT_TRUE(more->icon().availableSizes().isEmpty());
        const QImage picture = more->icon().pixmap(24, 24).toImage();
        ASSERT_FALSE(picture.isNull());
        int inked = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qAlpha(picture.pixel(x, y)) > 200) ++inked;
        EXPECT_GT(inked, 20) << "direction " << direction;
    }
}

}  // namespace
}  // namespace zumbrel::gui
