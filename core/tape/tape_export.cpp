#include "core/tape/tape_export.h"

#include <cmath>
#include <optional>

#include "core/calc/decimal.h"
#include "core/calc/kept_numbers.h"
#include "core/text_util.h"

namespace zumbrel::tape {
namespace {

constexpr std::string_view kRule = "——————————";

std::string quoted(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// A result line that counts its items begins with the count: "n 3  40,00" shows 40,00.
std::string_view withoutItemCount(std::string_view text) {
    text = trimSpaces(text);
    if (!text.starts_with("n ")) return text;
    std::size_t end = 2;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end == 2 || text.substr(end, 2) != "  ") return text;
    return text.substr(end + 2);
}

}  // namespace

std::string_view lineOperator(std::string_view text) {
    for (std::string_view op : {"+", "–", "-", "*", "/", "%"}) {
        if (text.starts_with(op) && (text.size() == op.size() || text[op.size()] == ' ')) return op;
    }
    return {};
}

std::string lineAmount(std::string_view text, const calc::FormatOptions& opt) {
    const std::size_t colon = text.rfind(':');
    if (colon != std::string_view::npos) text.remove_prefix(colon + 1);
    text = withoutItemCount(text);
    std::string digits;
    const auto grouping = calc::thousandsSeparator(opt);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || (grouping && c == *grouping)) continue;
        if (text.substr(i, 2) == "\xC2\xA0") {  // a no-break space groups thousands too
            ++i;
            continue;
        }
        digits += c;
    }
    const std::string_view op = lineOperator(trimSpaces(text));
    std::string_view number = digits;
    if (!op.empty() && number.starts_with(op)) number.remove_prefix(op.size());
    const auto value = calc::parseNumber(number, opt.decimalSeparator);
    if (!value || !std::isfinite(*value)) return {};
    std::string out(number);
    while (!out.empty() && out.front() == ' ')
        out.erase(0, 1);
    for (char& c : out) {
        if (c == opt.decimalSeparator) c = '.';
    }
    return out;
}

namespace {

constexpr Color kTaxLine{2895050};  // the VAT block's tax lines

// A comment written on the left of a number: a line comment (navy) or a result comment
// (green).
bool isComment(const RichRun& run) {
    return run.style.color == colors::kNavy || run.style.color == colors::kGreen;
}

// The part of a line that holds its number, without the comment on its left ("Taxi 23,40",
// "+ Fattura 7 30,00" keep "23,40" and "+ 30,00"), and the number's style.
struct NumberPart {
    std::string text;
    TextStyle style;
};

NumberPart numberPart(const Tape& tape, std::size_t i) {
    const std::vector<RichRun> runs = tape.lineRuns(i);
    NumberPart part;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        if (r + 1 < runs.size() && isComment(runs[r])) continue;
        part.text += runs[r].text;
        part.style = runs[r].style;
    }
    part.text = std::string(trimSpaces(part.text));
    return part;
}

bool isMinus(std::string_view op) {
    return op == "–" || op == "-";
}

std::string negated(const std::string& amount) {
    if (amount.front() == '-') return amount.substr(1);
    if (amount.find_first_of("123456789") == std::string::npos) return amount;  // no "-0.00"
    return "-" + amount;
}

// A line the memory and grand-total keys wrote: "G.T. 1 234,00" gives the grand total,
// "12,50 M2+" and "12,50 M−" what a memory was given, signed as it counts in the memory.
struct KeptLine {
    const char* kind;
    std::string_view number;
    bool subtracted = false;
};

std::optional<KeptLine> keptLine(std::string_view text) {
    if (text.starts_with("G.T. ")) return KeptLine{"grand total", text.substr(5)};
    if (const std::optional<calc::MemoryLine> m = calc::memoryLine(text))
        return KeptLine{"memory", m->amount, m->subtracted};
    return std::nullopt;
}

// The amount as it counts in the calculation: a minus operator before the number makes it
// negative ("– 250,75", "CA en cours : - 20 000,00"), and a subtracted negative number counts
// positively ("– -2,00"). A percentage gives its rate ("+ 5,00 %" is 5.00). `carried` is the
// operator of a line above that stood alone (a line comment put the number on a line of its
// own). Empty when the line shows no number.
std::string countedAmount(std::string_view text, std::string_view carried,
                          const calc::FormatOptions& opt) {
    if (text.ends_with('%')) text = trimSpaces(text.substr(0, text.size() - 1));
    std::string amount = lineAmount(text, opt);
    if (amount.empty()) return amount;
    const std::size_t colon = text.rfind(':');
    const std::string_view number =
        trimSpaces(colon == std::string_view::npos ? text : text.substr(colon + 1));
    const std::string_view op = lineOperator(number);
    if (!isMinus(op) && !(op.empty() && isMinus(carried))) return amount;
    return negated(amount);
}

// The result of the block a tax line stands in: the first line after the next rule.
std::string blockResult(const Tape& tape, std::size_t i, const calc::FormatOptions& opt) {
    for (std::size_t j = i + 1; j < tape.lineCount(); ++j) {
        if (trimSpaces(tape.line(j)) != kRule) continue;
        for (std::size_t k = j + 1; k < tape.lineCount(); ++k) {
            const std::string line = tape.line(k);
            if (!trimSpaces(line).empty()) return lineAmount(trimSpaces(line), opt);
        }
        break;
    }
    return {};
}

// A tax line counts as it goes into the block's result: added on the way from a price
// before tax, taken off on the way back ("TTC : 120,00", "TVA : 19,67", "HT : 100,33"), so
// that the block's rows sum to its result.
std::string countedTax(std::string amount, const std::string& blockAmount,
                       const std::string& result) {
    if (amount.empty() || blockAmount.empty() || result.empty()) return amount;
    return std::stold(result) < std::stold(blockAmount) ? negated(amount) : amount;
}

std::string signOf(const std::string& amount) {
    if (amount.empty()) return {};
    return amount.front() == '-' ? "negative" : "positive";
}

}  // namespace

std::string lineComment(const Tape& tape, std::size_t line) {
    std::string comment;
    for (const RichRun& run : tape.lineRuns(line)) {
        if (isComment(run)) comment += run.text;
    }
    return std::string(trimSpaces(comment));
}

std::string exportCsv(const Tape& tape, const calc::FormatOptions& opt) {
    std::string out = "operator,amount,text,kind,sign\r\n";
    bool afterRule = false;
    std::string lastResult;    // the latest result while only blank lines follow it
    std::string_view carried;  // an operator alone on its line, for the number below it
    std::string blockAmount;   // the first amount since the last result (a block's price)
    for (std::size_t i = 0; i < tape.lineCount(); ++i) {
        const std::string line = tape.line(i);
        const std::string_view text = trimSpaces(line);
        if (text.empty()) continue;
        if (text == kRule) {
            out += ",," + quoted(text) + ",rule,\r\n";
            afterRule = true;
            lastResult.clear();
            continue;
        }
        const NumberPart part = numberPart(tape, i);
        if (const std::optional<KeptLine> kept = keptLine(part.text)) {
            std::string amount = lineAmount(kept->number, opt);
            if (kept->subtracted && !amount.empty()) amount = negated(amount);
            out += "," + amount + "," + quoted(text) + "," + kept->kind + "," + signOf(amount) +
                   "\r\n";
            afterRule = false;
            lastResult.clear();
            carried = {};
            continue;
        }
        std::string amount = countedAmount(part.text, carried, opt);
        std::string_view op = lineOperator(part.text);
        if (op.empty() && !amount.empty()) op = carried;
        carried = op == part.text ? op : std::string_view();
        std::string kind;
        if (!carried.empty()) {
            kind = "operand";  // its number follows on the next line
        } else if (part.style.color == kTaxLine) {
            kind = "tax line";
            amount = countedTax(amount, blockAmount, blockResult(tape, i, opt));
        } else if (amount.empty()) {
            kind = part.style.bold ? "title" : "comment";
        } else if (afterRule) {
            kind = "result";
        } else if (op.empty() && amount == lastResult) {
            kind = "interim";  // a result carried into the next calculation
        } else {
            kind = "operand";
        }
        // The tape's minus is an en dash; a spreadsheet wants "-".
        out += std::string(isMinus(op) ? "-" : op) + "," + amount + "," + quoted(text) + "," +
               kind + "," + signOf(amount) + "\r\n";
        lastResult = kind == "result" ? amount : std::string();
        if ((kind == "operand" || kind == "interim") && blockAmount.empty()) blockAmount = amount;
        if (kind == "result") blockAmount.clear();
        afterRule = false;
    }
    return out;
}

PageRect pageRectangle(int dpiX, int dpiY, int offsetX, int offsetY, int width, int height) {
    const auto inches = [](double n, int dpi) { return static_cast<int>(std::lround(n * dpi)); };
    return {inches(0.5, dpiX) - offsetX, inches(0.5, dpiY) - offsetY,
            width - inches(1.0, dpiX) - offsetX, height - inches(0.5, dpiY) - offsetY};
}

}  // namespace zumbrel::tape
