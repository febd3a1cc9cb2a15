// The real windows, driven by clicks and keys on the offscreen platform.

#include "gui/keypad/keypad_window.h"

#include <gtest/gtest.h>
#include "test_names.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "core/calc/calculator.h"
#include "gui/keypad/display_view.h"
#include "gui/keypad/keypad_keys.h"
#include "gui/keypad/menu_bar.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Windows : public KeypadFixture {
  protected:
    QPushButton* button(const char* name) const { return keypad->findChild<QPushButton*>(name); }
    void click(std::initializer_list<const char*> names) {
        for (const char* n : names)
            QTest::mouseClick(button(n), Qt::LeftButton);
    }
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        DocumentTape& t = keypad->tapeWindow().tape();
        for (std::size_t i = 0; i < t.lineCount(); ++i)
            out.push_back(t.line(i));
        return out;
    }
    QString display() const { return keypad->findChild<DisplayView*>("EdtVirt")->text(); }
};

using Lines = std::vector<std::string>;

TEST_F(Windows, clicks_and_typing_write_the_same_tape) {
    click({"btn1", "btn2", "btnPlus", "btn3", "btnEgal"});
    const Lines clicked = lines();
    EXPECT_EQ(clicked, (Lines{"12,00", "+ 3,00", "——————————", "15,00", "", ""}));
    EXPECT_EQ(display(), "15,00");

    QTest::keyClicks(keypad.get(), "12+3");
    QTest::keyClick(keypad.get(), Qt::Key_Return);
    const Lines all = lines();
    ASSERT_EQ(all.size(), 12u);
    EXPECT_EQ(Lines(all.begin() + 6, all.end()), clicked);
}

// The controls that draw no focus of their own are ringed while they have it; the keys and
// the display, which draw their own, are not.
TEST_F(Windows, a_focused_control_without_a_focus_of_its_own_is_ringed) {
    keypad->activateWindow();
    QWidget* ring = keypad->findChild<QWidget*>("FocusRing");
    ASSERT_NE(ring, nullptr);
    for (const char* name : {"lblMemory2", "pnlPP", "SymbolLang", "btnMinimize", "btnQuit",
                             "pnlTauxTVA", "pnlAE", "BMemCombo"}) {
        QWidget* control = keypad->findChild<QWidget*>(name);
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(control->hasFocus()) << name;
        EXPECT_TRUE(ring->isVisible()) << name;
        const QRect around(control->mapTo(keypad.get(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(ring->geometry().contains(around)) << name;
        EXPECT_FALSE(ring->geometry().adjusted(6, 6, -6, -6).contains(around)) << name;
    }
    for (const char* name : {"EdtVirt", "btn7"}) {
        keypad->findChild<QWidget*>(name)->setFocus(Qt::TabFocusReason);
        EXPECT_FALSE(ring->isVisible()) << name;
    }
    // The key draws its own: an orange border in the middle of its top edge.
    QWidget* key = keypad->findChild<QWidget*>("btn7");
    const QColor top = key->grab().toImage().pixelColor(key->width() / 2, 1);
    EXPECT_TRUE(top.red() > 150 && top.green() < 140 && top.blue() < 80)
        << top.name().toStdString();
    keypad->menuButtons().front()->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(ring->isVisible());
}

// Tab and Shift+Tab go round the same controls, the title row included, in opposite orders.
TEST_F(Windows, tab_and_shift_tab_go_round_the_same_controls) {
    keypad->activateWindow();
    const auto round = [this](Qt::Key key) {
        keypad->findChild<QWidget*>("EdtVirt")->setFocus(Qt::TabFocusReason);
        QStringList seen;
        for (int i = 0; i < 200; ++i) {
            QWidget* f = QApplication::focusWidget();
            seen << f->objectName();
            QTest::keyClick(f, key);
            if (QApplication::focusWidget()->objectName() == "EdtVirt") break;
        }
        return seen;
    };
    const QStringList forward = round(Qt::Key_Tab);
    QStringList backward = round(Qt::Key_Backtab);
    std::reverse(backward.begin() + 1, backward.end());
    EXPECT_EQ(forward, backward);
    for (const char* name : {"btnMinimize", "btnQuit", "lblMemory1", "btnNbrGold"})
        EXPECT_TRUE(forward.contains(name)) << name;
    EXPECT_TRUE(forward.contains(keypad->menuButtons().front()->objectName()));
}

TEST_F(Windows, the_numeric_keypad_and_its_enter_key_compute_too) {
    QTest::keyClick(keypad.get(), Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(keypad.get(), Qt::Key_Asterisk, Qt::KeypadModifier);
    QTest::keyClick(keypad.get(), Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(keypad.get(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(display(), "20,00");
}

TEST_F(Windows, a_negative_result_is_red) {
    QTest::keyClicks(keypad.get(), "7-9");
    QTest::keyClick(keypad.get(), Qt::Key_Return);
    const auto runs = keypad->tapeWindow().tape().lineRuns(3);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "-2,00");
    EXPECT_EQ(runs[0].style.color, colors::kRed);
    EXPECT_EQ(display(), "-2,00");
}

TEST_F(Windows, escape_backspace_and_the_erasers_edit_the_entry) {
    QTest::keyClicks(keypad.get(), "1234");
    QTest::keyClick(keypad.get(), Qt::Key_Backspace);
    EXPECT_EQ(display(), "123");
    QTest::keyClick(keypad.get(), Qt::Key_Escape);
    EXPECT_EQ(display(), "0");
    QTest::keyClicks(keypad.get(), "56");
    QTest::mouseClick(keypad->findChild<QWidget*>("GommeClean"), Qt::LeftButton);
    EXPECT_EQ(display(), "0");
}

TEST_F(Windows, reset_panel_follows_the_halt) {
    click({"btn4", "btnPlus_Moins"});
    // The negative root halts with an information box; this one is expected.
    QTimer::singleShot(0, [] {
        if (auto* box = QApplication::activeModalWidget()) {
            box->setProperty("expected", true);
            box->close();
        }
    });
    click({"btnRacine"});
    click({"btn3"});
    EXPECT_TRUE(button("btnReset")->isVisible());
    click({"btnReset"});
    EXPECT_FALSE(button("btnReset")->isVisible());
    EXPECT_EQ(keypad->statusLine().message(), "Calculatrice Zumbrel réinitialisée");
}

TEST_F(Windows, extra_decimals_light_the_indicator) {
    QTest::keyClicks(keypad.get(), "1,23456");
    EXPECT_TRUE(keypad->findChild<QLabel*>("shLed")->isVisible());
    QTest::keyClick(keypad.get(), Qt::Key_Escape);
    EXPECT_FALSE(keypad->findChild<QLabel*>("shLed")->isVisible());
}

TEST_F(Windows, edit_mode_on_and_off) {
    TapeWindow& tape = keypad->tapeWindow();
    keypad->findChild<QAction*>("mItemEditRibbon")->trigger();
    EXPECT_TRUE(tape.tape().editMode());
    EXPECT_EQ(tape.windowTitle(), "Mode édition de Zumbrel");
    EXPECT_FALSE(tape.editor()->isReadOnly());
    EXPECT_EQ(tape.palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_FALSE(tape.action("ToolBtnOuvrir")->isEnabled());

    // A click on the red frame leaves it.
    QTest::mouseClick(&tape, Qt::LeftButton, {}, QPoint(2, 200));
    EXPECT_FALSE(tape.tape().editMode());
    EXPECT_EQ(tape.windowTitle(), "Zumbrel – ruban");
    EXPECT_TRUE(tape.editor()->isReadOnly());

    // And the next click on the command enters it again at once.
    keypad->findChild<QAction*>("mItemEditRibbon")->trigger();
    EXPECT_TRUE(tape.tape().editMode());
    // A calculator key leaves it too.
    QTest::keyClicks(keypad.get(), "1+");
    EXPECT_FALSE(tape.tape().editMode());
}

TEST_F(Windows, the_context_menu_follows_the_mode) {
    TapeWindow& tape = keypad->tapeWindow();
    auto visible = [&](const char* name) { return tape.action(name)->isVisible(); };
    tape.prepareContextMenu();
    EXPECT_FALSE(visible("mItemPasteToEditor"));
    EXPECT_FALSE(visible("mItemQuitEdit"));
    EXPECT_TRUE(visible("mItemInsertDate"));
    EXPECT_TRUE(visible("mItemEditRuban"));
    tape.EditRibbonClick();
    tape.prepareContextMenu();
    EXPECT_TRUE(visible("mItemPasteToEditor"));
    EXPECT_TRUE(visible("mItemQuitEdit"));
    EXPECT_TRUE(visible("mItemSeparH"));
    EXPECT_FALSE(visible("mItemInsertDate"));
    EXPECT_FALSE(visible("mItemInsertTitle"));
    EXPECT_FALSE(visible("mItemInsertCommentLine"));
    EXPECT_FALSE(visible("mItemInsertCommentResult"));
    EXPECT_FALSE(visible("mItemEditRuban"));
}

struct CounterCase {
    std::size_t lines;
    const char* caption;
};

class LineCounter : public Windows, public testing::WithParamInterface<CounterCase> {};

TEST_P(LineCounter, counts_lines_and_printed_pages) {
    DocumentTape& t = keypad->tapeWindow().tape();
    for (std::size_t i = 0; i < GetParam().lines; ++i)
        t.addLine("1,00");
    EXPECT_TRUE(keypad->tapeWindow().lineCounter()->isVisible());
    EXPECT_EQ(keypad->tapeWindow().lineCounter()->text().toStdString(), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, LineCounter,
    testing::Values(CounterCase{59, "Cette liste comporte 59 lignes sur une page à imprimer"},
                    CounterCase{60, "Cette liste comporte 60 lignes sur 2 pages à imprimer"},
                    CounterCase{118, "Cette liste comporte 118 lignes sur 3 pages à imprimer"}),
    testing_names::namedBy([](const CounterCase& c) {
        return std::to_string(c.lines) + "_lines";
    }));

TEST_F(Windows, copy_all_puts_the_tape_on_the_clipboard) {
    QApplication::clipboard()->clear();
    keypad->tapeWindow().btnClicMagicClick();
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());  // nothing on an empty tape
    QTest::keyClicks(keypad.get(), "12+3");
    QTest::keyClick(keypad.get(), Qt::Key_Return);
    QTest::mouseClick(keypad->tapeWindow().lineCounter(), Qt::LeftButton);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.contains("12,00")) << copied.toStdString();
    EXPECT_TRUE(copied.contains("15,00")) << copied.toStdString();
    EXPECT_FALSE(keypad->tapeWindow().editor()->textCursor().hasSelection());
}

TEST_F(Windows, menu_buttons_are_laid_out_again_after_their_captions_change) {
    const auto& bar = keypad->menuButtons();
    bar[1]->setText("Bearbeitung");
    bar[3]->setText("O");
    keypad->AdjustMenus();
    EXPECT_EQ(bar[0]->x(), 20);
    for (std::size_t i = 0; i < bar.size(); ++i) {
        const QString shown = QString(bar[i]->text()).remove('&');
        EXPECT_EQ(bar[i]->width(), QFontMetrics(bar[i]->font()).horizontalAdvance(shown) + 20);
        if (i > 0) {
            EXPECT_EQ(bar[i]->x(), bar[i - 1]->x() + bar[i - 1]->width());
        }
    }
}

TEST_F(Windows, each_menu_button_drops_its_menu_on_either_click) {
    MenuButton* edit = keypad->menuButtons()[1];
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mouseClick(edit, b);
        EXPECT_TRUE(edit->dropMenu()->isVisible());
        EXPECT_EQ(edit->dropMenu()->pos(), edit->mapToGlobal(QPoint(3, 20)));
        edit->dropMenu()->close();
    }
}

TEST_F(Windows, the_status_line_scrolls_a_long_hint) {
    StatusLineWidget& status = keypad->statusLine();
    status.showHint("court");
    EXPECT_FALSE(status.isScrolling());
    status.showHint(
        QString("Une aide bien trop longue pour tenir dans la ligne d'état ").repeated(3));
    EXPECT_TRUE(status.isScrolling());
    ASSERT_TRUE(
        eventually([&] { return status.label()->x() < 0; }, 5000));  // 2 pixels every 100 ms
    status.stopScrolling(false);
    EXPECT_FALSE(status.isScrolling());
    EXPECT_EQ(status.label()->x(), 5);
}

// A tool of the tape tells what it does in the status line; over the paper, it is gone.
TEST_F(Windows, the_tapes_tools_hint_in_the_status_line_until_the_mouse_is_over_the_paper) {
    TapeWindow& tape = keypad->tapeWindow();
    ASSERT_TRUE(eventually([&] { return tape.isVisible(); }));
    QAction* date = tape.findChild<QAction*>("ToolbtnInsertDate");
    ASSERT_NE(date, nullptr);
    date->hover();
    EXPECT_EQ(keypad->statusLine().label()->text(), "Insérer la date");
    QWidget* paper = tape.editor()->viewport();
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), paper->mapToGlobal(QPointF(20, 20)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(paper, &move);
    EXPECT_EQ(keypad->statusLine().label()->text(), "");
}

TEST_F(Windows, every_key_is_named_for_screen_readers_and_reached_by_tab) {
    for (const KeyDef& k : kKeys) {
        QPushButton* b = button(k.name);
        ASSERT_NE(b, nullptr) << k.name;
        EXPECT_FALSE(b->accessibleName().isEmpty()) << k.name;
        EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus) << k.name;
    }
    for (MenuButton* m : keypad->menuButtons())
        EXPECT_FALSE(m->accessibleName().isEmpty());
    EXPECT_FALSE(keypad->findChild<DisplayView*>("EdtVirt")->accessibleName().isEmpty());
}

TEST_F(Windows, a_key_button_reached_by_tab_works_with_space) {
    QPushButton* seven = button("btn7");
    seven->setFocus();
    QTest::keyClick(seven, Qt::Key_Space);
    EXPECT_EQ(display(), "7");
    // Typing while a key has the focus still reaches the calculator.
    QTest::keyClicks(seven, "5");
    EXPECT_EQ(display(), "75");
}

TEST_F(Windows, typing_on_the_tape_window_reaches_the_keypad) {
    QTest::keyClicks(&keypad->tapeWindow(), "42");
    EXPECT_EQ(display(), "42");
}

TEST_F(Windows, every_menu_item_has_a_caption_and_the_usual_shortcuts) {
    for (QAction* a : keypad->findChildren<QAction*>()) {
        if (!a->isSeparator() && a->objectName().startsWith("mItem")) {
            EXPECT_FALSE(a->text().isEmpty()) << a->objectName().toStdString();
        }
    }
    EXPECT_EQ(keypad->findChild<QAction*>("mItemOuvrir")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(keypad->findChild<QAction*>("mItemFAQ")->shortcut(), QKeySequence("F1"));
    EXPECT_TRUE(keypad->findChild<QAction*>("mItemQuit")->isEnabled());
}

TEST_F(Windows, closing_the_tape_window_closes_the_program) {
    keypad->tapeWindow().close();
    EXPECT_FALSE(keypad->isVisible());
    EXPECT_FALSE(keypad->tapeWindow().isVisible());
}

TEST_F(Windows, the_keypad_is_shaped_by_its_skin) {
    const QRegion shape = keypad->mask();
    EXPECT_FALSE(shape.contains(QPoint(5, 4)));      // a rounded corner of the skin
    EXPECT_TRUE(shape.contains(QPoint(325, 240)));   // the middle
    EXPECT_FALSE(shape.contains(QPoint(640, 490)));  // beyond the skin
}

}  // namespace
}  // namespace zumbrel::gui
