#include "gui/keypad/keypad_commands.h"

#include "gui/arrange/window_arranger.h"
#include "gui/business/bmi_window.h"
#include "gui/config/translate_windows.h"
#include "gui/net/network_services.h"
#include "gui/prefs/preferences_window.h"
#include "gui/tape/annotation_commands.h"
#include "gui/tape/document_commands.h"
#include "gui/tape/find_bar.h"
#include "gui/tape/header_footer_editor.h"
#include "gui/tape/recent_tapes_menu.h"
#include "gui/ui/info_windows.h"
#include "gui/voice/read_back.h"
#include "gui/voice/voice_rate.h"

#include <QAction>
#include <QMenu>

#include "core/calc/calculator.h"
#include "core/config/language.h"
#include "gui/keypad/keypad_window.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

void installFind(KeypadWindow& keypad) {
    auto key = [&keypad](const char* name, const QKeySequence& keys) {
        auto* a = new QAction(&keypad);
        a->setObjectName(name);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        keypad.addAction(a);
        return a;
    };
    installFindCommands({keypad.findChild<QAction*>("mItemFind"),
                         key("actFindNext", QKeySequence(Qt::Key_F3)),
                         key("actFindPrevious", QKeySequence(Qt::SHIFT | Qt::Key_F3)),
                         keypad.findChild<QAction*>("mItemVisibleRibbon"), &keypad.tapeWindow(),
                         [&keypad](const Message& m) { return qs(keypad.translator().text(m)); },
                         [&keypad] { return keypad.calculator().registers().decimalSeparator; }});
}

void installRecentTapes(KeypadWindow& keypad) {
    auto* recent = new RecentTapesMenu(
        *keypad.findChild<QMenu*>("ppmRecent"), keypad.tapeWindow(),
        [&keypad](const std::string& path) { keypad.documents().openFile(path); }, &keypad);
    tape::Documents& documents = keypad.calculator().documents();
    documents.onFileUsed = [recent](const std::string& path) { recent->used(path); };
    documents.onFileMissing = [recent](const std::string& path) { recent->missing(path); };
}

}  // namespace

void installWindowCommands(KeypadWindow& keypad) {
    WindowArranger::install(keypad);
    BmiWindow::install(keypad);
    InfoWindows::install({&keypad, keypad.tapeWindow().action("ToolBtnInfo"),
                          keypad.tapeWindow().action("mItemPrincipeRuban"),
                          [&keypad] { return WindowTranslator::forKeypad(keypad); }});
    NetworkServices::install(keypad, keypad.translator(), [&keypad](const QString& text) {
        keypad.statusLine().showHint(text);
    });
    PreferencesWindow::install(keypad);
    installReadBack(keypad);
    AnnotationCommands::install(keypad);
    HeaderFooterEditor::install(keypad);
    installFind(keypad);
    installRecentTapes(keypad);
    for (const char* name : {"mItemVoiceFaster", "mItemVoiceSlower"})
        keypad.tapeWindow().addAction(keypad.findChild<QAction*>(name));  // from the tape too
    installVoiceRate({keypad.findChild<QAction*>("mItemVoiceFaster"),
                      keypad.findChild<QAction*>("mItemVoiceSlower"), &keypad.voiceState(),
                      &keypad.translator(),
                      [&keypad] { return keypad.calculator().registers().decimalSeparator; },
                      [&keypad](const QString& text) {
                          // Said where the user is: from the tape (its text, its find bar)
                          // the focus stays there.
                          if (keypad.tapeWindow().isActiveWindow() && announceInFocusedText(text))
                              keypad.statusLine().showHint(text);
                          else
                              tellOnTheDisplay(keypad, text);
                      }});
}

}  // namespace zumbrel::gui
