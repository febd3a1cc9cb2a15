#pragma once

// What every run of the calculator must keep true, whatever the input.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/headless_calculator.h"

namespace {

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

// The entry is a number text, and nothing shown is "inf", "nan" or an exponent.
void checkShown(const zumbrel::HeadlessCalculator& h, char ds) {
    if (!wellFormedEntry(h.calc.registers().edtSaisie, ds))
        fail("entry", h.calc.registers().edtSaisie);
    // A message may quote what the user wrote (« 1e9 »): that is no number of ours.
    std::string status = h.status.text();
    for (auto open = status.find("«"); open != std::string::npos; open = status.find("«")) {
        // The text quoted may hold a » of its own: the quote ends at the last one.
        const auto close = status.rfind("»");
        status.erase(open, close == std::string::npos || close < open ? std::string::npos
                                                                      : close - open + 2);
    }
    if (printsNonNumber(status)) fail("status", h.status.text());
}

void checkWritten(const zumbrel::HeadlessCalculator& h) {
    for (std::size_t i = 0; i < h.tape.lineCount(); ++i) {
        if (printsNonNumber(h.tape.line(i))) fail("tape", h.tape.line(i));
    }
    for (const std::string& line : h.history.lines()) {
        if (printsNonNumber(line)) fail("history", line);
    }
}

}  // namespace
