#include "report.h"

#include "core/tape/tape_search.h"

#include <cstdio>

#include "core/business/exact.h"
#include "core/calc/number_text.h"
#include "json_writer.h"

namespace zumbrel::cli {
namespace {

std::string hexColor(Color c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return buf;
}

std::string ansiRun(const tape::TextStyle& st, std::string_view text) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "\x1b[38;2;%d;%d;%dm", st.color.red(), st.color.green(),
                  st.color.blue());
    std::string out = buf;
    if (st.bold) out += "\x1b[1m";
    if (st.hasBackground) {
        std::snprintf(buf, sizeof buf, "\x1b[48;2;%d;%d;%dm", st.background.red(),
                      st.background.green(), st.background.blue());
        out += buf;
    }
    out += text;
    return out + "\x1b[0m";
}

// Tape paragraphs are right-aligned, as on the paper roll. The roll is as wide as its widest
// line up to kRollWidth characters; a longer line (a comment, a title) is printed as it is,
// so one long line never pads every other line of a large tape. Empty lines stay empty.
constexpr std::size_t kRollWidth = 40;

std::string tapeAsText(const tape::MemoryTape& t, bool ansi) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < t.lineCount(); ++i)
        width = std::max(width, std::min(kRollWidth, calc::characterCount(t.line(i))));
    std::string out;
    for (std::size_t i = 0; i < t.lineCount(); ++i) {
        const std::size_t length = calc::characterCount(t.line(i));
        if (length > 0 && length < width) out.append(width - length, ' ');
        for (const auto& run : t.runs(i))
            if (ansi)
                out += ansiRun(t.style(run.style), run.text);
            else
                out += run.text;
        out += '\n';
    }
    return out;
}

std::string textReport(const HeadlessCalculator& h, bool ansi) {
    const auto& r = h.calc.registers();
    const auto& kept = h.calc.kept().values();
    std::string out = tapeAsText(h.tape, ansi);
    out += "--\n";
    out += "entry: " + r.edtSaisie + "\n";
    out += "display: " + r.EdtVirt + "\n";
    out += "status: " + h.status.text() + "\n";
    if (!r.lblMemory4.empty()) out += "memory: " + r.lblMemory4 + "\n";
    if (!r.grandTotal.empty()) out += "grand total: " + r.grandTotal + "\n";
    for (std::size_t i = 0; i < kept.lblMemory.size(); ++i) {
        if (!kept.lblMemory[i].empty())
            out += "memory " + std::to_string(i + 1) + ": " + kept.lblMemory[i] + "\n";
    }
    if (!kept.cbbListNbr.empty()) {
        out += "list:";
        for (const std::string& item : kept.cbbListNbr)
            out += " " + item;
        out += "\n";
    }
    if (!kept.pnlPP.empty()) out += "clipboard panel: " + kept.pnlPP + "\n";
    const tape::Documents& documents = h.calc.documents();
    if (documents.caption() != "Zumbrel") out += "caption: " + documents.caption() + "\n";
    if (documents.closed()) out += "closed: yes\n";
    for (const Event& e : h.log) {
        out += e.kind + ": " + e.detail;
        if (!e.answer.empty()) out += " -> " + e.answer;
        out += "\n";
    }
    return out;
}

const char* alignName(tape::Align a) {
    switch (a) {
        case tape::Align::Left:
            return "left";
        case tape::Align::Right:
            return "right";
        case tape::Align::Center:
            return "center";
        case tape::Align::Justify:
            return "justify";
    }
    return "right";
}

std::string jsonStyle(const tape::TextStyle& st) {
    std::string out = "{\"color\":" + jsonString(hexColor(st.color));
    auto flag = [&](const char* name, bool on) {
        out += std::string(",\"") + name + "\":" + (on ? "true" : "false");
    };
    flag("bold", st.bold);
    flag("italic", st.italic);
    flag("underline", st.underline);
    flag("strikeOut", st.strikeOut);
    out += ",\"font\":" + jsonString(st.fontName);
    // Points, with the half point an RTF size may carry ("12.5").
    out += ",\"size\":" + std::to_string(st.halfPoints / 2) + (st.halfPoints % 2 ? ".5" : "");
    out += ",\"background\":" + (st.hasBackground ? jsonString(hexColor(st.background)) : "null");
    return out + "}";
}

template <class Range, class Fn>
std::string jsonArray(const Range& items, Fn&& item) {
    std::string out = "[";
    bool first = true;
    for (const auto& x : items) {
        if (!first) out += ",";
        first = false;
        out += item(x);
    }
    return out + "]";
}

std::string jsonReport(const HeadlessCalculator& h) {
    const auto& r = h.calc.registers();
    const auto& kept = h.calc.kept().values();
    const auto& t = h.tape;
    std::string out = "{\"tape\":[";
    for (std::size_t i = 0; i < t.lineCount(); ++i) {
        if (i) out += ",";
        out += "{\"text\":" + jsonString(t.line(i));
        out += ",\"align\":" + jsonString(alignName(t.lineAlign(i))) + ",\"runs\":";
        out += jsonArray(t.runs(i), [&](const tape::RichText::Run& run) {
            return "{\"text\":" + jsonString(run.text) +
                   ",\"style\":" + jsonStyle(t.style(run.style)) + "}";
        });
        out += "}";
    }
    out += "],\"history\":" +
           jsonArray(h.history.lines(), [](const std::string& s) { return jsonString(s); });
    out += ",\"entry\":" + jsonString(r.edtSaisie);
    out += ",\"entrySelected\":" + std::string(r.entrySelected ? "true" : "false");
    out += ",\"display\":" + jsonString(r.EdtVirt);
    out += ",\"status\":" + jsonString(h.status.text());
    out += ",\"memory\":" + jsonString(r.lblMemory4);
    out += ",\"grandTotal\":" + jsonString(r.grandTotal);
    // What the margin block was given so far: null where nothing was.
    const business::MarginValues& margin = h.calc.business().margin;
    const auto given = [&](const std::optional<business::Exact>& v) {
        return v ? jsonString(business::formatShortest(*v, r.decimalSeparator)) : "null";
    };
    out += ",\"margin\":{\"cost\":" + given(margin.cost) + ",\"sale\":" + given(margin.sale) +
           ",\"rate\":" + given(margin.rate) +
           ",\"rateOnSale\":" + (margin.rateOnSale ? "true" : "false") + "}";
    // Each correction asked for: done or refused, its line, what the line showed before and
    // after, the total it changed and the lines rewritten.
    out += ",\"corrections\":" +
           jsonArray(h.calc.corrections().outcomes(), [&](const live::CorrectionOutcome& o) {
               const live::Correction& c = o.correction;
               std::string item = "{\"done\":" + std::string(o.done ? "true" : "false");
               item += ",\"line\":" + std::to_string(c.line + 1);
               item += ",\"message\":" + jsonString(o.message(h.translator));
               if (!o.done) return item + "}";
               item += ",\"old\":" + jsonString(c.oldText) + ",\"new\":" + jsonString(c.newText);
               item += ",\"totalBefore\":" + jsonString(c.totalBefore) +
                       ",\"totalAfter\":" + jsonString(c.totalAfter);
               item += ",\"changedLines\":" + jsonArray(c.changedLines, [](std::size_t l) {
                           return std::to_string(l + 1);
                       });
               return item + "}";
           });
    out += ",\"halted\":" + std::string(r.halted ? "true" : "false");
    const auto strings = [](const auto& items) {
        return jsonArray(items, [](const std::string& s) { return jsonString(s); });
    };
    out += ",\"memories\":" + strings(kept.lblMemory);
    out += ",\"list\":" + strings(kept.cbbListNbr);
    out += ",\"clipboardPanel\":" + jsonString(kept.pnlPP);
    const tape::Documents& documents = h.calc.documents();
    out += ",\"caption\":" + jsonString(documents.caption());
    out += ",\"saved\":" + std::string(documents.tapeSaved() ? "true" : "false");
    out += ",\"closed\":" + std::string(documents.closed() ? "true" : "false");
    out += ",\"clipboard\":" + (h.clipboard.text() ? jsonString(*h.clipboard.text()) : "null");
    out += ",\"events\":" + jsonArray(h.log, [](const Event& e) {
               return "{\"kind\":" + jsonString(e.kind) + ",\"detail\":" + jsonString(e.detail) +
                      (e.answer.empty() ? "" : ",\"answer\":" + jsonString(e.answer)) + "}";
           });
    return out + "}\n";
}

std::vector<std::size_t> foundLines(const HeadlessCalculator& h, const std::string& find) {
    std::string line;
    const auto at = [&](std::size_t i) -> std::string_view {
        line = h.tape.line(i);
        return line;
    };
    std::vector<std::size_t> found = tape::findLines(tape::TapeSearch(find), h.tape.lineCount(), at,
                                                     h.calc.registers().decimalSeparator);
    for (std::size_t& n : found)
        ++n;  // as the line counter counts
    return found;
}

}  // namespace

std::string report(const HeadlessCalculator& h, OutputFormat format,
                   const std::optional<std::string>& find) {
    const std::vector<std::size_t> found = find ? foundLines(h, *find) : std::vector<std::size_t>{};
    if (format == OutputFormat::Json) {
        std::string out = jsonReport(h);
        if (find) {
            out.erase(out.size() - 2);  // "}\n"
            out +=
                ",\"found\":" + jsonArray(found, [](std::size_t n) { return std::to_string(n); }) +
                "}\n";
        }
        return out;
    }
    std::string out = textReport(h, format == OutputFormat::Ansi);
    if (find) {
        out += "found:";
        for (std::size_t n : found)
            out += " " + std::to_string(n);
        out += "\n";
    }
    return out;
}

}  // namespace zumbrel::cli
