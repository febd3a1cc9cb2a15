#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/business/business_registers.h"
#include "core/business/exact.h"
#include "core/calc/context.h"
#include "core/calc/entry.h"
#include "core/tape/style.h"

namespace zumbrel::business {

// The colours of the blocks' lines.
namespace blockColors {
inline constexpr Color kEntered{1541956};  // the amount typed in forward blocks
inline constexpr Color kTax{2895050};      // tax lines and their rule
inline constexpr Color kFinal{15153274};   // the amount forward blocks end with
inline constexpr Color kEuro{11929759};    // an amount in euros
inline constexpr Color kOther{3409657};    // an amount in the other currency
inline constexpr Color kCharges{4068998};  // self-employed charges
inline constexpr Color kHighlight{65535};  // the golden number's background
}  // namespace blockColors

// What the blocks share: the checks before a block is written, the amount format, the
// colon spacer, the tape and memo lines, and the entry left holding the final amount.
class Block {
  public:
    Block(calc::Registers& regs, calc::Entry& entry, calc::Ports& ports, const BusinessRegisters& b)
        : regs_(regs), entry_(entry), ports_(ports), business_(b) {}

    // How a refused negative entry is reported.
    enum class NegativeReport { MessageAndStatus, MessageOnly, FrenchMessageAndStatus };

    // The common start: false when the block must not be written (an empty entry; a
    // negative entry, reported; an operation in progress, or a calculator waiting for
    // Reset: a beep). Plays the common click first.
    bool start(NegativeReport report);
    // A rate (or ceiling) caption as a number, or nothing after saying why. Refused: no
    // number, a negative one, and zero where `zeroAllowed` is false.
    std::optional<Exact> rate(std::string_view caption, bool zeroAllowed, const Message& why) const;

    // The entry as an exact number (CalcError when it is none).
    Exact entryValue() const;
    // Decimal places of amounts: NbrDec from 3 to 5, otherwise 2.
    int places() const;
    std::string amount(const Exact& v) const;
    std::string amount(long double v) const;
    std::string grouped(std::string_view amountText) const;
    // A rate as the tape shows it: the current decimal separator.
    std::string rateText(std::string_view caption) const;
    // The text between a label and ": " (French typography's space).
    std::string spacer() const;
    std::string text(const Message& m) const { return ports_.tr.text(m); }
    const std::string& display() const { return regs_.EdtVirt; }
    // a × b / c rounded to places (CalcError when out of range).
    Exact mulDiv(const Exact& a, const Exact& b, const Exact& c, int places) const;
    Exact sum(const Exact& a, const Exact& b) const;
    Exact difference(const Exact& a, const Exact& b) const;

    // A line of the tape in a colour; `color` nothing is the tape's own colour.
    void line(std::string_view text, std::optional<Color> color, bool bold);
    // A line in the style of the line before it.
    void rule();
    void highlightedLine(std::string_view text, Color background);
    // Lines of the history memo, then an empty one.
    void memo(const std::vector<std::string>& lines);
    // The tape's own style and two empty lines.
    void close();
    // The entry takes the final amount (unless nothing), selected and standing as a result.
    void finish(std::optional<std::string> entryText, long double value);

    calc::Registers& regs() { return regs_; }
    calc::Ports& ports() { return ports_; }
    calc::Entry& entry() { return entry_; }

  private:
    calc::Registers& regs_;
    calc::Entry& entry_;
    calc::Ports& ports_;
    const BusinessRegisters& business_;
};

}  // namespace zumbrel::business
