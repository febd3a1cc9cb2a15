#include "core/tape/documents.h"

#include <optional>

#include "core/tape/tape_file.h"

namespace zumbrel::tape {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kFilterSuffix = "  (*.rtf)";
constexpr std::string_view kTextFilterSuffix = "  (*.txt)";

// The questions and messages: language-file key and built-in French text.
constexpr Message kNewTape{"OASD_MF_005", "Avant d'ouvrir un nouveau ruban"};
constexpr Message kWantToSave{"OASD_MF_006", "souhaitez-vous sauvegarder son contenu ?"};
constexpr Message kSaving{"SMSG_MF_013", "Enregistrement..."};
constexpr Message kSaveTapeList{"SMSG_MF_010",
                                "Souhaitez-vous enregistrer le contenu de cette liste du Ruban ?"};
constexpr Message kSaveFile{"SAVE_FILE", "Enregistrer"};
constexpr Message kBeforeQuitting{"SMSG_MF_015", "Avant de quitter Zumbrel :"};
constexpr Message kMissing{"SMSG_MF_008", "Ce fichier n'existe pas !"};
constexpr Message kNotFound{"SMSG_MF_009", "Fichier introuvable..."};
constexpr Message kExists{"SMSG_MF_011", "Le fichier suivant existe déjà :"};
constexpr Message kReplace{"SMSG_MF_012", "Désirez-vous le remplacer ?"};
constexpr Message kRichText{"OASD_MF_003", "Fichier texte enrichi"};
constexpr Message kTextFile{"MSG_TEXT_FILE", "Fichier texte"};
// What each command did, in the status line (and so to a screen reader).
constexpr Message kNewTapeDone{"MSG_NEW_TAPE_DONE", "Nouveau ruban"};
constexpr Message kTapeSaved{"MSG_TAPE_SAVED", "Ruban enregistré :"};
constexpr Message kTapeOpened{"MSG_TAPE_OPENED", "Ruban ouvert :"};
constexpr Message kLinesWord{"MSG_LINES_WORD", "lignes"};
// Not in the original set: a file that could not be written, read, or is too large.
constexpr Message kNotWritten{"MSG_FILE_NOT_WRITTEN", "Le fichier n'a pas pu être enregistré :"};
constexpr Message kNotRead{"MSG_FILE_NOT_READ", "Le fichier n'a pas pu être ouvert :"};
constexpr Message kTooLarge{"MSG_FILE_TOO_LARGE",
                            "Ce fichier est trop grand pour un ruban (plus de 64 Mo) :"};
constexpr Message kTooManyLines{"MSG_FILE_TOO_MANY_LINES",
                                "Ce fichier a trop de lignes pour un ruban (plus de 2 000 000) :"};
constexpr Message kNotATape{"MSG_FILE_NOT_A_TAPE",
                            "Ce fichier n'est pas un ruban (ni RTF ni texte) :"};
// A file that exists but was not opened: the box bears the name of the command.
constexpr Message kOpenTitle{"OPEN_O", "Ouvrir..."};

}  // namespace

std::string GetShortFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string Documents::text(std::string_view key, std::string_view french) const {
    return p_.tr.text(Message{key, french});
}

FileDialogOptions Documents::dialog(std::string_view titleKey, std::string_view titleFrench,
                                    const std::string& name) const {
    return {text(titleKey, titleFrench), p_.tr.text(kRichText) + std::string(kFilterSuffix),
            startFolder, name, "rtf"};
}

// A plain-text file opens as a tape too: the open dialog offers both kinds.
FileDialogOptions Documents::openDialog() const {
    FileDialogOptions options = dialog("OPEN_O", "Ouvrir...", currentFile_);
    options.filter += ";;" + p_.tr.text(kTextFile) + std::string(kTextFilterSuffix);
    return options;
}

std::string Documents::proposedName() const {
    if (!saveName_.empty() || textFile_.empty()) return saveName_;
    // "notes.txt" proposes "notes.rtf"; a dot in a folder's name is no extension.
    const std::size_t slash = textFile_.find_last_of('/');
    const std::size_t dot = textFile_.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? textFile_.substr(0, dot) : textFile_) + ".rtf";
}

bool Documents::write(const std::string& path) {
    std::string error;
    if (saveTapeFile(p_.tape, p_.files, path, error, journalText ? journalText() : std::string()))
        return true;
    // The old file is intact (the write is atomic) and the tape stays unsaved.
    p_.prompts.messageBox(
        p_.tr.text(kSaving),
        p_.tr.text(kNotWritten) + std::string(kCrLf) + path + std::string(kCrLf) + error,
        Icon::Error, Buttons::Ok);
    return false;
}

std::string Documents::whyNotOpened(const OpenResult& opened, const std::string& path) const {
    const std::string crlf(kCrLf);
    switch (opened.failure) {
        case OpenFailure::TooLarge:
            return p_.tr.text(kTooLarge) + crlf + path;
        case OpenFailure::NotATape:
            return p_.tr.text(kNotATape) + crlf + path;
        case OpenFailure::TooManyLines:
            return p_.tr.text(kTooManyLines) + crlf + path;
        default:
            break;
    }
    std::string why = p_.tr.text(kNotRead) + crlf + path;
    if (!opened.error.empty()) why += crlf + opened.error;
    return why;
}

bool Documents::read(const std::string& path) {
    OpenResult opened = openTapeFile(p_.tape, p_.files, path);
    if (opened.ok) {
        openedJournal_ = std::move(opened.journal);
        textFile_ = opened.rtf ? std::string() : path;
        return true;
    }
    p_.prompts.messageBox(p_.tr.text(kOpenTitle), whyNotOpened(opened, path), Icon::Error,
                          Buttons::Ok);
    return false;
}

void Documents::afterSave(const std::string& path) {
    textFile_.clear();
    p_.tape.setModified(false);
    eraserVisible_ = false;
    lblSaveDlg_ = path;
    commands_.btnNotEnabled(true, p_.tape.isEmpty());
    lblPathShort_ = GetShortFileName(path);
    caption_ = "Zumbrel - " + lblPathShort_;
    p_.status.show(p_.tr.text(kTapeSaved) + " " + lblPathShort_);
    if (onFileUsed) onFileUsed(path);
}

Answer Documents::askReplace(const std::string& path) {
    const std::string crlf2 = std::string(kCrLf) + std::string(kCrLf);
    return p_.prompts.messageBox(
        p_.tr.text(kSaving),
        p_.tr.text(kExists) + crlf2 + "\"" + path + "\"" + crlf2 + p_.tr.text(kReplace),
        Icon::Exclamation, Buttons::YesNoCancelDefaultNo);
}

Documents::Outcome Documents::overwriteQuestion(const std::string& path, bool restoreCaption) {
    const Answer a = askReplace(path);
    if (a == Answer::Yes) {
        if (!write(path)) return Outcome::Failed;
        afterSave(path);
        return Outcome::Written;
    }
    if (a == Answer::No && restoreCaption && !lblPathShort_.empty())
        caption_ = "Zumbrel - " + lblPathShort_;
    saveName_ = lblSaveDlg_ = currentFile_;
    return Outcome::NotWritten;
}

Documents::Outcome Documents::saveThroughDialog(const FileDialogOptions& options,
                                                bool restoreCaption) {
    lastSave_ = options;
    const auto chosen = p_.dialogs.saveFile(options);
    if (!chosen) return Outcome::NotWritten;
    saveName_ = *chosen;  // the dialog now holds it
    if (p_.files.exists(*chosen)) return overwriteQuestion(*chosen, restoreCaption);
    if (!write(*chosen)) return Outcome::Failed;
    afterSave(*chosen);
    return Outcome::Written;
}

void Documents::tapeReset(bool full) {
    p_.tape.clear();
    if (clearCalculator) clearCalculator();
    commands_.ToolbtnPrint = commands_.ToolBtnSave = false;
    commands_.mItemPrint = commands_.mItemEnregistrer = commands_.mItemEnregistrerSous = false;
    p_.tape.setModified(false);
    eraserVisible_ = false;
    if (onTapeReset) onTapeReset(full);
    if (!full) return;
    currentFile_.clear();
    saveName_.clear();
    textFile_.clear();
    lblSaveDlg_.clear();
    caption_ = "Zumbrel";
    p_.status.show(p_.tr.text(kNewTapeDone));
}

void Documents::NouveauClick() {
    if (tapeSaved()) {
        tapeReset(true);
        return;
    }
    const Answer a = p_.prompts.messageBox(p_.tr.text(kSaving),
                                           p_.tr.text(kNewTape) + "," + std::string(kCrLf) +
                                               std::string(kCrLf) + p_.tr.text(kWantToSave),
                                           Icon::Exclamation, Buttons::YesNoCancel);
    if (a == Answer::Yes) {
        SaveClick();
        lblSaveDlg_ = saveName_;
        if (tapeSaved()) tapeReset(true);
    } else if (a == Answer::No) {
        tapeReset(true);
    }
}

void Documents::openChosenFile(bool setSaveDisabled, const std::string* path) {
    const auto chosen =
        path ? std::optional<std::string>(*path) : p_.dialogs.openFile(openDialog());
    if (!chosen) return;
    if (!p_.files.exists(*chosen)) {
        reportMissing(*chosen, path != nullptr);
        return;
    }
    if (!read(*chosen)) return;
    saveName_ = textFile_.empty() ? *chosen : std::string();
    lblPathShort_ = GetShortFileName(*chosen);
    caption_ = "Zumbrel - " + lblPathShort_;
    currentFile_ = *chosen;
    if (setSaveDisabled) commands_.mItemEnregistrer = false;
    p_.tape.setModified(false);
    eraserVisible_ = false;
    if (onTapeOpened) onTapeOpened();
    p_.status.show(p_.tr.text(kTapeOpened) + " " + std::to_string(p_.tape.lineCount()) + " " +
                   p_.tr.text(kLinesWord));
    if (onFileUsed) onFileUsed(*chosen);
}

void Documents::OuvrirClick() {
    open(nullptr);
}

void Documents::openFile(const std::string& path) {
    open(&path);
}

void Documents::reportMissing(const std::string& path, bool named) {
    // A file asked for by its name (a recent tape) is named in the message.
    const std::string why =
        named ? p_.tr.text(kMissing) + std::string(kCrLf) + path : p_.tr.text(kMissing);
    p_.prompts.messageBox(p_.tr.text(kNotFound), why, Icon::Exclamation, Buttons::Ok);
    if (onFileMissing) onFileMissing(path);
}

void Documents::open(const std::string* path) {
    // A recent tape that has gone is said at once: no question about the tape first.
    if (path && !p_.files.exists(*path)) {
        reportMissing(*path, true);
        return;
    }
    if (tapeSaved()) {
        openChosenFile(true, path);
        return;
    }
    if (p_.tape.isEmpty()) return;
    const Answer a = p_.prompts.messageBox(p_.tr.text(kSaveFile), p_.tr.text(kSaveTapeList),
                                           Icon::Exclamation, Buttons::YesNoCancel);
    if (a == Answer::No) {
        openChosenFile(false, path);
    } else if (a == Answer::Yes) {
        // The tape is saved and nothing is opened: the user opens again afterwards.
        FileDialogOptions options =
            lastSave_.title.empty() ? dialog("SAVE_FILE", "Enregistrer", {}) : lastSave_;
        options.fileName = saveName_;
        options.folder = startFolder;
        saveThroughDialog(options, false);
    }
}

void Documents::run(DocumentKey key) {
    switch (key) {
        case DocumentKey::New:
            NouveauClick();
            break;
        case DocumentKey::Open:
            OuvrirClick();
            break;
        case DocumentKey::Save:
            SaveClick();
            break;
        case DocumentKey::SaveAs:
            mItemEnregistrerSousClick();
            break;
        case DocumentKey::Quit:
            closed_ = SaveClose();
            break;
    }
}

void Documents::SaveClick() {
    if (p_.tape.isEmpty()) {
        p_.sound.beep(Beep::Default);
        return;
    }
    const FileDialogOptions options = dialog("SAVE_FILE", "Enregistrer", proposedName());
    if (!saveName_.empty()) {
        currentFile_ = saveName_;
        if (write(saveName_)) afterSave(saveName_);
        return;
    }
    saveThroughDialog(options, false);
}

void Documents::mItemEnregistrerSousClick() {
    if (p_.tape.isEmpty()) {
        p_.sound.beep(Beep::Default);
        return;
    }
    saveThroughDialog(dialog("SAVE_AS_O", "Enregistrer sous...", proposedName()), true);
}

bool Documents::SaveClose() {
    if (tapeSaved() || p_.tape.isEmpty()) return true;
    const Answer a = p_.prompts.messageBox(p_.tr.text(kSaveFile),
                                           p_.tr.text(kBeforeQuitting) + std::string(kCrLf) +
                                               std::string(kCrLf) + p_.tr.text(kSaveTapeList),
                                           Icon::Exclamation, Buttons::YesNoCancel);
    if (a == Answer::Cancel) return false;
    if (a == Answer::No) return true;
    if (!saveName_.empty()) return write(saveName_);  // a failed write keeps the program open
    // A file chosen and not replaced asks for another name; nothing is lost by a close.
    for (;;) {
        const FileDialogOptions options =
            dialog("SAVE_AS_O", "Enregistrer sous...", proposedName());
        lastSave_ = options;
        const auto chosen = p_.dialogs.saveFile(options);
        if (!chosen) return false;
        saveName_ = *chosen;
        if (!p_.files.exists(*chosen)) {
            if (!write(*chosen)) return false;
            afterSave(*chosen);
            return true;
        }
        const Answer replace = askReplace(*chosen);
        if (replace == Answer::Cancel) return false;
        if (replace == Answer::Yes) {
            if (!write(*chosen)) return false;
            afterSave(*chosen);
            return true;
        }
    }
}

}  // namespace zumbrel::tape
