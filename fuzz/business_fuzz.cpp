// Hostile rates, ceilings and names under the business buttons: no crash, no hang, nothing
// but numbers shown, and a block is either written whole or not at all.
//
// Input: three bytes of settings, then six lines (VAT, TPS, TVP, exchange rate, charge rate,
// ceiling), then keys. The tax's name is a word of ours: the tape shows it as it is.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "fuzz_checks.h"

namespace {

const char* const kNbrDec[] = {"0", "1", "2", "3", "4", "5", "", "x"};
const char* const kRegisters[] = {"tva", "tps", "tvp", "money-rate", "ae-rate", "ae-ceiling"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const char ds = (data[0] & 1) ? '.' : ',';
    zumbrel::HeadlessCalculator h(ds);
    auto& regs = h.calc.registers();
    regs.lblNbrDecPref = kNbrDec[data[1] % std::size(kNbrDec)];
    regs.lblSepDec = (data[0] & 2) ? "S" : "C";
    h.calc.business().letter = (data[2] & 1) ? 'Q' : 'F';

    std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
    for (const char* name : kRegisters) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) break;
        h.calc.business().set(name, std::string(rest.substr(0, end)));
        rest.remove_prefix(end + 1);
    }
    for (const auto& k : zumbrel::calc::parseKeys(rest)) {
        const std::size_t memo = h.history.lineCount(), tape = h.tape.lineCount();
        zumbrel::calc::runAction(h.calc, k);
        checkShown(h, ds);
        // A block writes both its tape lines and its memo, or neither.
        const bool wroteMemo = h.history.lineCount() != memo;
        const bool wroteTape = h.tape.lineCount() != tape;
        if (std::holds_alternative<zumbrel::business::BusinessKey>(k) && wroteMemo != wroteTape)
            fail("half a block", h.calc.registers().edtSaisie);
    }
    checkWritten(h);
    return 0;
}
