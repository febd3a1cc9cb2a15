#pragma once

#include <stdexcept>
#include <string>

#include "core/calc/registers.h"
#include "core/ports.h"

namespace zumbrel::calc {

// Everything outside the registers that the calculator writes to or asks.
struct Ports {
    tape::Tape& tape;
    History& history;
    StatusLine& status;
    Prompts& prompts;
    SoundOutput& sound;
    Voice& voice;
    const Translator& tr;
    Clipboard& clipboard;
    FileSystem& files;
    FileDialogs& dialogs;
};

// Program-wide choices of the settings file that the windows change and the file keeps.
struct CalcSettings {
    bool warnCR = false;      // ask before a waiting result comment is written
    bool okBoxGum = true;     // ask before the tape is erased
    bool seekUpdate = false;  // look for a newer version at each start
    // Interim results said shortly ("Sous-total : 15,00"): a long sum read by a screen reader
    // is heard in fewer words.
    bool shortInterim = false;
    // "Compter les articles": each result line shows on its left how many amounts were added
    // or subtracted since the last result ("n 3"), as printing calculators do.
    bool countItems = false;
};

// An operation that cannot go on: a register text that is no number, or a value out of range.
// Thrown before anything is written; the calculator restores its registers and says why.
class CalcError : public std::runtime_error {
  public:
    CalcError(Message message, std::string detail)
        : std::runtime_error(std::string(message.key)),
          message_(message),
          detail_(std::move(detail)) {}
    const Message& message() const { return message_; }
    const std::string& detail() const { return detail_; }

  private:
    Message message_;
    std::string detail_;
};

}  // namespace zumbrel::calc
