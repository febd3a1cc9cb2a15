#pragma once

#include <string>
#include <string_view>

#include "core/calc/number_text.h"
#include "core/tape/tape.h"

namespace zumbrel::tape {

// The tape as CSV, one row a line with text, so that a spreadsheet can sum a tape:
//   operator  the operator the line begins with ("+", "-", "*", "/", "%"), or nothing
//   amount    the line's number with "." as decimal point, signed as it counts in the
//             calculation (a subtracted operand is negative, a negative result too); empty
//             when the line holds none
//   text      the line as the tape shows it
//   kind      operand, result, interim (a result carried into the next calculation), tax
//             line, rule, title or comment
//   sign      negative or positive, as the amount counts; empty without an amount
// `opt` says how the tape writes its numbers.
std::string exportCsv(const Tape& tape, const calc::FormatOptions& opt);

// The comment written on the left of a line's number, in the navy of line comments or the
// green of result comments ("Taxi", "Fattura 7"), trimmed; empty when there is none.
std::string lineComment(const Tape& tape, std::size_t line);

// The operator a tape line begins with ("+ 5,00", "– 3,00"), or nothing.
std::string_view lineOperator(std::string_view text);
// The number a line shows, after its operator, its last colon or its item count, as
// "1234.5"; empty when it shows none.
std::string lineAmount(std::string_view text, const calc::FormatOptions& opt);

// Where the text goes on a page, in printer pixels: half an inch from the paper's left, top
// and bottom edges, one inch from its right edge, whatever the unprintable offsets.
struct PageRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const PageRect&, const PageRect&) = default;
};
PageRect pageRectangle(int dpiX, int dpiY, int offsetX, int offsetY, int width, int height);

}  // namespace zumbrel::tape
