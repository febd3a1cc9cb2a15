#pragma once

#include <QObject>
#include <QTimer>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/tape/rich_text.h"

namespace zumbrel {
class Prompts;
class Translator;
}  // namespace zumbrel

namespace zumbrel::gui {

class DocumentTape;

// What the recovery watches and asks with: the tape, the question box and its words, the
// calculator's journal of the tape (kept with the copy), and what the windows do once a tape
// was restored, given the journal the copy kept.
struct RecoveryParts {
    DocumentTape& tape;
    Prompts& prompts;
    const Translator& texts;
    std::function<std::string()> journal;
    std::function<void(const std::string& journal)> restored;
};

// A tape that is never lost: a moment after every change, an unsaved tape is copied to a
// recovery file in the user's data folder; a normal close removes it. After a crash or a
// power cut the next start finds it and offers to restore it. The copy is made on a thread
// of its own, so a key never waits for the disk. Only the first copy of the program (the
// one that keeps the windows) makes one.
class TapeRecovery final : public QObject {
  public:
    TapeRecovery(RecoveryParts parts, std::string path, int delayMs = 1000);
    ~TapeRecovery() override;

    // At start, once the windows show: a recovery file left by a session that did not close
    // asks whether to restore it. True when the tape was restored.
    bool offerRestore();
    // The normal close: the copy is no longer needed.
    void closeCleanly();
    const std::string& path() const { return path_; }
    // Waits until every copy asked for is on disk (tests, and the close).
    void flush();

  private:
    void tapeChanged();
    void copyNow();
    void writer();

    RecoveryParts parts_;
    std::string path_;
    QTimer debounce_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<tape::RichText> pending_;  // the tape to write; empty optional: nothing
    std::string pendingJournal_;             // and its journal
    bool remove_ = false;                    // the copy is to be removed
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace zumbrel::gui
