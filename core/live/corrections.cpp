#include "core/live/corrections.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/calc/calculator.h"
#include "core/calc/input_line.h"
#include "core/calc/number_text.h"
#include "core/live/replay.h"
#include "core/tape/memory_tape.h"

namespace zumbrel::live {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

Step charStep(char c) {
    return {Step::Kind::Char, static_cast<std::uint8_t>(c)};
}

// Whether the space at `at` groups thousands: a digit before it, exactly three after it.
bool groupsThousands(std::string_view line, std::size_t at) {
    if (at == 0 || !isDigit(line[at - 1]) || at + 3 >= line.size()) return false;
    for (std::size_t i = at + 1; i <= at + 3; ++i)
        if (!isDigit(line[i])) return false;
    return at + 4 == line.size() || !isDigit(line[at + 4]);
}

// The number a result line ends with ("n 3  1 249,00" and "Total 1 249,00" give "1 249,00",
// "Total Q3 -3,12" gives "-3,12"): digits, separators, spaces between groups of thousands and
// a leading minus, back from the end.
std::string trailingAmount(std::string_view line) {
    while (!line.empty() && line.back() == ' ')
        line.remove_suffix(1);
    std::size_t b = line.size();
    while (b > 0) {
        const char c = line[b - 1];
        if (c == '-') {  // the sign opens the amount
            --b;
            break;
        }
        const bool part = isDigit(c) || c == ',' || c == '.' || c == '\'' ||
                          (c == ' ' && groupsThousands(line, b - 1));
        if (!part) break;
        --b;
    }
    std::string_view amount = line.substr(b);
    while (!amount.empty() && amount.front() == ' ')
        amount.remove_prefix(1);
    return std::string(amount);
}

bool givesResult(const Step& s) {
    return (s.kind == Step::Kind::Char && s.code == '\r') || s.kind == Step::Kind::Business ||
           s.kind == Step::Kind::GrandTotal ||
           (s.kind == Step::Kind::Command &&
            s.code == static_cast<std::uint8_t>(calc::Command::SquareRoot));
}

// The steps from `first` on that write a result.
std::vector<std::size_t> resultSteps(const std::vector<Step>& steps, std::size_t first) {
    std::vector<std::size_t> out;
    for (std::size_t i = first; i < steps.size(); ++i) {
        if (givesResult(steps[i])) out.push_back(i);
    }
    return out;
}

// How many results the steps from `first` on wrote (an Enter after a lone amount writes none);
// `lineBase` is the line the journal's first step began on.
std::size_t writtenResults(const std::vector<Step>& steps, std::size_t first,
                           std::size_t lineBase) {
    std::size_t n = 0;
    for (std::size_t i = first; i < steps.size(); ++i) {
        const std::size_t before = i > 0 ? steps[i - 1].linesAfter : lineBase;
        if (givesResult(steps[i]) && steps[i].linesAfter > before) ++n;
    }
    return n;
}

// The lines step i wrote, [begin, end), in the numbering of its journal.
std::pair<std::size_t, std::size_t> linesOf(const std::vector<Step>& steps, std::size_t i) {
    return {i > 0 ? steps[i - 1].linesAfter : 0, steps[i].linesAfter};
}

// The last amount result step i wrote, its lines read through `lineText` (lines before
// `lineOffset` are not the journal's).
template <class LineText>
std::string resultText(const std::vector<Step>& steps, std::size_t i, std::size_t lineOffset,
                       LineText lineText) {
    const auto [begin, end] = linesOf(steps, i);
    for (std::size_t l = end; l > begin && l > lineOffset; --l) {
        std::string amount = trailingAmount(lineText(l - 1 - lineOffset));
        if (!amount.empty()) return amount;
    }
    return {};
}

std::string interim(const calc::Registers& r) {
    const std::string& v = r.lblTamponNum1.empty() ? r.edtSaisie : r.lblTamponNum1;
    return calc::AddSepToMil(v, r.format());
}

}  // namespace

bool amountKeys(std::string_view amount, std::vector<Step>& keys) {
    keys.clear();
    bool negative = false;
    bool separator = false;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < amount.size(); ++i) {
        const char c = amount[i];
        if (isDigit(c)) {
            keys.push_back(charStep(c));
            ++digits;
        } else if (c == ',' || c == '.') {
            if (separator) return false;
            separator = true;
            keys.push_back(charStep(','));
        } else if (c == '-' && !negative && (i == 0 || i + 1 == amount.size())) {
            negative = true;
        } else if (c == ' ' || c == '\'') {
            continue;  // grouping
        } else if (static_cast<unsigned char>(c) == 0xC2 && i + 1 < amount.size() &&
                   static_cast<unsigned char>(amount[i + 1]) == 0xA0) {
            ++i;  // a no-break space
        } else {
            return false;
        }
    }
    if (digits == 0 || digits > calc::kEntryCapacity) return false;
    if (negative)
        keys.push_back({Step::Kind::Command, static_cast<std::uint8_t>(calc::Command::SignChange)});
    return true;
}

std::string CorrectionOutcome::message(const Translator& tr) const {
    if (!done) return tr.text(refusal) + (detail.empty() ? "" : " " + detail);

    if (correction.totalAfter.empty()) return {};
    std::string m = tr.text(msg::kRecalculated) + " " + correction.totalAfter;
    if (!correction.totalBefore.empty())
        m += " (" + tr.text(msg::kBefore) + " " + correction.totalBefore + ")";
    if (correction.warning) m += ". " + tr.text(*correction.warning);
    return m;
}

std::optional<CorrectionKey> parseCorrectionKey(std::string_view token) {
    using Kind = CorrectionKey::Kind;
    const auto plain = [](Kind kind) {
        CorrectionKey key;
        key.kind = kind;
        return key;
    };
    if (token == "UNDO") return plain(Kind::Undo);
    if (token == "REDO") return plain(Kind::Redo);
    static constexpr std::pair<std::string_view, Kind> kNames[] = {{"FIXOP ", Kind::FixOperator},
                                                                   {"FIX ", Kind::Fix},
                                                                   {"DEL ", Kind::Delete},
                                                                   {"INS ", Kind::Insert}};
    for (const auto& [name, kind] : kNames) {
        if (!token.starts_with(name)) continue;
        std::string_view rest = token.substr(name.size());
        const std::size_t eq = rest.find('=');
        const std::string_view number = rest.substr(0, eq);
        if (number.empty() || number.size() > 9 ||
            number.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        CorrectionKey key = plain(kind);
        key.line = std::stoul(std::string(number));
        if (key.line == 0) return std::nullopt;
        if (kind == Kind::Delete)
            return eq == std::string_view::npos ? std::optional(key) : std::nullopt;
        if (eq == std::string_view::npos) return std::nullopt;
        std::string_view value = rest.substr(eq + 1);
        if (kind == Kind::FixOperator || kind == Kind::Insert) {
            if (value.empty()) return std::nullopt;
            key.op = value.front();
            value.remove_prefix(1);
            if (kind == Kind::FixOperator && !value.empty()) return std::nullopt;
        }
        key.text = std::string(value);
        return key;
    }
    return std::nullopt;
}

CorrectionOutcome Corrections::run(const CorrectionKey& key) {
    using Kind = CorrectionKey::Kind;
    const std::size_t line = key.line - (key.line > 0 ? 1 : 0);
    CorrectionOutcome out;
    switch (key.kind) {
        case Kind::Fix:
            out = fixAmount(line, key.text);
            break;
        case Kind::FixOperator:
            out = fixOperator(line, key.op);
            break;
        case Kind::Delete:
            out = remove(line);
            break;
        case Kind::Insert:
            out = insertAfter(line, key.op, key.text);
            break;
        case Kind::Undo:
            out = undo();
            break;
        case Kind::Redo:
            out = redo();
            break;
        case Kind::FixLine:
            out = fixLine(line, key.op, key.text);
            break;
    }
    if (!out.done && key.kind != Kind::Undo && key.kind != Kind::Redo) out.correction.line = line;
    outcomes_.push_back(out);
    return out;
}

void Corrections::forgetOtherJournals() {
    if (calc_.journal().generation() == generation_) return;
    generation_ = calc_.journal().generation();
    undo_.clear();
    redo_.clear();
}

Message Corrections::refusalFor(std::size_t line) const {
    std::size_t step = 0;
    CorrectionOutcome why;
    return findOperand(line, step, why) ? Message{} : why.refusal;
}

bool Corrections::findOperand(std::size_t line, std::size_t& step,
                              CorrectionOutcome& refusal) const {
    const Journal& j = calc_.journal();
    const tape::Tape& tape = calc_.ports().tape;
    if (line >= tape.lineCount()) {
        refusal.refusal = msg::kNoSuchLine;
        refusal.detail = std::to_string(line + 1);
        return false;
    }
    // A tape changed behind the journal's back (a file loaded into it, a hand edit that
    // added or removed lines) is not corrected from keys that no longer match it.
    if (!j.steps().empty() && j.steps().back().linesAfter != tape.lineCount()) {
        refusal.refusal = msg::kNotJournaled;
        return false;
    }
    const std::optional<std::size_t> found = j.operandStep(line);
    if (!found) {
        const bool written =
            line >= j.start().firstLine && !j.steps().empty() && line < j.steps().back().linesAfter;
        refusal.refusal = written ? msg::kNotAnOperand : msg::kNotJournaled;
        return false;
    }
    if (!j.buildsEntry(j.entryBegin(*found), *found)) {
        refusal.refusal = msg::kFromResult;
        return false;
    }
    step = *found;
    return true;
}

std::string Corrections::amountOn(std::size_t line) const {
    std::string text = calc_.ports().tape.line(line);
    std::string amount = trailingAmount(text);
    if (amount.empty()) return {};
    return amount;
}

std::vector<Corrections::SavedStep> Corrections::saved(std::size_t first, std::size_t count) const {
    const Journal& j = calc_.journal();
    std::vector<SavedStep> out;
    for (std::size_t i = first; i < first + count && i < j.size(); ++i) {
        const Step& s = j.steps()[i];
        const bool hasText = s.kind == Step::Kind::Number || s.kind == Step::Kind::Comment ||
                             s.kind == Step::Kind::Format;
        SavedStep saved{s, hasText ? j.text(s) : std::string(), {}};
        if (s.kind == Step::Kind::Foreign) saved.fragment = j.fragment(s);
        out.push_back(std::move(saved));
    }
    return out;
}

std::vector<Corrections::SavedStep> Corrections::asides(std::size_t first,
                                                        std::size_t count) const {
    std::vector<SavedStep> all = saved(first, count);
    std::erase_if(all, [](const SavedStep& s) { return !s.step.isAside(); });
    return all;
}

// The step that took the amount on `line`, and the keys that type `amount`; false with the
// refusal when either is wanting.
bool Corrections::operandAndKeys(std::size_t line, std::string_view amount, std::size_t& step,
                                 std::vector<Step>& keys, CorrectionOutcome& refusal) {
    forgetOtherJournals();
    if (!findOperand(line, step, refusal)) return false;
    if (amountKeys(amount, keys)) return true;
    refusal.refusal = msg::kNotANumber;
    refusal.detail = std::string(amount);
    return false;
}

CorrectionOutcome Corrections::fixAmount(std::size_t line, std::string_view amount) {
    CorrectionOutcome out;
    std::size_t k = 0;
    std::vector<Step> keys;
    if (!operandAndKeys(line, amount, k, keys, out)) return out;
    const std::size_t g = calc_.journal().entryBegin(k);
    std::vector<SavedStep> steps = asides(g, k - g);
    for (const Step& s : keys)
        steps.push_back({s, {}, {}});
    return apply(g, k - g, std::move(steps), line, Record::Undo);
}

CorrectionOutcome Corrections::fixLine(std::size_t line, char op, std::string_view amount) {
    CorrectionOutcome out;
    std::size_t k = 0;
    std::vector<Step> keys;
    if (!operandAndKeys(line, amount, k, keys, out)) return out;
    const Journal& j = calc_.journal();
    const std::size_t g = j.entryBegin(k);
    if (g == 0 || !j.steps()[g - 1].isOperator() ||
        (op != '+' && op != '-' && op != '*' && op != '/')) {
        out.refusal =
            g == 0 || !j.steps()[g - 1].isOperator() ? msg::kFirstOperand : msg::kNotAnOperator;
        return out;
    }
    std::vector<SavedStep> steps{{charStep(op), {}, {}}};
    for (SavedStep& a : asides(g, k - g))
        steps.push_back(std::move(a));
    for (const Step& s : keys)
        steps.push_back({s, {}, {}});
    return apply(g - 1, k - g + 1, std::move(steps), line, Record::Undo);
}

CorrectionOutcome Corrections::fixOperator(std::size_t line, char op) {
    forgetOtherJournals();
    CorrectionOutcome out;
    if (op != '+' && op != '-' && op != '*' && op != '/' && op != '%') {
        out.refusal = msg::kNotAnOperator;
        out.detail = std::string(1, op);
        return out;
    }
    std::size_t k = 0;
    if (!findOperand(line, k, out)) return out;
    const Journal& j = calc_.journal();
    if (op == '%') {
        const Step& consumer = j.steps()[k];
        if (consumer.kind == Step::Kind::Char && consumer.code == '%') {
            out.refusal = msg::kNotAnOperator;
            out.detail = "%";
            return out;
        }
        return apply(k, 0, {{charStep('%'), {}, {}}}, line, Record::Undo);
    }
    const std::size_t g = j.entryBegin(k);
    if (g == 0 || !j.steps()[g - 1].isOperator()) {
        out.refusal = msg::kFirstOperand;
        return out;
    }
    return apply(g - 1, 1, {{charStep(op), {}, {}}}, line, Record::Undo);
}

CorrectionOutcome Corrections::remove(std::size_t line) {
    forgetOtherJournals();
    CorrectionOutcome out;
    std::size_t k = 0;
    if (!findOperand(line, k, out)) return out;
    const Journal& j = calc_.journal();
    const std::size_t g = j.entryBegin(k);
    // What stands on lines of its own above the amount (a date, a title, a header) stays; a
    // comment written before the amount, on its line, goes with it.
    std::vector<SavedStep> kept = asides(g, k - g);
    std::erase_if(kept, [line](const SavedStep& s) { return s.step.linesAfter > line; });
    // "+ 3,00" goes with its operator; the first amount of a calculation goes with the key
    // that took it, so that the next amount becomes the first.
    const std::size_t first = g > 0 && j.steps()[g - 1].isOperator() ? g - 1 : g;
    return apply(first, k - g + 1, std::move(kept), line, Record::Undo, true);
}

CorrectionOutcome Corrections::insertAfter(std::size_t line, char op, std::string_view amount) {
    forgetOtherJournals();
    CorrectionOutcome out;
    if (op != '+' && op != '-' && op != '*' && op != '/') {
        out.refusal = msg::kNotAnOperator;
        out.detail = std::string(1, op);
        return out;
    }
    std::size_t k = 0;
    std::vector<Step> keys;
    if (!operandAndKeys(line, amount, k, keys, out)) return out;
    std::vector<SavedStep> steps{{charStep(op), {}, {}}};
    for (const Step& s : keys)
        steps.push_back({s, {}, {}});
    return apply(k, 0, std::move(steps), line, Record::Undo);
}

bool Corrections::canUndo() {
    forgetOtherJournals();
    return !undo_.empty();
}

bool Corrections::canRedo() {
    forgetOtherJournals();
    return !redo_.empty();
}

CorrectionOutcome Corrections::undo() {
    forgetOtherJournals();
    if (undo_.empty()) {
        CorrectionOutcome out;
        out.refusal = msg::kNothingToUndo;
        return out;
    }
    Edit e = std::move(undo_.back());
    undo_.pop_back();
    return apply(e.first, e.inserted, std::move(e.removed), e.line, Record::Redo);
}

CorrectionOutcome Corrections::redo() {
    forgetOtherJournals();
    if (redo_.empty()) {
        CorrectionOutcome out;
        out.refusal = msg::kNothingToRedo;
        return out;
    }
    Edit e = std::move(redo_.back());
    redo_.pop_back();
    return apply(e.first, e.inserted, std::move(e.removed), e.line, Record::RedoKept);
}

// The journal's steps [first, first + count) become `steps`; a fresh calculator replays the
// whole journal, and the lines that differ, the history, the registers and the journal are
// taken from it.
CorrectionOutcome Corrections::apply(std::size_t first, std::size_t count,
                                     std::vector<SavedStep> steps, std::size_t line, Record record,
                                     bool keepResults) {
    Journal& journal = calc_.journal();
    tape::Tape& tape = calc_.ports().tape;
    History& history = calc_.ports().history;
    const JournalStart& start = journal.start();
    const std::size_t offset = start.firstLine;

    std::vector<Step> edited;
    edited.reserve(journal.size() - count + steps.size());
    edited.insert(edited.end(), journal.steps().begin(),
                  journal.steps().begin() + static_cast<std::ptrdiff_t>(first));
    for (SavedStep& s : steps) {
        if (s.step.kind == Step::Kind::Number || s.step.kind == Step::Kind::Comment ||
            s.step.kind == Step::Kind::Format)
            s.step.arg = journal.addText(s.text);
        if (s.step.kind == Step::Kind::Foreign) s.step.arg = journal.addFragment(s.fragment);
        edited.push_back(s.step);
    }
    edited.insert(edited.end(),
                  journal.steps().begin() + static_cast<std::ptrdiff_t>(first + count),
                  journal.steps().end());

    Replay replay(journal,
                  {calc_.settings(), calc_.business(), calc_.ports().tr, tape.defaultStyle(),
                   calc_.registers().decimalSeparator, &calc_.languageWords()},
                  tape.storedLines() - offset);
    replay.run(edited, 0, edited.size(), journal);
    calc::Calculator& fresh = replay.calculator();
    const tape::MemoryTape& now = replay.tape();
    const std::vector<Step>& redone = fresh.journal().steps();
    if (keepResults &&
        writtenResults(redone, first, 0) < writtenResults(journal.steps(), first, offset)) {
        CorrectionOutcome refused;
        refused.refusal = msg::kLastTwoAmounts;
        return refused;
    }

    CorrectionOutcome out;
    out.done = true;
    Correction& c = out.correction;
    c.line = line;
    c.oldText = tape.line(line);
    c.warning = replay.firstAlertFrom(first);

    // The lines that differ: what both tapes share at their start and at their end stays.
    const std::size_t oldCount = tape.storedLines() - offset;
    const std::size_t newCount = now.storedLines();
    // Lines are the same when their text and every run's style are.
    const auto sameLine = [&](std::size_t oldLine, std::size_t newLine) {
        return tape.line(offset + oldLine) == now.line(newLine) &&
               tape.lineRuns(offset + oldLine) == now.lineRuns(newLine);
    };
    std::size_t same = 0;
    while (same < oldCount && same < newCount && sameLine(same, same))
        ++same;
    std::size_t tail = 0;
    while (tail < oldCount - same && tail < newCount - same &&
           sameLine(oldCount - 1 - tail, newCount - 1 - tail))
        ++tail;
    c.firstChanged = offset + same;
    c.changedCount = newCount - same - tail;
    // A line is marked when it matches neither the old line at its place nor the one that
    // its place had counted from the end (lines moved by an insertion or a deletion).
    for (std::size_t i = same; i < newCount - tail; ++i) {
        const bool asBefore = i < oldCount - tail && sameLine(i, i);
        const std::size_t fromEnd = i + oldCount - newCount;
        const bool moved = i + oldCount >= newCount && fromEnd >= same &&
                           fromEnd < oldCount - tail && sameLine(fromEnd, i);
        if (!asBefore && !moved) c.changedLines.push_back(offset + i);
    }
    // The total the correction changed: the last result written again, read before the lines
    // are replaced; the running total of a calculation still under way otherwise.
    const std::vector<std::size_t> newResults = resultSteps(redone, first);
    const std::vector<std::size_t> oldResults = resultSteps(journal.steps(), first);
    // Said: the last calculation's result whose amount changed; a grand-total line only when
    // no calculation's result did (the block the user corrected is what the user wants to
    // hear about); the last result written again when no amount changed.
    const auto after = [&](std::size_t r) {
        return resultText(redone, newResults[r], 0, [&](std::size_t l) { return now.line(l); });
    };
    const auto before = [&](std::size_t r) {
        return r < oldResults.size()
                   ? resultText(journal.steps(), oldResults[r], offset,
                                [&](std::size_t l) { return tape.line(l + offset); })
                   : std::string();
    };
    // From the last result back: the first calculation's result found changed ends the search.
    std::optional<std::size_t> rewritten, changedResult, changedGrandTotal;
    for (std::size_t r = newResults.size(); r-- > 0 && !changedResult;) {
        const auto [begin, end] = linesOf(redone, newResults[r]);
        if (begin >= newCount - tail || end <= same) continue;
        if (!rewritten) rewritten = r;
        const bool grandTotal = redone[newResults[r]].kind == Step::Kind::GrandTotal;
        if ((grandTotal && changedGrandTotal) || after(r) == before(r)) continue;
        (grandTotal ? changedGrandTotal : changedResult) = r;
    }
    const std::optional<std::size_t> said = changedResult       ? changedResult
                                            : changedGrandTotal ? changedGrandTotal
                                                                : rewritten;
    if (said) {
        c.totalAfter = after(*said);
        c.totalBefore = before(*said);
    }
    if (c.totalAfter.empty()) {
        c.totalBefore = interim(calc_.registers());
        c.totalAfter = interim(fresh.registers());
    }
    if (oldCount - same - tail > 0 || newCount - same - tail > 0)
        tape.replaceLines(offset + same, oldCount - same - tail, now.text(), same,
                          newCount - same - tail);
    const tape::TextStyle typing = now.typingStyle();
    tape.setTypingColor(typing.color);
    tape.setTypingBold(typing.bold);
    c.newText = tape.line(std::min(line, tape.lineCount() == 0 ? 0 : tape.lineCount() - 1));

    // The history since the journal's start, when it changed. After a tape was opened, only
    // what was typed since: the opened tape's calculations wrote no history line here.
    std::vector<std::string> redoneHistory = replay.history();
    const std::optional<std::size_t> opened = replay.historyBeforeState();
    const bool rewrites = start.rewritesHistory || opened;
    const std::size_t unwritten =
        start.rewritesHistory ? 0 : std::min(opened.value_or(0), redoneHistory.size());
    redoneHistory.erase(redoneHistory.begin(),
                        redoneHistory.begin() + static_cast<std::ptrdiff_t>(unwritten));
    bool historyChanged =
        rewrites && history.lineCount() != start.historyLines + redoneHistory.size();
    for (std::size_t i = 0; rewrites && !historyChanged && i < redoneHistory.size(); ++i)
        historyChanged = history.line(start.historyLines + i) != redoneHistory[i];
    if (historyChanged) {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < start.historyLines; ++i)
            lines.push_back(history.line(i));
        history.clear();
        for (const std::string& l : lines)
            history.addLine(l);
        for (const std::string& l : redoneHistory)
            history.addLine(l);
    }

    // The calculation under way goes on from what the replay left.
    calc_.registers() = fresh.registers();
    calc_.business().margin = fresh.business().margin;

    // Undo gives back the steps removed; redo the ones put.
    Edit back{first, steps.size(), saved(first, count), line};
    journal.takeSteps(std::move(fresh.journal()), offset);
    if (record == Record::Undo) {
        undo_.push_back(std::move(back));
        redo_.clear();
    } else if (record == Record::Redo) {
        redo_.push_back(std::move(back));
    } else {
        undo_.push_back(std::move(back));
    }
    return out;
}

}  // namespace zumbrel::live
