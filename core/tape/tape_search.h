#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zumbrel::tape {

// What the find bar looks for. An amount ("1234,5", "1 234,50", "1'234.5") is found whatever
// its grouping and its decimal separator: by its value, as the tape writes it ("1 234,50",
// "1'234,50", "1234.50" under "."). Any other text is found as written, without regard to
// case.
class TapeSearch {
  public:
    explicit TapeSearch(std::string_view typed);

    bool empty() const { return text_.empty(); }
    bool isAmount() const { return !amount_.empty(); }
    // Whether the line holds what is looked for; the tape's decimal separator tells its
    // numbers' separators apart.
    bool matches(std::string_view line, char decimalSeparator) const;

  private:
    std::string text_;    // folded to lower case
    std::string amount_;  // the amount's digits, "." before the decimals, no useless zero
};

// The numbers (0-based) of the lines that hold what is looked for, in order.
std::vector<std::size_t> findLines(const TapeSearch& search, std::size_t lineCount,
                                   const std::function<std::string_view(std::size_t)>& line,
                                   char decimalSeparator);

}  // namespace zumbrel::tape
