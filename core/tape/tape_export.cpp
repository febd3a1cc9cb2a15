#include "tape/tape_export.h"

#include <cmath>

#include "calc/decimal.h"
#include "text_util.h"

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

std::string meaningOf(const Tape& tape, std::size_t i, bool hasAmount, bool afterRule) {
    const auto runs = tape.lineRuns(i);
    const TextStyle st = runs.empty() ? TextStyle{} : runs.front().style;
    if (st.color == colors::kRed) return "negative";
    if (st.color == Color{2895050}) return "tax line";
    if (!hasAmount) return st.bold ? "title" : "comment";
    if (afterRule || st.bold) return "result";
    return "operand";
}

}  // namespace

std::string exportCsv(const Tape& tape, const calc::FormatOptions& opt) {
    std::string out = "operator,amount,text,meaning\r\n";
    bool afterRule = false;
    for (std::size_t i = 0; i < tape.lineCount(); ++i) {
        const std::string line = tape.line(i);
        const std::string_view text = trimSpaces(line);
        if (text.empty()) continue;
        if (text == kRule) {
            out += ",," + quoted(text) + ",rule\r\n";
            afterRule = true;
            continue;
        }
        const std::string amount = lineAmount(text, opt);
        // The tape's minus is an en dash; a spreadsheet wants "-".
        const std::string_view op = lineOperator(text);
        out += std::string(op == "–" ? "-" : op) + "," + amount + "," + quoted(text) + "," +
               meaningOf(tape, i, !amount.empty(), afterRule) + "\r\n";
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
