// What a screen reader is given beyond the display: the question of a question box, the
// tape's drawn lines in words, named lists, rates in the program's separator with the one in
// use marked, the language by its name, and the command panel's settings reached by Tab.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>

#include "gui/business/business_panel.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/number_list_popup.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class ScreenReader : public TranslatedKeypadFixture {
  protected:
    void SetUp() override { TranslatedKeypadFixture::SetUp(); }
    void type(const char* keys) { QTest::keyClicks(keypad.get(), keys); }
    void choose(const char* language) { keypad->findChild<QAction*>(language)->trigger(); }
    QWidget* control(const char* name) { return keypad->findChild<QWidget*>(name); }
    QAccessibleTextInterface* tapeText() {
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(keypad->tapeWindow().editor());
        return iface ? iface->textInterface() : nullptr;
    }
    // The tape's lines as a reader is given them, without the empty ones.
    QStringList spokenTape() {
        QStringList lines = tapeText()->text(0, tapeText()->characterCount()).split('\n');
        lines.removeAll(QString());
        return lines;
    }
    QStringList rowsOf(NumberListPopup* list, int role = Qt::DisplayRole) {
        QStringList out;
        for (int r = 0; r < list->view()->model()->rowCount(); ++r)
            out << list->view()->model()->index(r, 0).data(role).toString();
        return out;
    }
};

// From the first start, in French: every control whose hint the status line shows under the
// mouse gives the same hint to a screen reader as its description. Before, they had none
// until another language had been chosen and French chosen again.
TEST_F(ScreenReader, every_hinted_control_describes_itself_from_the_start) {
    int hinted = 0;
    for (QWidget* w : keypad->findChildren<QWidget*>()) {
        const QString hint = w->property("zumbrelHint").toString();
        // A key whose hint is its name ("Sept") is not described again.
        if (!hint.isEmpty() && hint == w->accessibleName())
            EXPECT_NE(w->accessibleDescription(), hint) << w->objectName().toStdString();
        if (hint.isEmpty() || !w->isVisible() || hint == w->accessibleName()) continue;
        ++hinted;
        EXPECT_EQ(w->accessibleDescription().toStdString(), hint.toStdString())
            << w->objectName().toStdString();
    }
    EXPECT_GT(hinted, 20);
}

TEST_F(ScreenReader, a_question_box_describes_itself_with_its_question_on_one_line) {
    type("1+1\r");
    QString title, description, label;
    bool labelTakesFocus = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        box->setProperty("expected", true);
        title = box->accessibleName();
        description = box->accessibleDescription();
        if (auto* l = box->findChild<QLabel*>("qt_msgbox_label")) {
            labelTakesFocus = l->focusPolicy() != Qt::NoFocus;
            label = l->text();
        }
        box->button(QMessageBox::Cancel)->click();
    });
    keypad->findChild<QAction*>("mItemNouveau")->trigger();
    EXPECT_EQ(title, "Enregistrement...");
    EXPECT_EQ(description,
              "Avant d'ouvrir un nouveau ruban, souhaitez-vous sauvegarder son contenu ?");
    EXPECT_FALSE(labelTakesFocus);
    // The label a reader reads too breaks its lines without carriage returns.
    EXPECT_EQ(label,
              "Avant d'ouvrir un nouveau ruban,\n\nsouhaitez-vous sauvegarder son contenu ?");
    EXPECT_FALSE(keypad->tapeWindow().tape().isEmpty());  // Cancel kept it
}

TEST_F(ScreenReader, the_tape_reads_rules_totals_and_roots_in_words) {
    type("100+8\r");
    type("9r");
    EXPECT_EQ(spokenTape(), (QStringList{"100,00", "+ 8,00", "trait", "total 108,00", "9,00",
                                         "trait", "racine carrée de 9,00 : 3,00"}));
    choose("ENGL");
    EXPECT_EQ(spokenTape().mid(2, 2), (QStringList{"rule", "total 108,00"}));
    EXPECT_EQ(spokenTape().last(), "square root of 9,00 : 3,00");
    // A subtraction's sign, an en dash, is said in words.
    type("50-8\r");
    EXPECT_TRUE(spokenTape().contains("minus 8,00")) << spokenTape().join(" | ").toStdString();
}

TEST_F(ScreenReader, the_tapes_caret_and_the_readers_offsets_meet_line_by_line) {
    type("100+8\r");
    TapeView* view = keypad->tapeWindow().editor();
    QAccessibleTextInterface* text = tapeText();
    // The caret on the total's line, third character of "108,00".
    QTextCursor c(view->document()->findBlockByNumber(3));
    c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 2);
    view->setTextCursor(c);
    int start = 0, end = 0;
    const QString line =
        text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end);
    EXPECT_EQ(line.trimmed(), "total 108,00");
    // A reader that puts the caret at the start of the rule's words puts it on the rule.
    text->setCursorPosition(text->text(0, text->characterCount()).indexOf("trait"));
    EXPECT_EQ(view->textCursor().block().blockNumber(), 2);
    EXPECT_EQ(view->textCursor().positionInBlock(), 0);
    // The end of the text is the end of the tape.
    view->moveCursor(QTextCursor::End);
    EXPECT_EQ(text->cursorPosition(), text->characterCount());
}

TEST_F(ScreenReader, the_tape_tells_the_colour_of_what_it_reads) {
    type("7-9\r");
    QAccessibleTextInterface* text = tapeText();
    const QString all = text->text(0, text->characterCount());
    int start = 0, end = 0;
    // A negative total is red, over the whole line said "total -2,00".
    const QString total = text->attributes(all.indexOf("total -2,00") + 7, &start, &end);
    EXPECT_TRUE(total.contains("color:rgb(255,0,0);")) << total.toStdString();
    EXPECT_EQ(all.mid(start, end - start), "total -2,00");
    // The operand above it is not.
    const QString operand = text->attributes(all.indexOf("7,00"), &start, &end);
    EXPECT_FALSE(operand.contains("color:rgb(255,0,0);")) << operand.toStdString();
    EXPECT_TRUE(all.mid(start, end - start).contains("7,00"));
}

TEST_F(ScreenReader, the_lists_are_named_and_the_rate_in_use_is_marked) {
    keypad->calculator().business().pnlTauxTVA = "5,5";
    keypad->business().refresh();
    control("pnlTauxTVA")->setFocus();
    QTest::keyClick(control("pnlTauxTVA"), Qt::Key_Space);
    auto* vat = keypad->findChild<NumberListPopup*>("cbbListTVA");
    ASSERT_TRUE(eventually([&] { return vat->isVisible(); }));
    EXPECT_EQ(vat->view()->accessibleName(), "Liste des taux de TVA");
    EXPECT_EQ(vat->accessibleName(), "Liste des taux de TVA");  // the popup that holds it
    EXPECT_EQ(rowsOf(vat), (QStringList{"2,1 %", "5,5 %", "19,6 %", "4 %", "5 %", "6 %"}));
    EXPECT_EQ(rowsOf(vat, Qt::AccessibleTextRole)[1], "5,5 % (en cours)");
    EXPECT_EQ(rowsOf(vat, Qt::AccessibleTextRole)[2], "");
    EXPECT_EQ(vat->view()->currentIndex().row(), 1);  // the list opens on the rate in use
    QTest::keyClick(vat->view(), Qt::Key_Escape);

    type("12+3\r");
    keypad->keptNumbers().openHistory();
    EXPECT_EQ(keypad->keptNumbers().historyList()->view()->accessibleName(),
              "Historique des opérations");
    QTest::keyClick(keypad->keptNumbers().historyList()->view(), Qt::Key_Escape);
    EXPECT_EQ(nameKeptFor(*keypad->keptNumbers().numberList()->view()),
              "Liste des nombres mémorisés");
    choose("ENGL");
    EXPECT_EQ(nameKeptFor(*vat->view()), "List of VAT rates");
}

TEST_F(ScreenReader, rates_are_named_and_shown_in_the_programs_decimal_separator) {
    keypad->calculator().business().pnlTauxTVA = "19.6";
    keypad->calculator().business().lblTauxEuro = "6,55957";
    keypad->business().refresh();
    EXPECT_EQ(control("pnlTauxTVA")->accessibleName(), "Taux de TVA : 19,6 %");
    EXPECT_EQ(control("pnlEuro")->accessibleName(), "Taux de change : 6,55957");
    EXPECT_EQ(static_cast<QPushButton*>(control("pnlTauxTVA"))->text(), "19,6 %");
    keypad->calculator().registers().decimalSeparator = '.';
    keypad->business().refresh();
    EXPECT_EQ(control("pnlTauxTVA")->accessibleName(), "Taux de TVA : 19.6 %");
    EXPECT_EQ(control("pnlEuro")->accessibleName(), "Taux de change : 6.55957");
}

TEST_F(ScreenReader, the_language_is_named_and_the_panels_settings_are_reached_by_tab) {
    choose("FRAN");
    keypad->refresh();
    EXPECT_EQ(control("SymbolLang")->accessibleName(), "Langue : Français");
    choose("ENGL");
    keypad->refresh();
    EXPECT_EQ(control("SymbolLang")->accessibleName(), "Language: English");
    for (const char* name : {"lblNbrDecPref", "SymbolLang"})
        EXPECT_TRUE(control(name)->focusPolicy() & Qt::TabFocus) << name;
    // Return on the language drops the language menu, on the language in use.
    control("SymbolLang")->setFocus();
    QTest::keyClick(control("SymbolLang"), Qt::Key_Return);
    auto* menu = keypad->findChild<QMenu*>("ppmLangage");
    ASSERT_TRUE(eventually([&] { return menu->isVisible(); }));
    ASSERT_NE(menu->activeAction(), nullptr);
    EXPECT_EQ(menu->activeAction()->objectName(), "ENGL");
    menu->close();
}

TEST_F(ScreenReader, menu_items_give_their_shortcut_where_orca_says_it) {
    // The interface of an item of a menu dropped, or nothing when the menu does not show.
    const auto itemOf = [&](const char* menu, const char* item) -> QAccessibleInterface* {
        QMenu* m = keypad->findChild<QMenu*>(menu);
        m->popup(QPoint(10, 10));
        if (!eventually([&] { return m->isVisible(); })) return nullptr;
        return QAccessible::queryAccessibleInterface(keypad->findChild<QAction*>(item));
    };
    QAccessibleInterface* item = itemOf("ppmFiles", "mItemNouveau");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->role(), QAccessible::MenuItem);
    EXPECT_EQ(item->text(QAccessible::Name), "Nouveau");
    EXPECT_EQ(item->parent()->object(), keypad->findChild<QMenu*>("ppmFiles"));
    ASSERT_NE(item->actionInterface(), nullptr);
    const QString press = item->actionInterface()->actionNames().value(0);
    EXPECT_EQ(item->actionInterface()->keyBindingsForAction(press), QStringList{";;Ctrl+N"});
    keypad->findChild<QMenu*>("ppmFiles")->close();
    // An item that opens a submenu is a menu itself, and holds it.
    QAccessibleInterface* languages = itemOf("ppmOptions", "mItemLangage");
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(languages->role(), QAccessible::PopupMenu);
    EXPECT_TRUE(languages->state().hasPopup);
    ASSERT_EQ(languages->childCount(), 1);
    EXPECT_EQ(languages->child(0)->object(), keypad->findChild<QMenu*>("ppmLangage"));
    keypad->findChild<QMenu*>("ppmOptions")->close();
}

}  // namespace
}  // namespace zumbrel::gui
