#include "gui/tape/tape_recovery.h"

#include <QTextDocument>
#include <cstdio>

#include "core/config/language.h"
#include "core/local_file_system.h"
#include "core/tape/rtf_writer.h"
#include "core/tape/tape_file.h"
#include "gui/tape/document_tape.h"
#include "gui/ui/qt_ports.h"

namespace zumbrel::gui {
namespace {

constexpr Message kRestore{"MSG_RECOVER_TAPE",
                           "Le ruban de la dernière séance n'avait pas été enregistré quand "
                           "Zumbrel s'est arrêté. Voulez-vous le retrouver ?"};

}  // namespace

TapeRecovery::TapeRecovery(RecoveryParts parts, std::string path, int delayMs)
    : parts_(std::move(parts)), path_(std::move(path)), thread_([this] { writer(); }) {
    debounce_.setSingleShot(true);
    debounce_.setInterval(delayMs);
    connect(&debounce_, &QTimer::timeout, this, [this] { copyNow(); });
    if (path_.empty()) return;  // no home folder: nowhere to keep a copy
    QTextDocument* document = parts_.tape.document();
    connect(document, &QTextDocument::contentsChanged, this, [this] { tapeChanged(); });
    // A save makes the copy useless.
    connect(document, &QTextDocument::modificationChanged, this, [this] { tapeChanged(); });
}

TapeRecovery::~TapeRecovery() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void TapeRecovery::tapeChanged() {
    if (parts_.tape.fillingIn()) return;  // a file's lines going in
    // A key costs a timer restart; the copy waits until the typing pauses.
    debounce_.start();
}

void TapeRecovery::copyNow() {
    const DocumentTape& tape = parts_.tape;
    {
        std::lock_guard lock(mutex_);
        if (!tape.isModified() || tape.isEmpty()) {
            // What the tape holds is in its file, or nothing: no copy is needed.
            pending_.reset();
            remove_ = true;
        } else {
            // Only the snapshot is taken here; the writing and the disk are the thread's.
            pending_ = tape.richText();
            pendingJournal_ = parts_.journal ? parts_.journal() : std::string();
            remove_ = false;
        }
    }
    wake_.notify_all();
}

void TapeRecovery::writer() {
    LocalFileSystem files;
    const std::string folder = path_.substr(0, path_.find_last_of('/'));
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pending_ || remove_; });
        if (!pending_ && !remove_) return;  // stopping, nothing left to do
        std::optional<tape::RichText> text = std::move(pending_);
        const std::string journal = std::move(pendingJournal_);
        pending_.reset();
        const bool remove = remove_;
        remove_ = false;
        busy_ = true;
        lock.unlock();
        std::string error;
        if (text) {
            files.createFolders(folder);
            // A failed copy waits for the next.
            files.writeAtomically(path_, tape::writeRtf(*text, journal), error);
        } else if (remove) {
            std::remove(path_.c_str());
        }
        lock.lock();
        busy_ = false;
        wake_.notify_all();
    }
}

void TapeRecovery::flush() {
    if (debounce_.isActive()) {
        debounce_.stop();
        copyNow();
    }
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return !pending_ && !remove_ && !busy_; });
}

void TapeRecovery::closeCleanly() {
    debounce_.stop();
    {
        std::lock_guard lock(mutex_);
        pending_.reset();
        remove_ = true;
    }
    wake_.notify_all();
    flush();
}

bool TapeRecovery::offerRestore() {
    LocalFileSystem files;
    if (path_.empty() || !files.exists(path_)) return false;
    const Answer a = parts_.prompts.messageBox("Zumbrel", parts_.texts.text(kRestore),
                                               Icon::Question, Buttons::YesNo);
    DocumentTape& tape = parts_.tape;
    if (a != Answer::Yes) {
        std::remove(path_.c_str());
        return false;
    }
    // The line under way stays open: the calculation goes on on it.
    const tape::OpenResult opened =
        tape::openTapeFile(tape, files, path_, tape::LastLine::StaysOpen);
    if (opened.ok) {
        // The restored tape is in no file yet: it stays unsaved, and keeps its copy.
        tape.setModified(true);
        if (parts_.restored) parts_.restored(opened.journal);
        return true;
    }
    std::remove(path_.c_str());
    return false;
}

}  // namespace zumbrel::gui
