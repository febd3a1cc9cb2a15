#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/config/settings.h"
#include "core/ports.h"
#include "core/tape/tape.h"

namespace zumbrel::calc {
struct CalcSettings;
struct Registers;
}  // namespace zumbrel::calc

namespace zumbrel::tape {

class Documents;

// What the user writes on the tape, as scripts name it: [DATE] [TITLE] [LINE] [RESULT]
// [HEADER] [FOOTER] [ERASE].
enum class AnnotationKey { Date, Title, Line, Result, Header, Footer, Erase };

// A day, with its names in the system's language.
struct DateParts {
    int year = 2000;
    int month = 1;
    int day = 1;
    std::string dayName;    // "samedi"
    std::string monthName;  // "décembre"
};

// The date line of a language letter: "dddd d mmmm yyyy" (French, Corsican, Italian, Quebec,
// and any letter outside the table), "dddd d of mmmm yyyy" (English), "dddd, d. mmmm yyyy"
// (German), "dddd, d mmmm yyyy" (Portuguese, Spanish); capitalised (MajDate) except for an
// installation other than "ZMB".
std::string dateLine(const DateParts& day, config::InstallCode code, std::optional<char> letter);
// MajDate: all in lower case, then the first character in upper case; only A to Z change.
std::string MajDate(std::string text);

// The message of a header or footer file that is not there: its title, then the file's name
// and where it was looked for.
std::pair<std::string, std::string> missingFileMessage(const Translator& tr, std::string_view name,
                                                       std::string_view path);

// The largest header or footer file read.
inline constexpr std::uint64_t kLargestHeaderFile = 4u << 20;

struct AnnotationPorts {
    Tape& tape;
    Prompts& prompts;
    SoundOutput& sound;
    const Translator& tr;
    FileSystem& files;
};

// The date, the operation title, the line and result comments, the header and the footer,
// and the eraser of the whole tape.
class Annotations {
  public:
    Annotations(AnnotationPorts ports, calc::Registers& regs, calc::CalcSettings& settings,
                Documents& documents)
        : p_(ports), regs_(regs), settings_(settings), documents_(documents) {}

    // The day the date command writes; the windows give today's.
    std::function<DateParts()> today;
    // The language the date is written in.
    config::InstallCode install = config::InstallCode::ZMB;
    std::optional<char> letter = 'F';
    // The header and footer files (the user's copy, else the one shipped); the windows and
    // the command line decide.
    std::string headerPath;
    std::string footerPath;

    void run(AnnotationKey key);
    void InsertDate();
    void InsertTitle();
    void InsertComLine();
    void InsertComResult();
    void InsertHeader() { insertFile(headerPath); }
    void InsertFooter() { insertFile(footerPath); }
    // btnCleanEditorClick: the whole tape erased, after the question when OKBoxGum is set.
    void btnCleanEditorClick();

  private:
    // An open line that is only an operator waiting for its amount ("+ ").
    static bool waitingOperator(std::string_view openLine);
    bool calculationUnderWay() const;
    std::string answer(std::string_view titleKey, std::string_view titleFrench,
                       std::string_view promptKey, std::string_view promptFrench,
                       const std::string& defaultText);
    void insertFile(const std::string& path);
    std::string text(std::string_view key, std::string_view french) const;
    void tapeFont();

    AnnotationPorts p_;
    calc::Registers& regs_;
    calc::CalcSettings& settings_;
    Documents& documents_;
};

}  // namespace zumbrel::tape
