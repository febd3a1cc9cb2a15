#pragma once

#include <functional>

class QPlainTextEdit;
class QString;
class QTextDocument;
class QWidget;

namespace zumbrel {
namespace calc {
class Calculator;
}
namespace voice {
class SpeechVoice;
struct VoiceState;
}  // namespace voice
}  // namespace zumbrel

namespace zumbrel::gui {

class QtSoundOutput;

// What reading on demand uses: the window that holds the edit menu's items, the tape window
// (the shortcuts work there too) and its text, the display (its own menu offers the items),
// the calculator, the voice, and where a text is said when no voice reads it.
struct ReadBackParts {
    QWidget& window;
    QWidget& tapeWindow;
    QPlainTextEdit& tapeEditor;
    std::function<const QTextDocument*()> tapeText;
    std::function<bool()> tapeEditMode;
    QWidget* display;
    calc::Calculator& calculator;
    const voice::VoiceState& voiceState;
    voice::SpeechVoice& speech;
    QtSoundOutput& sound;
    std::function<void(const QString&)> tell;
};

// Reading on demand, from the edit menu and from the keyboard in either window: Ctrl+R reads
// the last result again; Ctrl+L reads the tape line at the caret in edit mode, otherwise the
// tape's last line with a number, with its operator ("plus douze virgule cinq"). The voice
// reads it; with no voice (the common sound, silence) the text goes to the display as a
// message, which a screen reader says.
void installReadBack(const ReadBackParts& parts);
// The two readings, for the menu items and for tests.
void readLastResult(const ReadBackParts& parts);
void readTapeLine(const ReadBackParts& parts);

}  // namespace zumbrel::gui
