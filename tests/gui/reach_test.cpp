// What a keyboard user, a mouse user and a screen reader meet on the keypad window.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "core/calc/calculator.h"
#include "core/voice/number_words.h"
#include "core/voice/voice_state.h"
#include "core/voice/wav.h"
#include "gui/keypad/display_view.h"
#include "gui/keypad/keypad_window.h"
#include "gui/keypad/menu_bar.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/voice/audio_backend.h"
#include "gui/voice/sound_output.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Reach : public KeypadFixture {
  protected:
    DisplayView& display() const { return *keypad->findChild<DisplayView*>("EdtVirt"); }
    void type(const char* keys) {
        for (const char* k = keys; *k; ++k) {
            if (*k == '\n')
                QTest::keyClick(keypad.get(), Qt::Key_Return);
            else
                QTest::keyClicks(keypad.get(), QString(QChar(*k)));
        }
    }
    // The pointer passes over a control: the event goes up to the panels under it, as a
    // real mouse move does.
    void moveOver(const char* control) {
        auto* w = keypad->findChild<QWidget*>(control);
        const QPoint at = w->rect().center();
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    QString status() const { return keypad->statusLine().label()->text(); }
};

// A mouse move over the keypad never changes what the next digit does.
struct MoveCase {
    const char* name;
    const char* before;  // keys typed before the mouse moves
    const char* after;   // keys typed after it
    const char* display;
};

class MouseMoves : public Reach, public testing::WithParamInterface<MoveCase> {};

TEST_P(MouseMoves, leave_the_next_digit_replacing_the_value_shown) {
    type(GetParam().before);
    moveOver("PanelClavier");
    moveOver("btn5");
    type(GetParam().after);
    EXPECT_EQ(display().text(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(
    Values, MouseMoves,
    testing::Values(MoveCase{"after_a_division_by_zero", "5/0\n", "4+4\n", "8,00"},
                    MoveCase{"after_enter_with_nothing_to_compute", "9\n", "4", "4"},
                    MoveCase{"after_a_result", "2+2\n", "7", "7"},
                    MoveCase{"after_a_sign_change", "5s", "3", "3"},
                    MoveCase{"while_typing_a_number", "12", "3", "123"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Reach, hints_stay_while_the_pointer_is_over_their_control) {
    moveOver("lblNbrDecPref");
    EXPECT_EQ(status(), "Nombre choisi de décimales (double-clic)");
    moveOver("GommeClean");
    EXPECT_EQ(status(), "Effacer les chiffres de cette zone de saisie");
    moveOver("btn7");
    EXPECT_EQ(status(), "Sept");
    moveOver("PanelCommand");  // the empty part of the command panel clears the line
    EXPECT_EQ(status(), "");
}

TEST_F(Reach, the_minimise_button_minimises_both_windows) {
    ASSERT_TRUE(eventually([&] { return keypad->tapeWindow().isVisible(); }));
    QTest::mouseClick(keypad->findChild<QPushButton*>("btnMinimize"), Qt::LeftButton);
    EXPECT_TRUE(keypad->isMinimized());
    EXPECT_TRUE(keypad->tapeWindow().isMinimized());
}

TEST_F(Reach, the_longest_number_shows_every_digit) {
    // Eighteen significant digits behind leading zeros: the longest text the entry takes.
    const QString digits = "0,000000000000123456789012345678";
    type(digits.toLatin1().constData());
    EXPECT_EQ(display().text().remove(' '), digits);
    EXPECT_LT(display().drawnPointSize(), display().basePointSize());
    QFont drawn = display().font();
    drawn.setPointSizeF(display().drawnPointSize());
    EXPECT_LE(QFontMetrics(drawn).horizontalAdvance(display().text()), display().width());
    type("+");
    EXPECT_EQ(keypad->tapeWindow().editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(Reach, a_short_number_keeps_the_full_size) {
    type("12");
    EXPECT_EQ(display().drawnPointSize(), display().basePointSize());
}

TEST_F(Reach, root_and_sign_change_have_keys_of_their_own) {
    type("9r");
    EXPECT_EQ(display().text(), "3,00");
    type("5s");
    EXPECT_EQ(display().text(), "-5");
}

TEST_F(Reach, f10_opens_the_first_menu_and_arrows_move_along_the_bar) {
    QTest::keyClick(keypad.get(), Qt::Key_F10);
    auto* files = keypad->findChild<QMenu*>("ppmFiles");
    auto* edit = keypad->findChild<QMenu*>("ppmEdit");
    auto* help = keypad->findChild<QMenu*>("ppmAide");
    ASSERT_TRUE(eventually([&] { return files->isVisible(); }));
    QTest::keyClick(files, Qt::Key_Right);
    ASSERT_TRUE(eventually([&] { return edit->isVisible(); }));
    EXPECT_FALSE(files->isVisible());
    QTest::keyClick(edit, Qt::Key_Left);
    ASSERT_TRUE(eventually([&] { return files->isVisible(); }));
    QTest::keyClick(files, Qt::Key_Left);  // round the bar
    ASSERT_TRUE(eventually([&] { return help->isVisible(); }));
    help->close();
}

TEST_F(Reach, shift_f10_on_the_display_opens_its_menu_of_kept_numbers) {
    type("5");
    QTest::keyClick(keypad.get(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = nullptr;
    ASSERT_TRUE(eventually([&] { return (menu = keypad->findChild<QMenu*>("ppmContext")); }));
    ASSERT_TRUE(eventually([&] { return menu->isVisible(); }));
    menu->actions().at(1)->trigger();  // "Garder en mémoire 2"
    EXPECT_EQ(keypad->calculator().kept().values().lblMemory[1], "5");
    menu->close();
    // Used once, the same menu opens again, whole, for the screen reader as for the eye.
    QTest::keyClick(keypad.get(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(eventually([&] { return menu->isVisible(); }));
    EXPECT_EQ(keypad->findChildren<QMenu*>("ppmContext").size(), 1);
    EXPECT_EQ(menu->actions(), display().actions());
    EXPECT_EQ(menu->accessibleName(), display().accessibleName());
    menu->close();
}

// A narrow tape hides tools behind its "››" button: the keyboard reaches that button, and every
// tool is also a menu item.
TEST_F(Reach, every_tape_tool_is_a_menu_item_and_the_overflow_button_takes_the_focus) {
    TapeWindow& tape = keypad->tapeWindow();
    auto* more = tape.toolbar()->findChild<QToolButton*>("qt_toolbar_ext_button");
    ASSERT_NE(more, nullptr);
    EXPECT_TRUE(more->focusPolicy() & Qt::TabFocus);
    QMenu* edit = keypad->findChild<QMenu*>("ppmEdit");
    QAction* eraser = keypad->findChild<QAction*>("mItemEraseTape");
    ASSERT_NE(eraser, nullptr);
    EXPECT_TRUE(edit->actions().contains(eraser));
    for (const char* name : {"mItemEraseRuban", "mItemPrincipeRuban"})
        EXPECT_NE(tape.contextMenu()->findChild<QAction*>(name), nullptr) << name;
    EXPECT_TRUE(tape.contextMenu()->findChild<QAction*>("mItemPrincipeRuban")->isEnabled());
    // The eraser works once the tape holds what was typed, from both menus.
    EXPECT_FALSE(eraser->isEnabled());
    type("1+1\n");
    EXPECT_TRUE(eraser->isEnabled());
    EXPECT_TRUE(tape.contextMenu()->findChild<QAction*>("mItemEraseRuban")->isEnabled());
}

TEST_F(Reach, shift_f10_opens_the_context_menu) {
    keypad->findChild<QWidget*>("btn7")->setFocus();  // a key has no menu of its own
    QTest::keyClick(keypad.get(), Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = keypad->findChild<QMenu*>("ppmAutresCalculs");
    ASSERT_TRUE(eventually([&] { return menu->isVisible(); }));
    menu->close();
}

// A menu opened from the keyboard starts on its first item, which a screen reader names and
// Enter takes; one opened with the mouse starts on none.
TEST_F(Reach, a_menu_opened_from_the_keyboard_starts_on_its_first_item) {
    type("5");  // the display's menu: keep in memory 1, 2, 3 …
    QTest::keyClick(keypad.get(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = nullptr;
    ASSERT_TRUE(eventually([&] { return (menu = keypad->findChild<QMenu*>("ppmContext")); }));
    ASSERT_TRUE(eventually([&] { return menu->isVisible(); }));
    ASSERT_TRUE(eventually([&] { return menu->activeAction() != nullptr; }));
    std::vector<QAction*> items;
    for (QAction* a : menu->actions()) {
        if (a->isEnabled() && a->isVisible() && !a->isSeparator()) items.push_back(a);
    }
    ASSERT_GE(items.size(), 2u);
    QAction* first = items.front();
    EXPECT_EQ(menu->activeAction(), first);
    // The user went down the menu and closed it: opened again, it starts on its first item.
    menu->setActiveAction(items[1]);
    menu->close();
    keypad->findChild<QWidget*>("EdtVirt")->setFocus();
    QTest::keyClick(keypad.get(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(eventually([&] { return menu->isVisible(); }));
    EXPECT_TRUE(eventually([&] { return menu->activeAction() == first; }));
    menu->close();
    QTest::mouseClick(keypad->findChild<QWidget*>("btn7"), Qt::LeftButton);
    menu->popup(QPoint(10, 10));
    ASSERT_TRUE(eventually([&] { return menu->isVisible(); }));
    QTest::qWait(20);
    EXPECT_EQ(menu->activeAction(), nullptr);
    menu->close();
}

// What a screen reader reads in the focused display: the message, then the number.
TEST_F(Reach, the_display_is_the_text_a_screen_reader_reads) {
    keypad->activateWindow();
    EXPECT_EQ(keypad->focusProxy(), &display());
    type("12+3*");
    EXPECT_EQ(display().spokenText(), "Résultat intermédiaire : 15,00");
    type("2\n");
    EXPECT_EQ(display().spokenText(), "30,00");
    type("5/0\n");
    EXPECT_EQ(display().spokenText(), "Division par zéro, opération stoppée ! 5,00");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&display());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::EditableText);
    EXPECT_TRUE(a->state().readOnly);
    ASSERT_NE(a->textInterface(), nullptr);
    EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()),
              display().spokenText());
}

TEST_F(Reach, menu_bar_buttons_are_menu_items_that_drop_their_menu) {
    MenuButton* files = keypad->menuButtons().front();
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(files);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::MenuItem);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(eventually([&] { return files->dropMenu()->isVisible(); }));
    files->dropMenu()->close();
}

}  // namespace
}  // namespace zumbrel::gui

namespace zumbrel::gui {
namespace {

// What the display tells assistive technology (the AT-SPI test hears the same through the
// real bridge).
class Announcements : public Reach {
  protected:
    void SetUp() override {
        Reach::SetUp();
        display().onAnnounced = [this](const QString& text) { heard.push_back(text); };
    }
    bool heardOnce(const QString& text) const {
        return std::count(heard.begin(), heard.end(), text) == 1;
    }
    std::vector<QString> heard;
};

TEST_F(Announcements, without_the_programs_voice_the_reader_hears_each_result_once) {
    keypad->voiceState().kind = "WNS";
    type("12+3*");
    EXPECT_TRUE(heardOnce("Résultat intermédiaire : 15,00"));
    type("2\n");
    EXPECT_TRUE(heardOnce("30,00"));
    type("4");
    EXPECT_EQ(heard.back(), "4");  // the typed digit replaces the result
    type("5");
    EXPECT_EQ(heard.back(), "5");  // then only what is added is new
}

// A loudspeaker that always plays, or a device that fails.
class Loudspeaker final : public AudioBackend {
  public:
    explicit Loudspeaker(bool works) : works_(works) {}
    bool playSync(const voice::PcmWave&, const std::function<bool()>&) override { return works_; }
    void playAsync(const voice::PcmWave&) override {}

  private:
    bool works_;
};

class WithVoice : public Announcements {
  protected:
    // A French woman's voice holding every word the given numbers are read with.
    void speak(bool deviceWorks, std::initializer_list<const char*> numbers) {
        QDir(voices.path()).mkpath("FranW01");
        const std::string click = voice::writeWav(voice::keyClick());
        std::vector<std::string> words{"egal.wav"};
        for (const char* n : numbers) {
            for (const std::string& f : voice::readNumberFiles(n, ',', "2", "Fran"))
                words.push_back(f);
        }
        for (const std::string& w : words) {
            QFile f(voices.filePath("FranW01/" + QString::fromStdString(w)));
            f.open(QIODevice::WriteOnly);
            f.write(click.data(), static_cast<qint64>(click.size()));
        }
        voice::VoiceState& v = keypad->voiceState();
        v.kind = "WWo";
        v.soundRoot = voices.path().toStdString() + "/";
        v.languageFolder = "Fran";
        v.voiceCode = "W01";
        v.speakKeys = false;
        v.install = config::InstallCode::ZMB;
        keypad->sound().setBackend(std::make_unique<Loudspeaker>(deviceWorks));
    }
    QTemporaryDir voices;
};

TEST_F(WithVoice, results_heard_from_the_programs_voice_are_left_to_it_but_messages_are_told) {
    speak(true, {"4", "4,00", "5,00"});
    type("2+2\n");
    EXPECT_EQ(std::count(heard.begin(), heard.end(), "4,00"), 0);
    keypad->voiceState().kind = "WNS";
    type("2+2\n");
    EXPECT_TRUE(heardOnce("4,00"));  // the same result, now without the program's voice
    keypad->voiceState().kind = "WWo";
    type("5/0\n");
    EXPECT_TRUE(heardOnce("Division par zéro, opération stoppée ! 5,00"));
}

// No sound reaches the user (no device, a device that fails, a word missing from the folder):
// the screen reader says the result, once.
TEST_F(WithVoice, a_result_the_voice_could_not_say_goes_to_the_reader_once) {
    speak(false, {"4", "4,00"});
    type("2+2\n");
    EXPECT_TRUE(heardOnce("4,00"));
    speak(true, {"4", "4,00"});
    type("6+6\n");  // "12" is missing from this voice folder
    EXPECT_TRUE(heardOnce("12,00"));
    speak(false, {"5"});
    type("5/0\n");  // a message is told as it shows, never again for the silent voice
    EXPECT_TRUE(heardOnce("Division par zéro, opération stoppée ! 5,00"));
}

// Reset, pressed from the keyboard: the display takes the focus and says the calculator is
// reset; the next result is heard there.
TEST_F(Announcements, reset_is_heard_on_the_display_and_the_next_result_too) {
    keypad->voiceState().kind = "WNS";
    // The root of a negative number halts the calculator (after a box, closed here).
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->setProperty("expected", true);
            box->close();
        }
    });
    type("5sr");
    type("1");  // a key while halted shows the Reset button
    auto* reset = keypad->findChild<QPushButton*>("btnReset");
    ASSERT_TRUE(eventually([&] { return reset->isVisible(); }));
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Space);
    EXPECT_EQ(keypad->focusWidget(), &display());
    EXPECT_TRUE(heardOnce("Calculatrice Zumbrel réinitialisée")) << heard.back().toStdString();
    type("3+4\n");
    EXPECT_TRUE(heardOnce("7,00"));
}

// A message that stays on the display is not said again when only the number changes.
TEST_F(Announcements, a_message_still_shown_is_not_repeated) {
    keypad->voiceState().kind = "WNS";
    type("5/0\n");
    EXPECT_TRUE(heardOnce("Division par zéro, opération stoppée ! 5,00"));
    QTest::keyClick(keypad.get(), Qt::Key_Escape);
    EXPECT_EQ(std::count_if(heard.begin(), heard.end(),
                            [](const QString& h) { return h.startsWith("Division"); }),
              1);
}

}  // namespace
}  // namespace zumbrel::gui

namespace zumbrel::gui {
namespace {

// The tape's window brought to the front by the window manager (a click on its title, a
// switch of windows) gives the focus to its text, not to the first control of its Tab chain.
TEST_F(Reach, the_tape_window_activated_focuses_its_text) {
    ASSERT_TRUE(eventually([&] { return keypad->tapeWindow().isVisible(); }));
    keypad->tapeWindow().activateWindow();
    ASSERT_TRUE(eventually([&] { return keypad->tapeWindow().isActiveWindow(); }));
    EXPECT_EQ(QApplication::focusWidget(), keypad->tapeWindow().editor())
        << (QApplication::focusWidget() ? qPrintable(QApplication::focusWidget()->objectName())
                                        : "nothing");
}

TEST_F(Reach, ctrl_tab_goes_to_the_tape_text_and_back) {
    ASSERT_TRUE(eventually([&] { return keypad->tapeWindow().isVisible(); }));
    keypad->activateWindow();
    ASSERT_TRUE(eventually([&] { return keypad->isActiveWindow(); }));
    QTest::keyClick(keypad.get(), Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_TRUE(eventually([&] { return keypad->tapeWindow().isActiveWindow(); }));
    EXPECT_TRUE(keypad->tapeWindow().editor()->hasFocus());
    // Keys typed in the tape still reach the calculator.
    QTest::keyClicks(keypad->tapeWindow().editor(), "7");
    EXPECT_EQ(display().text(), "7");
    QTest::keyClick(keypad->tapeWindow().editor(), Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_TRUE(eventually([&] { return keypad->isActiveWindow(); }));
}

}  // namespace
}  // namespace zumbrel::gui

namespace zumbrel::gui {
namespace {

TEST_F(Reach, alt_alone_opens_the_first_menu_but_not_after_leaving_the_window) {
    auto* files = keypad->findChild<QMenu*>("ppmFiles");
    QTest::keyPress(keypad.get(), Qt::Key_Alt);
    QTest::keyRelease(keypad.get(), Qt::Key_Alt);
    ASSERT_TRUE(eventually([&] { return files->isVisible(); }));
    files->close();
    QTest::keyPress(keypad.get(), Qt::Key_Alt);
    QEvent left(QEvent::ActivationChange);  // Alt+Tab took the focus elsewhere
    QApplication::sendEvent(keypad.get(), &left);
    QTest::keyRelease(keypad.get(), Qt::Key_Alt);
    QTest::qWait(50);
    EXPECT_FALSE(files->isVisible());
}

}  // namespace
}  // namespace zumbrel::gui
