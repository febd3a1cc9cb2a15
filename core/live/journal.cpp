#include "core/live/journal.h"

#include <algorithm>

#include "core/calc/input_line.h"

namespace zumbrel::live {

bool Step::buildsEntry() const {
    switch (kind) {
        case Kind::Number:
            return true;
        case Kind::Char:
            return (code >= '0' && code <= '9') || code == ',' || code == '.';
        case Kind::Command:
            switch (static_cast<calc::Command>(code)) {
                case calc::Command::Backspace:
                case calc::Command::Delete:
                case calc::Command::Escape:
                case calc::Command::DoubleZero:
                case calc::Command::TripleZero:
                case calc::Command::SignChange:
                    return true;
                default:
                    return false;
            }
        default:
            return false;
    }
}

bool Step::isOperator() const {
    return kind == Kind::Char && (code == '+' || code == '-' || code == '*' || code == '/');
}

void Journal::restart(JournalStart start) {
    start_ = std::move(start);
    steps_.clear();
    texts_.clear();
    fragments_.clear();
    states_.clear();
    rates_.clear();
    ratesInForce_ = start_.business;
    ratesInForce_.margin = {};
    format_ = formatKeyOf(start_.regs, start_.countItems);
    ++generation_;
}

void Journal::takeSteps(Journal&& replayed, std::size_t lineOffset) {
    steps_ = std::move(replayed.steps_);
    texts_ = std::move(replayed.texts_);
    fragments_ = std::move(replayed.fragments_);
    states_ = std::move(replayed.states_);
    rates_ = std::move(replayed.rates_);
    ratesInForce_ = std::move(replayed.ratesInForce_);
    format_ = std::move(replayed.format_);
    if (lineOffset == 0) return;
    const auto offset = static_cast<std::uint32_t>(lineOffset);
    for (Step& s : steps_) {
        s.linesAfter += offset;
        if (s.isKey() && s.arg != 0) s.arg += offset;
    }
}

std::uint32_t Journal::addText(std::string text) {
    texts_.push_back(std::move(text));
    return static_cast<std::uint32_t>(texts_.size() - 1);
}

std::uint32_t Journal::addFragment(tape::RichText fragment) {
    fragments_.push_back(std::move(fragment));
    return static_cast<std::uint32_t>(fragments_.size() - 1);
}

std::uint32_t Journal::addRates(const business::BusinessRegisters& rates) {
    rates_.push_back(rates);
    rates_.back().margin = {};
    ratesInForce_ = rates_.back();
    return static_cast<std::uint32_t>(rates_.size() - 1);
}

bool sameRates(const business::BusinessRegisters& a, const business::BusinessRegisters& b) {
    return a.pnlTauxTVA == b.pnlTauxTVA && a.lblTauxTPS == b.lblTauxTPS &&
           a.lblTauxTVP == b.lblTauxTVP && a.lblQuebTVP == b.lblQuebTVP &&
           a.lblTauxEuro == b.lblTauxEuro && a.lblRefMoneyEuros == b.lblRefMoneyEuros &&
           a.lblRefMoneyFrancs == b.lblRefMoneyFrancs && a.lblTauxAE == b.lblTauxAE &&
           a.lblCAMaxAE == b.lblCAMaxAE && a.install == b.install && a.letter == b.letter;
}

std::uint32_t Journal::addState(const calc::Registers& regs) {
    states_.push_back(regs);
    return static_cast<std::uint32_t>(states_.size() - 1);
}

std::size_t Journal::bytes() const {
    std::size_t n = sizeof(*this) + steps_.capacity() * sizeof(Step);
    for (const std::string& t : texts_)
        n += sizeof(t) + t.capacity();
    n += states_.size() * sizeof(calc::Registers);
    n += rates_.size() * sizeof(business::BusinessRegisters);
    for (const tape::RichText& f : fragments_)
        n += sizeof(f) + f.characterCount() + f.runCount() * 12 + f.paragraphCount() * 12;
    return n;
}

// Lines only grow from one step to the next (the eraser starts a new journal), so the steps
// are searched by halves, then the few that end on the line are looked through.
std::optional<std::size_t> Journal::operandStep(std::size_t line) const {
    auto it = std::partition_point(steps_.begin(), steps_.end(),
                                   [&](const Step& s) { return s.linesAfter <= line; });
    for (; it != steps_.end(); ++it) {
        const std::optional<std::size_t> l = it->operandLine();
        if (!l) continue;
        if (*l == line) return static_cast<std::size_t>(it - steps_.begin());
        if (*l > line) break;
    }
    return std::nullopt;
}

std::size_t Journal::entryBegin(std::size_t step) const {
    std::size_t b = step;
    while (b > 0 && (steps_[b - 1].buildsEntry() || steps_[b - 1].isAside()))
        --b;
    return b;
}

bool Journal::buildsEntry(std::size_t begin, std::size_t end) const {
    for (std::size_t i = begin; i < end && i < steps_.size(); ++i) {
        if (steps_[i].buildsEntry()) return true;
    }
    return false;
}

bool Journal::formatIs(const calc::Registers& regs, bool countItems) const {
    const std::size_t n = regs.lblNbrDecPref.size();
    const std::size_t s = regs.lblSepDec.size();
    return format_.size() == n + s + 3 && format_.compare(0, n, regs.lblNbrDecPref) == 0 &&
           format_[n] == '\t' && format_.compare(n + 1, s, regs.lblSepDec) == 0 &&
           format_[n + 1 + s] == '\t' && format_.back() == (countItems ? '1' : '0');
}

std::string formatKeyOf(const calc::Registers& regs, bool countItems) {
    return regs.lblNbrDecPref + '\t' + regs.lblSepDec + '\t' + (countItems ? '1' : '0');
}

LineFormat readFormatKey(std::string_view key) {
    LineFormat f;
    const std::size_t tab = key.find('\t');
    f.nbrDec = key.substr(0, tab);
    if (tab == std::string_view::npos) return f;
    key.remove_prefix(tab + 1);
    const std::size_t second = key.find('\t');
    f.sepDec = key.substr(0, second);
    if (second != std::string_view::npos) f.countItems = key.substr(second + 1) == "1";
    return f;
}

}  // namespace zumbrel::live
