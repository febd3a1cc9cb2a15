#include "gui/voice/read_back.h"

#include <QAction>
#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "core/calc/calculator.h"
#include "core/calc/number_text.h"
#include "core/voice/number_words.h"
#include "core/voice/speech_voice.h"
#include "core/voice/tape_line.h"
#include "core/voice/voice_state.h"
#include "gui/keypad/display_view.h"
#include "gui/keypad/keypad_window.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/qt_ports.h"
#include "gui/voice/sound_output.h"

namespace zumbrel::gui {
namespace {

// The voice reads the files; when no voice speaks or it could not be heard, the text is shown
// in the status line and said once by the screen reader. The display keeps what it holds.
void say(KeypadWindow& keypad, const std::vector<std::string>& files, const QString& text) {
    if (text.isEmpty()) {
        QApplication::beep();
        return;
    }
    if (keypad.speech().readAgain(files) && keypad.sound().lastReadingHeard()) return;
    tellOnTheDisplay(keypad, text);
}

}  // namespace

void tellOnTheDisplay(KeypadWindow& keypad, const QString& text) {
    keypad.statusLine().showHint(text);
    auto* display = keypad.findChild<DisplayView*>("EdtVirt");
    if (!display) return;
    // From the tape (outside its edit mode), the reading is said on the display, which takes
    // the focus back as a click on the tape gives it back.
    TapeWindow& tape = keypad.tapeWindow();
    if (tape.isActiveWindow() && !tape.tape().editMode()) {
        keypad.activateWindow();
        display->setFocus(Qt::OtherFocusReason);
        display->announceWhenFocused(text);
        return;
    }
    display->announce(text);
}

namespace {

// The line to read: the caret's in edit mode, otherwise the last one that shows a number.
QString lineToRead(KeypadWindow& keypad, const calc::FormatOptions& opt) {
    TapeWindow& tape = keypad.tapeWindow();
    if (tape.tape().editMode()) return tape.editor()->textCursor().block().text();
    const QTextDocument* doc = tape.tape().document();
    for (QTextBlock b = doc->lastBlock(); b.isValid(); b = b.previous()) {
        if (!voice::readTapeLineFiles(b.text().toStdString(), opt, "Fran").empty()) return b.text();
    }
    return {};
}

}  // namespace

void readLastResult(KeypadWindow& keypad) {
    const calc::Registers& r = keypad.calculator().registers();
    const std::string& result = r.lblResultat.empty() ? r.edtSaisie : r.lblResultat;
    const std::vector<std::string> files = voice::readNumberFiles(
        result, r.decimalSeparator, r.lblNbrDecPref, keypad.voiceState().languageFolder);
    say(keypad, files, files.empty() ? QString() : qs(calc::AddSepToMil(result, r.format())));
}

void readTapeLine(KeypadWindow& keypad) {
    const calc::FormatOptions opt = keypad.calculator().registers().format();
    const QString line = lineToRead(keypad, opt).trimmed();
    const std::vector<std::string> files =
        voice::readTapeLineFiles(line.toStdString(), opt, keypad.voiceState().languageFolder);
    say(keypad, files, files.empty() ? QString() : line);
}

void installReadBack(KeypadWindow& keypad) {
    const std::pair<const char*, void (*)(KeypadWindow&)> items[] = {
        {"mItemReadResult", readLastResult}, {"mItemReadLine", readTapeLine}};
    for (const auto& [name, read] : items) {
        QAction* a = keypad.findChild<QAction*>(name);
        a->setEnabled(true);
        keypad.tapeWindow().addAction(a);  // the shortcut works from the tape too
        // The display's own menu and its accessible actions offer them as well.
        if (QWidget* display = keypad.findChild<QWidget*>("EdtVirt")) display->addAction(a);
        QObject::connect(a, &QAction::triggered, &keypad, [&keypad, read = read] { read(keypad); });
    }
}

}  // namespace zumbrel::gui
