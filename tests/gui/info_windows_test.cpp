// The information windows: each opens from its menu item, in French or in English, and
// closes with Escape; the voice notice follows About once About has closed.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/config/settings.h"
#include "core/memory_ports.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/open_address.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

struct Seen {
    std::string title;
    QStringList labels;
};

// Notes the next modal window and closes it with Escape.
void seeAndEscape(Seen& seen, const std::function<void(QWidget*)>& before = {}) {
    QTimer::singleShot(0, [&seen, before] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        modal->setProperty("expected", true);
        seen.title = modal->windowTitle().toStdString();
        for (QLabel* l : modal->findChildren<QLabel*>())
            seen.labels << l->objectName() + "=" + l->text();
        if (before) before(modal);
        if (modal->isVisible()) QTest::keyClick(modal, Qt::Key_Escape);
    });
}

class Info : public KeypadFixture {};

TEST_F(Info, each_window_opens_from_its_item_and_escape_closes_it) {
    const std::pair<const char*, const char*> items[] = {
        {"mItemAPropos", "A propos..."},
        {"mItemLicence", "Licence"},
        {"mItemCredits", "Remerciements"},
        {"mItemPrincipeFonction", "Principe de fonctionnement"}};
    for (const auto& [item, title] : items) {
        Seen seen;
        seeAndEscape(seen);
        keypad->findChild<QAction*>(item)->trigger();
        EXPECT_EQ(seen.title, title) << item;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << item;
    }
    Seen fromTape;
    seeAndEscape(fromTape);
    keypad->tapeWindow().action("ToolBtnInfo")->trigger();
    EXPECT_EQ(fromTape.title, "Principe de fonctionnement");
}

TEST_F(Info, about_shows_the_machine_and_no_translator_in_french) {
    Seen seen;
    seeAndEscape(seen);
    keypad->findChild<QAction*>("mItemAPropos")->trigger();
    EXPECT_TRUE(seen.labels.join("|").contains("PhysMem=Mémoire physique disponible  : "));
    EXPECT_TRUE(seen.labels.join("|").contains(" Ko")) << seen.labels.join("|").toStdString();
    EXPECT_TRUE(seen.labels.join("|").contains("lblTool=Développé avec C++20, Qt 6"));
    EXPECT_FALSE(seen.labels.join("|").contains("lblTranslation="));
}

TEST_F(Info, about_in_english_names_its_translator) {
    QTemporaryDir app;
    copyLanguageFiles(app);
    keypad->setLanguageSource(app.path().toStdString(), static_cast<int>(config::InstallCode::ZMB));
    keypad->findChild<QAction*>("ENGL")->trigger();
    Seen seen;
    seeAndEscape(seen);
    keypad->findChild<QAction*>("mItemAPropos")->trigger();
    EXPECT_EQ(seen.title, "About...");
    EXPECT_TRUE(seen.labels.join("|").contains("lblTranslation=Translation: The Zumbrel team"))
        << seen.labels.join("|").toStdString();
    // The files give no translator's site or address: no caption stands there alone.
    EXPECT_FALSE(seen.labels.join("|").contains("lblTranslatorSite="))
        << seen.labels.join("|").toStdString();
    EXPECT_FALSE(seen.labels.join("|").contains("lblTranslatorMail="));
}

TEST_F(Info, the_voice_notice_follows_about_once_it_has_closed) {
    Seen about, notice;
    seeAndEscape(about, [&notice](QWidget* modal) {
        seeAndEscape(notice);
        modal->findChild<QPushButton*>("btnResSound")->click();
    });
    keypad->findChild<QAction*>("mItemAPropos")->trigger();
    EXPECT_EQ(about.title, "A propos...");
    EXPECT_EQ(notice.title, "A propos des ressources vocales");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Enter closes About, even with the focus on its first button (the voices' notice).
TEST_F(Info, enter_closes_about_without_the_voice_notice) {
    Seen about, notice;
    seeAndEscape(about, [&notice](QWidget* modal) {
        seeAndEscape(notice);
        auto* voices = modal->findChild<QPushButton*>("btnResSound");
        voices->setFocus();
        QTest::keyClick(voices, Qt::Key_Return);
    });
    keypad->findChild<QAction*>("mItemAPropos")->trigger();
    EXPECT_EQ(about.title, "A propos...");
    EXPECT_EQ(notice.title, "");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A desktop with no program for an address says so and shows the address; one with a
// program opens it and says nothing.
TEST(OpenAddress, a_desktop_with_no_program_for_it_shows_the_address) {
    QWidget parent;
    FrenchTranslator french;
    const QUrl page(QStringLiteral("https://github.com/espeak-ng/espeak-ng"));
    QUrl asked;
    openOrTell(page, parent, french, [&asked](const QUrl& u) {
        asked = u;
        return true;
    });
    EXPECT_EQ(asked, page);
    EXPECT_EQ(parent.findChild<QMessageBox*>("NothingOpens"), nullptr);
    openOrTell(QUrl::fromLocalFile("/tmp/skins folder"), parent, french,
               [](const QUrl&) { return false; });
    auto* box = parent.findChild<QMessageBox*>("NothingOpens");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text().toStdString(),
              "Aucun programme de ce bureau ne peut ouvrir :\n/tmp/skins folder");
    box->close();
}

}  // namespace
}  // namespace zumbrel::gui
