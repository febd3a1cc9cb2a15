#pragma once

// The core talks to the world only through these small interfaces. The gui implements them
// with Qt; memory_ports.h implements them in memory for tests and the headless driver.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tape/tape.h"

namespace zumbrel {

namespace calc {
struct Registers;
}

// A text of the program: its language-file key and its built-in French text.
struct Message {
    std::string_view key;
    std::string_view french;
};

// The lookup rule of messages, captions and tape words.
class Translator {
  public:
    virtual ~Translator() = default;
    virtual std::string text(const Message& m) const = 0;
};

// The plain-text history memo; the same open-line writing as the tape.
class History {
  public:
    virtual ~History() = default;
    virtual void append(std::string_view text) = 0;
    virtual void addLine(std::string_view text) = 0;
    virtual std::vector<std::string> lines() const = 0;
    // The lines one at a time, without copying them all (the history is never trimmed).
    virtual std::size_t lineCount() const = 0;
    virtual std::string line(std::size_t i) const = 0;
    virtual void clear() = 0;
};

// The one-line status label of the keypad window.
class StatusLine {
  public:
    virtual ~StatusLine() = default;
    virtual void show(std::string_view text) = 0;
    virtual std::string text() const = 0;
};

enum class Icon { None, Information, Exclamation, Question, Error };
enum class Buttons { Ok, YesNo, YesNoCancel, YesNoCancelDefaultNo };
enum class Answer { Ok, Yes, No, Cancel };

// Message boxes and input boxes.
class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual Answer messageBox(std::string_view title, std::string_view text, Icon icon,
                              Buttons buttons) = 0;
    // The text typed, or nothing when cancelled.
    virtual std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                                std::string_view defaultText) = 0;
};

enum class Beep { Default, Asterisk, Exclamation, Hand, Question };

// Sound files and the system's beeps.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Plays a file to its end before returning.
    virtual void playSync(std::string_view path) = 0;
    // Starts a file and returns at once; the next play cuts it off.
    virtual void playAsync(std::string_view path) = 0;
    // Plays files one after the other, synchronously; an output may join them without gaps.
    virtual void playSyncSequence(const std::vector<std::string>& paths) {
        for (const std::string& p : paths)
            playSync(p);
    }
    virtual void beep(Beep kind) = 0;
};

// Sounds the keypad starts that do not go through the key speaker.
enum class KeypadSound {
    DoubleZero,          // d0.wav or a click
    TripleZero,          // t0.wav or a click
    PercentButton,       // pourcent.wav or a click, once the percent button is accepted
    PercentBeforeBegin,  // oups.wav: the percent button before any digit 1 to 9
    NothingToCompute,    // oups.wav: Enter with nothing to compute
    CommonClick,         // square root and sign change
};

// The talking side of the calculator. The input line and the engine say what happened;
// the implementation decides from the voice settings what, if anything, is heard.
class Voice {
  public:
    virtual ~Voice() = default;
    // The key speaker, for each character that passes the input line's filter, before the
    // engine sees it. It may clear the result-shown flag (a digit starts a new number).
    virtual void speakKey(char key, calc::Registers& regs) = 0;
    // The result reader, once the entry holds the result of "=".
    virtual void readResult(const calc::Registers& regs) = 0;
    virtual void keypadSound(KeypadSound sound, const calc::Registers& regs) = 0;
    // Clears the key speaker's armed flag, so that the next operator key stays silent.
    virtual void disarmKeySound() = 0;
};

// The system clipboard's text.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The clipboard's text, or nothing when it holds none.
    virtual std::optional<std::string> text() const = 0;
    virtual void setText(std::string_view text) = 0;
};

// Files, so that layouts and missing files can be tested. Writes are whole and atomic.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool exists(std::string_view path) const = 0;
    // The whole file, or nothing when it cannot be read (error says why).
    virtual std::optional<std::string> read(std::string_view path, std::string& error) const = 0;
    // Written to a temporary file beside it, then renamed over it: a crash or a full disk
    // never leaves half a file. False, with the reason, when it could not be written.
    virtual bool writeAtomically(std::string_view path, std::string_view bytes,
                                 std::string& error) = 0;
    virtual std::vector<std::string> list(std::string_view folder) const = 0;
    virtual bool folderExists(std::string_view path) const = 0;
    // True when a file can be created in the folder.
    virtual bool canWriteIn(std::string_view folder) const = 0;
    virtual bool createFolders(std::string_view path) = 0;
    // The size of a file in bytes, when it can be known without reading it.
    virtual std::optional<std::uint64_t> size(std::string_view) const { return std::nullopt; }
};

// What a file dialog starts with.
struct FileDialogOptions {
    std::string title;
    std::string filter;     // "Fichier texte enrichi  (*.rtf)", kinds apart by ";;"
    std::string folder;     // where it opens
    std::string fileName;   // the name it shows
    std::string extension;  // added to a name typed without one ("rtf")
};

// The open and save dialogs: the file chosen, or nothing when cancelled. They never ask
// before replacing a file; the program does.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> openFile(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogOptions& options) = 0;
};

}  // namespace zumbrel
