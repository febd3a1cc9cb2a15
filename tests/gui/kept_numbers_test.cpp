// The memories, the number list, the history list, the clipboard panel and paste, in the
// real keypad window: drops, lists, Ctrl+V, and the values kept from one start to the next.

#include <gtest/gtest.h>

#include <functional>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "core/calc/calculator.h"
#include "gui/app/composition.h"
#include "gui/app/session.h"
#include "gui/keypad/display_view.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/keypad/number_drag.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/number_list_popup.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Kept : public KeypadFixture {
  protected:
    KeptNumbersPanel& panel() { return keypad->keptNumbers(); }
    DisplayView& display() { return *keypad->findChild<DisplayView*>("EdtVirt"); }
    calc::KeptValues& kept() { return keypad->calculator().kept().values(); }
    void type(const char* keys) { QTest::keyClicks(keypad.get(), keys); }
    // The history of "12 + 3 =" and "4 + 5 =", open: eight lines, each calculation ended by
    // a blank one.
    QListView* historyOfTwoCalculations() {
        for (const char* keys : {"12+3", "4+5"}) {
            type(keys);
            QTest::keyClick(keypad.get(), Qt::Key_Return);
        }
        panel().openHistory();
        return panel().historyList()->view();
    }

    // A drop of `number` on `target`, as if dragged from one of our controls (or, with
    // ours = false, from another program, which carries plain text only).
    bool drop(QWidget* target, const QString& number, bool ours = true) {
        QMimeData data;
        if (ours) data.setData(kNumberMimeType, number.toUtf8());
        data.setText(number);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }
    QStringList listShown() {
        QStringList out;
        auto* model = panel().numberList()->view()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, 0).data().toString();
        return out;
    }
};

TEST_F(Kept, the_display_dropped_on_a_memory_is_kept_plain_and_comes_back_with_its_sign) {
    type("1234,5");
    ASSERT_TRUE(drop(panel().memory(0), display().text()));
    EXPECT_EQ(kept().lblMemory[0], "1234,5");
    EXPECT_EQ(panel().memory(0)->text(), "1234,5");
    QTest::keyClick(keypad.get(), Qt::Key_Escape);
    type("12");
    QTest::mouseClick(keypad->findChild<QWidget*>("btnPlus_Moins"), Qt::LeftButton);
    ASSERT_TRUE(drop(panel().memory(1), display().text()));
    EXPECT_EQ(panel().memory(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTest::keyClick(keypad.get(), Qt::Key_Escape);
    ASSERT_TRUE(drop(&display(), panel().memory(1)->number()));
    EXPECT_EQ(display().text(), "-12");
}

TEST_F(Kept, drops_from_other_programs_are_refused) {
    EXPECT_FALSE(drop(panel().memory(0), "42", false));
    EXPECT_FALSE(drop(&display(), "42", false));
    EXPECT_TRUE(kept().lblMemory[0].empty());
}

TEST_F(Kept, the_list_keeps_each_number_once_in_numeric_order) {
    QWidget* list = keypad->findChild<QWidget*>("BMemCombo");
    for (const char* n : {"3", "1", "3", "10", "9"})
        ASSERT_TRUE(drop(list, n));
    panel().openNumberList();
    EXPECT_EQ(listShown(), (QStringList{"1", "3", "9", "10"}));
    QListView* view = panel().numberList()->view();
    view->setCurrentIndex(view->model()->index(3, 0));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(display().text(), "10");
    EXPECT_FALSE(panel().numberList()->isVisible());
}

// The list button's hint says a right click opens the list: so it does, as the left one.
TEST_F(Kept, a_right_click_on_the_list_button_opens_the_list) {
    type("12");
    keypad->findChild<QAction*>("mItemKeepList")->trigger();
    QWidget* button = keypad->findChild<QWidget*>("BMemCombo");
    QTest::mouseClick(button, Qt::RightButton);
    EXPECT_TRUE(panel().numberList()->isVisible());
}

// From the keyboard, its context menu key does the same; before, it opened the menu of other
// calculations.
TEST_F(Kept, shift_f10_on_the_list_button_opens_the_list) {
    type("12");
    keypad->findChild<QAction*>("mItemKeepList")->trigger();
    keypad->findChild<QWidget*>("BMemCombo")->setFocus();
    QTest::keyClick(keypad.get(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(eventually([&] { return panel().numberList()->isVisible(); }));
    EXPECT_FALSE(keypad->findChild<QMenu*>("ppmAutresCalculs")->isVisible());
}

TEST_F(Kept, an_empty_list_beeps_and_says_so) {
    panel().openNumberList();
    EXPECT_FALSE(panel().numberList()->isVisible());
    EXPECT_EQ(display().message(), "La liste des nombres mémorisés est vide");
}

// From the keyboard, on the list button: the display, which a screen reader hears, takes the
// focus with the message; left on the button, the message was never heard.
TEST_F(Kept, an_empty_list_opened_from_the_keyboard_is_said_on_the_display) {
    keypad->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(keypad.get()));
    QWidget* button = keypad->findChild<QWidget*>("BMemCombo");
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_TRUE(display().hasFocus());
    EXPECT_TRUE(display().spokenText().startsWith("La liste des nombres mémorisés est vide"));
}

TEST_F(Kept, a_history_line_chosen_from_the_keyboard_becomes_the_entry) {
    EXPECT_FALSE(keypad->findChild<QWidget*>("imgHistoryOpe")->isVisible());
    type("12+3");
    QTest::keyClick(keypad.get(), Qt::Key_Return);
    EXPECT_TRUE(keypad->findChild<QWidget*>("imgHistoryOpe")->isVisible());
    panel().openHistory();
    QListView* view = panel().historyList()->view();
    ASSERT_EQ(view->model()->rowCount(), 4);  // 12,00 +   3,00   = 15,00   and an empty line
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(display().text(), "15,00");
}

// The history opens on its latest line; Home and End reach its first and last lines, past the
// blank line that ends it.
TEST_F(Kept, the_history_opens_on_its_latest_line_and_home_and_end_reach_both_ends) {
    QListView* view = historyOfTwoCalculations();
    ASSERT_EQ(view->model()->rowCount(), 8);
    EXPECT_EQ(view->currentIndex().row(), 6);  // "= 9,00"
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(view->currentIndex().row(), 0);
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->currentIndex().row(), 6);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(display().text(), "9,00");
}

// The blank line between two calculations is passed over by the arrow keys.
TEST_F(Kept, the_history_list_passes_over_its_blank_lines) {
    QListView* view = historyOfTwoCalculations();
    ASSERT_TRUE(view->model()->data(view->model()->index(3, 0)).toString().isEmpty());
    view->setCurrentIndex(view->model()->index(2, 0));  // "= 15,00"
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(view->currentIndex().row(), 4);  // "4,00 +", not the blank line
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(display().text(), "4,00");
}

TEST_F(Kept, ctrl_v_pastes_a_number_and_the_clipboard_panel_copies_one) {
    QApplication::clipboard()->setText("Total: 1.234,56 EUR");
    QTest::keyClick(keypad.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(display().text(), "1 234,56");
    ASSERT_TRUE(drop(panel().clipboardPanel(), "7,5"));
    EXPECT_EQ(QApplication::clipboard()->text(), "7,5");
    EXPECT_EQ(panel().clipboardPanel()->text(), "7,5");
    EXPECT_EQ(panel().clipboardPanel()->property("zumbrelHint").toString(),
              "Le presse-papier contient : 7,5");
    QTest::keyClick(keypad.get(), Qt::Key_Escape);
    QTest::mouseDClick(panel().clipboardPanel(), Qt::LeftButton);
    EXPECT_EQ(display().text(), "7,5");
}

// Ctrl+C copies the number shown, as the display's menu item does, from wherever the keypad
// window's focus is.
TEST_F(Kept, ctrl_c_copies_the_number_shown) {
    QApplication::clipboard()->clear();
    type("1234+3");
    QTest::keyClick(keypad.get(), Qt::Key_Return);
    QTest::keyClick(keypad.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1237,00");
    // Pasted back, it is the same number.
    QTest::keyClick(keypad.get(), Qt::Key_Escape);
    QTest::keyClick(keypad.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(display().text(), "1 237,00");
}

// The edit menu opened while the clipboard was empty leaves Ctrl+V working for what is copied
// once it has closed.
TEST_F(Kept, ctrl_v_pastes_what_was_copied_after_the_edit_menu_was_opened_empty) {
    QApplication::clipboard()->clear();
    QMenu* edit = keypad->findChild<QMenu*>("ppmEdit");
    emit edit->aboutToShow();
    EXPECT_FALSE(keypad->findChild<QAction*>("mItemColler")->isEnabled());
    emit edit->aboutToHide();
    QApplication::clipboard()->setText("12.34");
    QTest::keyClick(keypad.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(display().text(), "12,34");
}

TEST_F(Kept, paste_while_the_tape_is_edited_goes_into_the_tape) {
    QApplication::clipboard()->setText("Fournisseur");
    keypad->EditRibbonClick();
    keypad->pasteNumber();
    EXPECT_NE(keypad->tapeWindow().editor()->toPlainText().indexOf("Fournisseur"), -1);
    EXPECT_EQ(display().text(), "0");
    keypad->EditRibbonClick();
}

// A screen reader's action command does what the menus do.
TEST_F(Kept, the_menus_are_accessible_actions_of_the_display_and_the_memories) {
    type("42");
    QAccessibleInterface* d = QAccessible::queryAccessibleInterface(&display());
    ASSERT_NE(d->actionInterface(), nullptr);
    EXPECT_TRUE(d->actionInterface()->actionNames().contains("Garder en mémoire 3"));
    d->actionInterface()->doAction("Garder en mémoire 3");
    EXPECT_EQ(kept().lblMemory[2], "42");
    QAccessibleInterface* m = QAccessible::queryAccessibleInterface(panel().memory(2));
    ASSERT_NE(m->actionInterface(), nullptr);
    m->actionInterface()->doAction("Effacer");
    EXPECT_TRUE(kept().lblMemory[2].empty());
}

// A cut amount reads as another number: each cell draws its whole number below its caption,
// or a sign that it does not fit, with the whole value in its hint and accessible name.
TEST_F(Kept, every_kept_number_is_drawn_whole_or_said_not_to_fit) {
    struct Case {
        int memory;  // 0 to 2, or 3 for the clipboard panel
        const char* value;
        bool fits;
    };
    const Case cases[] = {{0, "1234,57", true},
                          {1, "-4,5", true},
                          {2, "-123456789012345678,25", false},
                          {3, "1234567,89", true}};
    for (const Case& c : cases) {
        if (c.memory < 3)
            kept().lblMemory[static_cast<std::size_t>(c.memory)] = c.value;
        else
            kept().pnlPP = c.value;
    }
    keypad->refresh();
    for (const Case& c : cases) {
        NumberLabel* cell =
            c.memory < 3 ? panel().memory(c.memory) : keypad->findChild<NumberLabel*>("pnlPP");
        EXPECT_EQ(cell->numberFits(), c.fits) << c.value;
        EXPECT_EQ(cell->toolTip(), c.value);
        EXPECT_TRUE(cell->accessibleName().endsWith(c.value))
            << cell->accessibleName().toStdString();
        // The caption's line and the number's area never overlap.
        QFont caption = cell->font();
        caption.setPixelSize(NumberLabel::kCaptionPixels);
        EXPECT_GE(cell->numberArea().top(), QFontMetrics(caption).ascent()) << c.value;
    }
}

// A number chosen from the list or dropped on the display is journaled as that number: a
// later correction replays it, not the digits typed before it was kept.
TEST_F(Kept, a_number_from_the_list_or_a_drop_stays_when_a_later_line_is_corrected) {
    const QTextDocument& tape = *keypad->tapeWindow().tape().document();
    const auto line = [&tape](int n) { return tape.findBlockByNumber(n).text().trimmed(); };
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"list", [this] { panel().numberList()->onChosen(0); }},
        {"drop", [this] { drop(&display(), "7"); }},
    };
    for (const auto& [way, bringBack7] : ways) {
        type("7");
        keypad->findChild<QAction*>("mItemKeepList")->trigger();
        type("8");
        keypad->findChild<QAction*>("mItemKeepList")->trigger();
        QTest::keyClick(keypad.get(), Qt::Key_Escape);
        const int first = tape.blockCount() - 1;
        bringBack7();
        type("+1\r2+3\r");
        ASSERT_EQ(line(first), "7,00") << way;
        ASSERT_EQ(line(first + 7), "+ 3,00") << way;
        keypad->calculator().correct(
            {live::CorrectionKey::Kind::Fix, static_cast<std::size_t>(first + 8), 0, "4"});
        EXPECT_EQ(line(first), "7,00") << way;
        EXPECT_EQ(line(first + 3), "8,00") << way;
        EXPECT_EQ(line(first + 7), "+ 4,00") << way;
        EXPECT_EQ(line(first + 9), "6,00") << way;
    }
}

// The history's lines reach a screen reader with the thousands apart by spaces.
TEST_F(Kept, the_history_gives_a_reader_its_amounts_without_the_grouping_apostrophe) {
    keypad->calculator().registers().lblSepDec = "Q";
    type("6000+0\r");
    panel().openHistory();
    QAbstractItemModel* model = panel().historyList()->view()->model();
    QStringList shown, heard;
    for (int r = 0; r < model->rowCount(); ++r) {
        shown << model->index(r, 0).data(Qt::DisplayRole).toString();
        heard << model->index(r, 0).data(Qt::AccessibleTextRole).toString();
    }
    EXPECT_TRUE(shown.contains("6'000,00 +")) << shown.join('|').toStdString();
    EXPECT_TRUE(heard.contains("6 000,00 +")) << heard.join('|').toStdString();
    panel().historyList()->hide();
}

TEST(KeptAcrossStarts, memories_and_the_list_come_back_at_the_next_start) {
    QTemporaryDir app;
    const config::Environment env = programFolder(app);
    {
        Session session(app.path().toStdString(), env, ',');
        KeypadWindow keypad(composeFeatures);
        session.attach(keypad);
        keypad.calculator().registers().decimalSeparator = ',';
        auto& kept = keypad.calculator().kept();
        kept.lblMemoryDragDrop(2, "-4,5");
        kept.BMemComboDragDrop("10");
        kept.BMemComboDragDrop("9");
        keypad.close();
    }
    Session session(app.path().toStdString(), env, ',');
    KeypadWindow keypad(composeFeatures);
    session.attach(keypad);
    const calc::KeptValues& r = keypad.calculator().kept().values();
    EXPECT_EQ(r.lblMemory[2], "-4,5");
    EXPECT_EQ(r.cbbListNbr, (std::vector<std::string>{"9", "10"}));
    EXPECT_EQ(keypad.keptNumbers().memory(2)->text(), "-4,5");
    keypad.close();
}

}  // namespace
}  // namespace zumbrel::gui
