#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/calc/commands.h"
#include "core/ports.h"
#include "core/tape/tape.h"
#include "core/tape/tape_file.h"

namespace zumbrel::tape {

// The file commands as scripts name them: [NEW] [OPEN] [SAVE] [SAVEAS] [QUIT].
enum class DocumentKey { New, Open, Save, SaveAs, Quit };

// What the file commands work with.
struct DocumentPorts {
    Tape& tape;
    FileSystem& files;
    FileDialogs& dialogs;
    Prompts& prompts;
    SoundOutput& sound;
    const Translator& tr;
    StatusLine& status;  // says what a command did: a screen reader hears it
};

// The tape as a document: new, open, save, save as and the save on close, with the questions
// that protect an unsaved tape. The tape-saved flag is the tape's own (not modified).
class Documents {
  public:
    Documents(DocumentPorts ports, calc::CommandState& commands) : p_(ports), commands_(commands) {}

    // The tape reset's work on the calculator (its registers and entry)...
    std::function<void()> clearCalculator;
    // A tape file was opened in place of the tape (the grand total starts again).
    std::function<void()> onTapeOpened;
    // The calculator's journal, saved with the tape; and the one the tape opened last kept.
    std::function<std::string()> journalText;
    const std::string& openedJournal() const { return openedJournal_; }
    // ... and on the windows (line counter, status line); `full` is false for the eraser,
    // which keeps the names.
    std::function<void(bool full)> onTapeReset;
    // Where the dialogs open (the desktop when there is one).
    std::string startFolder;
    // A tape file opened or saved (the recent tapes), and one asked for that has gone.
    std::function<void(const std::string& path)> onFileUsed;
    std::function<void(const std::string& path)> onFileMissing;

    void run(DocumentKey key);
    // After [QUIT]: whether the program closed.
    bool closed() const { return closed_; }

    void NouveauClick();
    void OuvrirClick();
    // Opens that file as "Ouvrir" opens the one chosen, after the same question when the tape
    // is not saved (a recent tape, Ctrl+1 … Ctrl+8).
    void openFile(const std::string& path);
    void SaveClick();
    void mItemEnregistrerSousClick();
    // Asks to save an unsaved tape before the program closes; false keeps it open.
    bool SaveClose();
    // The tape reset (the eraser runs it without its last steps).
    void tapeReset(bool full);

    bool tapeSaved() const { return !p_.tape.isModified(); }
    const std::string& caption() const { return caption_; }
    const std::string& lblOpenDlg() const { return currentFile_; }
    const std::string& lblSaveDlg() const { return lblSaveDlg_; }
    const std::string& lblPathShort() const { return lblPathShort_; }
    // ToolBtnGomme: shown while the tape holds what no file holds.
    bool eraserVisible() const { return eraserVisible_; }
    void setEraserVisible(bool on) { eraserVisible_ = on; }

  private:
    std::string openedJournal_;
    enum class Outcome { Written, NotWritten, Failed };

    FileDialogOptions dialog(std::string_view titleKey, std::string_view titleFrench,
                             const std::string& name) const;
    FileDialogOptions openDialog() const;
    bool write(const std::string& path);
    bool read(const std::string& path);
    // The message of a file that exists but was not opened.
    std::string whyNotOpened(const OpenResult& opened, const std::string& path) const;
    void afterSave(const std::string& path);
    // The chosen file N exists: replace it? `restoreCaption` for save as and the close.
    Answer askReplace(const std::string& path);
    Outcome overwriteQuestion(const std::string& path, bool restoreCaption);
    // Runs the save dialog titled by `options` and writes the file chosen.
    Outcome saveThroughDialog(const FileDialogOptions& options, bool restoreCaption);
    void openChosenFile(bool setSaveDisabled, const std::string* path = nullptr);
    void open(const std::string* path);
    // Says that a file is not there (`named`: with its name) and forgets it as a recent tape.
    void reportMissing(const std::string& path, bool named);
    std::string text(std::string_view key, std::string_view french) const;

    DocumentPorts p_;
    calc::CommandState& commands_;
    std::string currentFile_;  // the open dialog's file, mirrored in lblOpenDlg
    std::string saveName_;     // the save dialog's file
    // A plain-text file opened: Save asks for a name (its own with .rtf proposed) rather than
    // write RTF over the text.
    std::string textFile_;
    // The name the save dialogs propose.
    std::string proposedName() const;
    std::string lblSaveDlg_;
    std::string lblPathShort_;
    std::string caption_ = "Zumbrel";
    FileDialogOptions lastSave_;  // the save dialog keeps its last title
    bool eraserVisible_ = false;
    bool closed_ = false;
};

// The file name a caption shows: Linux has no short 8.3 names, so the name alone.
std::string GetShortFileName(std::string_view path);

}  // namespace zumbrel::tape
