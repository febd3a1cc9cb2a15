#include "gui/voice/read_back.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "core/calc/calculator.h"
#include "core/calc/number_text.h"
#include "core/voice/number_words.h"
#include "core/voice/speech_voice.h"
#include "core/voice/tape_line.h"
#include "core/voice/voice_state.h"
#include "gui/ui/installed_parts.h"
#include "gui/ui/qt_ports.h"
#include "gui/voice/sound_output.h"

namespace zumbrel::gui {
namespace {

// The voice reads the files; when no voice speaks or it could not be heard, the text is shown
// in the status line and said once by the screen reader. The display keeps what it holds.
void say(const ReadBackParts& p, const std::vector<std::string>& files, const QString& text) {
    if (text.isEmpty()) {
        QApplication::beep();
        return;
    }
    if (p.speech.readAgain(files) && p.sound.lastReadingHeard()) return;
    p.tell(text);
}

// The line to read: the caret's in edit mode, otherwise the last one that shows a number.
QString lineToRead(const ReadBackParts& p, const calc::FormatOptions& opt) {
    if (p.tapeEditMode()) return p.tapeEditor.textCursor().block().text();
    const QTextDocument* doc = p.tapeText();
    for (QTextBlock b = doc->lastBlock(); b.isValid(); b = b.previous()) {
        if (!voice::readTapeLineFiles(b.text().toStdString(), opt, "Fran").empty()) return b.text();
    }
    return {};
}

}  // namespace

void readLastResult(const ReadBackParts& p) {
    const calc::Registers& r = p.calculator.registers();
    const std::string& result = r.lblResultat.empty() ? r.edtSaisie : r.lblResultat;
    const std::vector<std::string> files = voice::readNumberFiles(
        result, r.decimalSeparator, r.lblNbrDecPref, p.voiceState.languageFolder);
    say(p, files, files.empty() ? QString() : qs(calc::AddSepToMil(result, r.format())));
}

void readTapeLine(const ReadBackParts& p) {
    const calc::FormatOptions opt = p.calculator.registers().format();
    const QString line = lineToRead(p, opt).trimmed();
    const std::vector<std::string> files =
        voice::readTapeLineFiles(line.toStdString(), opt, p.voiceState.languageFolder);
    say(p, files, files.empty() ? QString() : line);
}

void installReadBack(const ReadBackParts& parts) {
    const auto* held = new InstalledParts<ReadBackParts>(parts.window, "ReadBackParts", parts);
    const ReadBackParts& p = held->parts;
    const std::pair<const char*, void (*)(const ReadBackParts&)> items[] = {
        {"mItemReadResult", readLastResult}, {"mItemReadLine", readTapeLine}};
    for (const auto& [name, read] : items) {
        QAction* a = p.window.findChild<QAction*>(name);
        a->setEnabled(true);
        p.tapeWindow.addAction(a);  // the shortcut works from the tape too
        // The display's own menu and its accessible actions offer them as well.
        if (p.display) p.display->addAction(a);
        QObject::connect(a, &QAction::triggered, &p.window, [&p, read = read] { read(p); });
    }
}

}  // namespace zumbrel::gui
