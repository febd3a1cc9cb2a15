#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zumbrel::calc {

// The places that keep numbers beside the chain: three memories, the sorted number list,
// the history list and the clipboard panel. They keep plain number texts: sign, digits and
// the decimal separator (DS), no thousands separators.

// A value entering a memory, the list or the clipboard panel: spaces (also no-break ones)
// and apostrophes go, and so does whichever of "," and "." is not the DS.
std::string normalisedValue(std::string_view text, char ds);

// The number list: unique texts, smallest value first. Items are compared by value whatever
// their separator ("," and "." alike), so a list written under another DS still sorts; a
// text that is no number sorts last, in text order, and is kept.
void addToNumberList(std::vector<std::string>& list, std::string value);
// The list made of items read from elsewhere (the settings): each once, in that order,
// sorted in one pass.
std::vector<std::string> numberListOf(const std::vector<std::string>& items);

// The number a history line stands for: what follows its last ":" or "=" (the whole line
// when it has neither), with a minus or an en dash kept only right before the first digit,
// and only digits and the DS otherwise. "= 15,00" and "12,00 +" give 15,00 and 12,00;
// "3,00 -" gives 3,00 (a trailing operator is no sign); "TVA 20 % : 20,00" gives 20,00.
std::string numberFromHistoryLine(std::string_view line, char ds);

// A line the memory keys write, "12,50 M+", "12,50 M2+" or "12,50 M3−": the amount the memory
// was given and whether it was taken away from it. Nothing for any other line.
struct MemoryLine {
    std::string_view amount;
    bool subtracted = false;
};
std::optional<MemoryLine> memoryLine(std::string_view line);

// The paste command's reading of the clipboard's text.
struct PastedNumber {
    // false: no digit, more than one number, one separator kind more than once, or too long
    bool valid = false;
    std::string text;  // the number, with DS as its separator (valid only)
};
// The paste filter drops every " %" and keeps only digits and the two separators (and a sign
// right before the first digit); of what it keeps, the first kPasteLimit characters are read.
// When both "," and "." occur, the one that occurs last is the decimal separator and the
// other is dropped ("1.234,56" is 1234,56); a separator standing first gets a "0" before it.
// A number with more significant digits than the entry takes (kEntryCapacity) is refused,
// and so is a text holding several numbers ("3 pieces at 4,99", "1e3", a date): between two
// digits only one separator, space or apostrophe may stand, else the digits would join into
// an amount nobody copied.
inline constexpr std::size_t kPasteLimit = 80;
PastedNumber readPastedNumber(std::string_view clipboard, char ds);

// The clipboard's text as the invalid-content message shows it: at most 200 characters.
std::string clippedForMessage(std::string_view clipboard);

}  // namespace zumbrel::calc
