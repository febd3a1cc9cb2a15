#include "gui/app/composition.h"

#include <QAction>
#include <QMenu>

#include "core/calc/calculator.h"
#include "core/config/language.h"
#include "core/live/journal_file.h"
#include "core/voice/speech_voice.h"
#include "core/voice/voice_state.h"
#include "gui/arrange/window_arranger.h"
#include "gui/business/bmi_window.h"
#include "gui/business/business_panel.h"
#include "gui/config/translate_windows.h"
#include "gui/info/info_windows.h"
#include "gui/keypad/keypad_window.h"
#include "gui/keypad/status_line.h"
#include "gui/net/network_services.h"
#include "gui/prefs/preferences_window.h"
#include "gui/tape/annotation_commands.h"
#include "gui/tape/correction_commands.h"
#include "gui/tape/document_commands.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/find_bar.h"
#include "gui/tape/header_footer_editor.h"
#include "gui/tape/recent_tapes_menu.h"
#include "gui/tape/tape_recovery.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/accessibility.h"
#include "gui/ui/qt_ports.h"
#include "gui/voice/read_back.h"
#include "gui/voice/sound_output.h"
#include "gui/voice/voice_rate.h"

namespace zumbrel::gui {
namespace {

QAction* item(KeypadWindow& keypad, const char* name) {
    return keypad.findChild<QAction*>(name);
}

std::function<void(const QString&)> hintOf(KeypadWindow& keypad) {
    return [&keypad](const QString& text) { keypad.statusLine().showHint(text); };
}

// A short message said where the user is, to the eye and to the screen reader: from the tape
// (its text, its find bar) the focus stays there; otherwise the display says it.
std::function<void(const QString&)> tellOf(KeypadWindow& keypad) {
    return [&keypad](const QString& text) {
        if (keypad.tapeWindow().isActiveWindow() && announceInFocusedText(text))
            keypad.statusLine().showHint(text);
        else
            keypad.tellOnTheDisplay(text);
    };
}

std::function<std::unique_ptr<WindowTranslator>()> textsOf(KeypadWindow& keypad) {
    return [&keypad] { return keypad.windowTexts(); };
}

std::function<std::string()> appFolderOf(KeypadWindow& keypad) {
    return [&keypad] { return keypad.appFolder(); };
}

void installArranger(KeypadWindow& keypad) {
    WindowArranger::install(
        {keypad, keypad.tapeWindow(), keypad.tapeWindow().designWidth(), keypad.skin(),
         keypad.translator(), [&keypad] { return keypad.windowsShown(); },
         [&keypad] { keypad.skinChanged(); }, [&keypad] { keypad.AdjustMenus(); }, hintOf(keypad),
         [&keypad](const QString& text) { keypad.statusLine().setMessage(text); },
         [&keypad] {
             if (keypad.voiceState().saysGoodbye(keypad.calculator().registers().halted))
                 keypad.speech().commonClick(true);
         },
         appFolderOf(keypad)});
}

// The keypad's "Indice de Masse Corporelle" (the name's right-click menu) opens it.
void installBmi(KeypadWindow& keypad) {
    QAction* bmi = item(keypad, "mItemIMC");
    bmi->setEnabled(true);
    QObject::connect(bmi, &QAction::triggered, &keypad, [&keypad] {
        const auto texts = keypad.windowTexts();
        BmiWindow window(&keypad, *texts, keypad.languageLetter(), keypad.sound(),
                         keypad.calculator().registers().decimalSeparator);
        window.exec();
    });
}

void installPreferences(KeypadWindow& keypad) {
    PreferencesWindow::install(
        {keypad, keypad.calculator(), keypad.voiceState(), textsOf(keypad),
         [&keypad] { return keypad.languageLetter(); }, [&keypad] { return keypad.installCode(); },
         keypad.documents().modifiedWarn, [&keypad] { return keypad.displayLook(); },
         [&keypad](const DisplayLook& look) { keypad.setDisplayLook(look); },
         [&keypad] { return keypad.tapeLook(); },
         [&keypad](const TapeLook& look) { keypad.setTapeLook(look); },
         [&keypad] {
             keypad.business().refresh();
             keypad.refresh();
         }});
    keypad.business().onPreferences = [&keypad](int page) {
        PreferencesWindow::open(keypad, page);
    };
}

void installReading(KeypadWindow& keypad) {
    TapeWindow& tape = keypad.tapeWindow();
    installReadBack({keypad, tape, *tape.editor(), [&tape] { return tape.tape().document(); },
                     [&tape] { return tape.tape().editMode(); },
                     keypad.findChild<QWidget*>("EdtVirt"), keypad.calculator(),
                     keypad.voiceState(), keypad.speech(), keypad.sound(),
                     [&keypad](const QString& text) { keypad.tellOnTheDisplay(text); }});
}

void installAnnotations(KeypadWindow& keypad) {
    AnnotationCommands& notes = AnnotationCommands::install(
        {keypad, keypad.tapeWindow(), keypad.calculator(),
         [&keypad](const calc::KeyAction& key) { keypad.keyAction(key); }, appFolderOf(keypad)});
    keypad.onRefresh = [&notes] { notes.refreshed(); };
}

void installCorrections(KeypadWindow& keypad) {
    CorrectionCommands& corrections = CorrectionCommands::install(
        {keypad, keypad.tapeWindow(), keypad.calculator(), keypad.translator(),
         [&keypad](const calc::KeyAction& key) { keypad.keyAction(key); }});
    std::function<void()> before = keypad.onRefresh;
    keypad.onRefresh = [before, &corrections] {
        if (before) before();
        corrections.refreshed();
    };
}

void installHeaderFooterEditor(KeypadWindow& keypad) {
    HeaderFooterEditor::install({keypad, *keypad.tapeWindow().contextMenu(), keypad.prompts(),
                                 keypad.translator(), textsOf(keypad), appFolderOf(keypad)});
}

void installFind(KeypadWindow& keypad) {
    auto key = [&keypad](const char* name, const QKeySequence& keys) {
        auto* a = new QAction(&keypad);
        a->setObjectName(name);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        keypad.addAction(a);
        return a;
    };
    installFindCommands({item(keypad, "mItemFind"), key("actFindNext", QKeySequence(Qt::Key_F3)),
                         key("actFindPrevious", QKeySequence(Qt::SHIFT | Qt::Key_F3)),
                         item(keypad, "mItemVisibleRibbon"), &keypad.tapeWindow(),
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

void installVoiceRateCommands(KeypadWindow& keypad) {
    for (const char* name : {"mItemVoiceFaster", "mItemVoiceSlower"})
        keypad.tapeWindow().addAction(item(keypad, name));  // from the tape too
    installVoiceRate({item(keypad, "mItemVoiceFaster"), item(keypad, "mItemVoiceSlower"),
                      &keypad.voiceState(), &keypad.translator(),
                      [&keypad] { return keypad.calculator().registers().decimalSeparator; },
                      tellOf(keypad)});
}

}  // namespace

void composeFeatures(KeypadWindow& keypad) {
    installArranger(keypad);
    installBmi(keypad);
    InfoWindows::install({&keypad, keypad.tapeWindow().action("ToolBtnInfo"),
                          keypad.tapeWindow().action("mItemPrincipeRuban"), textsOf(keypad)});
    NetworkServices::install(keypad, keypad.translator(), tellOf(keypad));
    installPreferences(keypad);
    installReading(keypad);
    installAnnotations(keypad);
    installCorrections(keypad);
    installHeaderFooterEditor(keypad);
    installFind(keypad);
    installRecentTapes(keypad);
    installVoiceRateCommands(keypad);
}

RecoveryParts recoveryParts(KeypadWindow& keypad) {
    DocumentTape& tape = keypad.tapeWindow().tape();
    calc::Calculator& calculator = keypad.calculator();
    return {tape, keypad.prompts(), keypad.translator(),
            [&calculator] { return live::journalText(calculator.journal()); },
            [&keypad, &tape, &calculator](const std::string& journal) {
                // The restored tape goes on where it stopped, its journal being the tape's.
                calculator.restartJournal();
                live::resumeRecoveredTape(calculator, journal);
                calculator.commands().btnEnabled(true, tape.isEmpty());
                keypad.documents().apply();
                keypad.refresh();  // the eraser shows: the tape is in no file
            }};
}

}  // namespace zumbrel::gui
