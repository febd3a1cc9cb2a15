#pragma once

// In-memory implementations of the ports, for tests and the headless driver. The recording
// ones write what was asked of them, in order, to one shared event log.

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/ports.h"
#include "core/tape/open_lines.h"

namespace zumbrel {

// Built-in French texts.
class FrenchTranslator final : public Translator {
  public:
    std::string text(const Message& m) const override {
        for (const auto& [key, text] : words) {
            if (key == m.key) return text;
        }
        return std::string(m.french);
    }
    // Words of another language, by key, in place of the French ones (tests).
    std::vector<std::pair<std::string, std::string>> words;
};

struct Event {
    std::string kind;    // "beep", "message", "input", "voice", "play"
    std::string detail;  // what was played, asked or shown
    std::string answer;  // the answer given to a question
};
using EventLog = std::vector<Event>;

class MemoryHistory final : public History {
  public:
    void append(std::string_view text) override;
    void addLine(std::string_view text) override;
    std::vector<std::string> lines() const override;
    std::size_t lineCount() const override { return lines_.count(); }
    std::string line(std::size_t i) const override {
        const Line* l = lines_.at(i);
        return l ? l->text : std::string();
    }
    void clear() override { lines_.clear(); }

  private:
    struct Line {
        std::string text;
        bool empty() const { return text.empty(); }
        void clear() { text.clear(); }
    };
    tape::OpenLines<Line> lines_;
};

class MemoryClipboard final : public Clipboard {
  public:
    std::optional<std::string> text() const override { return text_; }
    void setText(std::string_view text) override { text_ = std::string(text); }

  private:
    std::optional<std::string> text_;
};

class MemoryStatusLine final : public StatusLine {
  public:
    void show(std::string_view text) override { text_ = std::string(text); }
    std::string text() const override { return text_; }

  private:
    std::string text_;
};

// The answers a script gives, in order, to questions ("yes", "no", "cancel") and to file
// dialogs (a file name, or "cancel").
using AnswerScript = std::deque<std::string>;

// Answers questions from a queue, then with a default answer; logs every box.
class ScriptedPrompts final : public Prompts {
  public:
    explicit ScriptedPrompts(EventLog& log) : log_(log) {}
    // Questions take their answers from the script first (boxes with only OK take none).
    void useScript(AnswerScript* script) { script_ = script; }
    void queueAnswer(Answer a) { answers_.push_back(a); }
    void setDefaultAnswer(Answer a) { defaultAnswer_ = a; }
    void queueInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }

    Answer messageBox(std::string_view title, std::string_view text, Icon icon,
                      Buttons buttons) override;
    std::optional<std::string> inputBox(std::string_view title, std::string_view prompt,
                                        std::string_view defaultText) override;

  private:
    EventLog& log_;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> inputs_;
    Answer defaultAnswer_ = Answer::Yes;
    AnswerScript* script_ = nullptr;
};

// File dialogs answered by the script: a name (relative names are taken in `folder`), or
// "cancel"; an empty script cancels. Logs every dialog.
class ScriptedDialogs final : public FileDialogs {
  public:
    ScriptedDialogs(EventLog& log, AnswerScript& script) : log_(log), script_(script) {}
    std::optional<std::string> openFile(const FileDialogOptions& options) override;
    std::optional<std::string> saveFile(const FileDialogOptions& options) override;
    std::string folder;
    std::vector<std::string> proposed;  // the name each dialog proposed, in order
    std::vector<std::string> filters;   // and the kinds of file it listed

  private:
    std::optional<std::string> answer(std::string_view kind, const FileDialogOptions& options);
    EventLog& log_;
    AnswerScript& script_;
};

class RecordingSound final : public SoundOutput {
  public:
    explicit RecordingSound(EventLog& log) : log_(log) {}
    void playSync(std::string_view path) override;
    void playAsync(std::string_view path) override;
    void beep(Beep kind) override;

  private:
    EventLog& log_;
};

// Records what the calculator asks of the voice; a digit clears the result-shown flag, as
// every key speaker does.
class RecordingVoice final : public Voice {
  public:
    explicit RecordingVoice(EventLog& log) : log_(log) {}
    void speakKey(char key, calc::Registers& regs) override;
    void readResult(const calc::Registers& regs) override;
    void keypadSound(KeypadSound sound, const calc::Registers& regs) override;
    void disarmKeySound() override;

  private:
    EventLog& log_;
};

// No sound at all; a digit still starts a new number, as with every key speaker.
class SilentVoice final : public Voice {
  public:
    void speakKey(char key, calc::Registers& regs) override;
    void readResult(const calc::Registers&) override {}
    void keypadSound(KeypadSound, const calc::Registers&) override {}
    void disarmKeySound() override {}
};

// Files in memory: paths are plain strings, folders are listed explicitly.
class MemoryFileSystem final : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> readOnlyFolders;

    bool exists(std::string_view path) const override { return files.count(std::string(path)) > 0; }
    std::optional<std::string> read(std::string_view path, std::string& error) const override;
    bool writeAtomically(std::string_view path, std::string_view bytes,
                         std::string& error) override;
    std::vector<std::string> list(std::string_view folder) const override;
    bool folderExists(std::string_view path) const override {
        return folders.count(std::string(path)) > 0;
    }
    bool canWriteIn(std::string_view folder) const override;
    bool createFolders(std::string_view path) override;
    std::optional<std::uint64_t> size(std::string_view path) const override {
        const auto it = files.find(std::string(path));
        if (it == files.end()) return std::nullopt;
        return it->second.size();
    }
};

std::string_view beepName(Beep kind);
std::string_view keypadSoundName(KeypadSound sound);
std::string_view answerName(Answer answer);

}  // namespace zumbrel
