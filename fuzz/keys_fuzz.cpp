// Arbitrary key sequences and settings through the input line: no crash, no hang, the entry
// always a well-formed number text, and never "inf", "nan" or an exponent on the tape.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/key_script.h"
#include "headless_calculator.h"

namespace {

const char* const kNbrDec[] = {"0", "1", "2", "3", "4", "5", "", "x", "12"};
const char* const kSepDec[] = {"S", "Q", "C", "P", "N", "", "Z"};

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

// Digits, at most one separator, and a leading minus only.
bool wellFormedEntry(std::string_view t, char ds) {
    if (!t.empty() && t.front() == '-') t.remove_prefix(1);
    bool separator = false;
    for (char c : t) {
        if (c == ds && !separator) {
            separator = true;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

bool printsNonNumber(std::string_view line) {
    if (line.find("inf") != std::string_view::npos || line.find("nan") != std::string_view::npos)
        return true;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const bool exponent = line[i] == 'e' || line[i] == 'E';
        if (exponent && line[i - 1] >= '0' && line[i - 1] <= '9') return true;
    }
    return false;
}

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
        if (!wellFormedEntry(regs.edtSaisie, ds)) fail("entry", regs.edtSaisie);
        if (printsNonNumber(h.status.text())) fail("status", h.status.text());
    }
    for (std::size_t i = 0; i < h.tape.lineCount(); ++i) {
        if (printsNonNumber(h.tape.line(i))) fail("tape", h.tape.line(i));
    }
    for (const std::string& line : h.history.lines()) {
        if (printsNonNumber(line)) fail("history", line);
    }
    return 0;
}
