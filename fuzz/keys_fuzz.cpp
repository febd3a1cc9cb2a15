// Arbitrary key sequences and settings through the input line: no crash, no hang, the entry
// always a well-formed number text, and never "inf", "nan" or an exponent on the tape.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "fuzz_checks.h"

namespace {

const char* const kNbrDec[] = {"0", "1", "2", "3", "4", "5", "", "x", "12"};
const char* const kSepDec[] = {"S", "Q", "C", "P", "N", "", "Z"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const char ds = (data[0] & 1) ? '.' : ',';
    zumbrel::HeadlessCalculator h(ds, zumbrel::calc::CalcSettings{(data[3] & 1) != 0});
    auto& regs = h.calc.registers();
    regs.lblNbrDecPref = kNbrDec[data[1] % std::size(kNbrDec)];
    regs.lblSepDec = kSepDec[data[2] % std::size(kSepDec)];
    h.prompts.setDefaultAnswer((data[3] & 2) ? zumbrel::Answer::Yes : zumbrel::Answer::No);
    if (data[3] & 4) regs.edtComResult = "Total";

    const std::string_view script(reinterpret_cast<const char*>(data + 4), size - 4);
    for (const auto& k : zumbrel::calc::parseKeys(script)) {
        zumbrel::calc::runAction(h.calc, k);
        checkShown(h, ds);
    }
    checkWritten(h);
    return 0;
}
