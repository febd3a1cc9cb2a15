// Arbitrary journals of tape files: read, replayed against a tape, or refused; a journal read
// back is written again as it was read; a correction afterwards never crashes.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/live/journal_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zumbrel;
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto read = live::readJournalText(text)) {
        // Every item read is a step the journal keeps.
        for (const auto& item : read->items)
            if (item.step.kind == live::Step::Kind::State) std::abort();
    }
    HeadlessCalculator h;
    calc::runKeys(h.calc, "12+3=[TITLE]7*2=");
    h.calc.restartJournal();
    live::journalOpenedTape(h.calc, text);
    live::CorrectionKey fix;
    fix.kind = live::CorrectionKey::Kind::Fix;
    fix.line = 2;
    fix.text = "4";
    h.calc.correct(fix);
    return 0;
}
