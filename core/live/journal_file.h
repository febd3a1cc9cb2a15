#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/live/journal.h"

namespace zumbrel::calc {
class Calculator;
}

namespace zumbrel::live {

// The journal as a tape file keeps it: printable ASCII without \ { }, so that it sits in an
// RTF destination that word processors skip. "1 <first line> <NbrDec%09SepDec>;" then the steps in
// the key language of scripts ("12+3=[TVA+]"), with [N=…] a number brought back, [C=…] a result
// comment, [F=…] decimals and grouping, [#p.c] lines written by something not replayed
// (p line breaks, then c bytes), [R=…] the rates and language the blocks after it were
// written with (one first for the journal's start), texts percent-encoded.
std::string journalText(const Journal& journal);

// A journal read back: its steps, texts and where foreign lines end; nothing when the text is
// not one (a damaged or hostile file).
struct ReadJournal {
    std::size_t firstLine = 0;
    std::string format;  // NbrDec, a tab, SepDec, when the journal began
    struct Item {
        Step step;
        std::string text;                       // Number, Comment, Format
        std::size_t breaks = 0, lastBytes = 0;  // Foreign
        std::size_t rates = 0;                  // Rates: its place in `rates` below
    };
    std::vector<Item> items;
    // The rates of the Rates items, apart: they are large, and items are as many as keys.
    std::vector<business::BusinessRegisters> rates;
};
std::optional<ReadJournal> readJournalText(std::string_view text);

// After a tape was opened: the journal its file keeps, when replaying it writes exactly the
// tape's lines; otherwise one rebuilt from the lines that read back as calculations (an
// amount, operator lines, the rule, the result); every other line stays as it is and cannot
// be corrected. The calculator's own state is not changed: what is typed next goes on from it.
void journalOpenedTape(calc::Calculator& calc, std::string_view journal);

// After a crash: the tape kept by the recovery, with its journal. When the journal replays to
// exactly the tape's lines, the calculator goes on from where the replay left it (the
// operation under way, the grand total), as if the program had not stopped; true then. The
// memories are not in a journal. Otherwise it is as journalOpenedTape.
bool resumeRecoveredTape(calc::Calculator& calc, std::string_view journal);

}  // namespace zumbrel::live
