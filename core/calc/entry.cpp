#include "core/calc/entry.h"

#include <algorithm>

#include "core/calc/decimal.h"
#include "core/calc/messages.h"
#include "core/text_util.h"

namespace zumbrel::calc {
namespace {

bool contains(std::string_view s, char c) {
    return s.find(c) != std::string_view::npos;
}

void eraseAll(std::string& s, char c) {
    s.erase(std::remove(s.begin(), s.end(), c), s.end());
}

void collapseDoubleDots(std::string& s) {
    std::size_t pos;
    while ((pos = s.find("..")) != std::string::npos)
        s.erase(pos, 1);
}

}  // namespace

void Entry::change(std::string_view text, bool typed) {
    regs_.entrySelected = false;
    if (regs_.edtSaisie == text && !typed) return;
    regs_.edtSaisie = std::string(text);
    if (checking_) return;  // the running check restarts on the new text
    checking_ = true;
    // Each pass either leaves the text alone or shortens, clears or normalises it, so this
    // ends within a few passes; the bound is a guard, not a rule.
    for (std::size_t guard = regs_.edtSaisie.size() + 8; !checkOnce() && guard > 0; --guard) {
    }
    checking_ = false;
}

void Entry::insert(char c) {
    change(afterTyping(c), true);
}

std::string Entry::afterTyping(char c) const {
    return regs_.entrySelected ? std::string(1, c) : regs_.edtSaisie + c;
}

bool Entry::withinCapacity(std::string_view text) {
    if (significantDigits(text) <= kEntryCapacity) return true;
    ports_.sound.beep(Beep::Default);
    ports_.status.show(ports_.tr.text(msg::kEntryFull));
    return false;
}

bool Entry::checkOnce() {
    const std::string t = regs_.edtSaisie;
    const char ds = regs_.decimalSeparator;
    auto changed = [&] { return regs_.edtSaisie != t; };

    if (!t.empty()) {
        const char c1 = t[0];
        const char c2 = t.size() > 1 ? t[1] : 0;
        const char c3 = t.size() > 2 ? t[2] : 0;
        if (c1 == '0' && c2 != ds && t.size() > 1) {
            regs_.edtSaisie.erase(0, 1);  // typing 5 on "0" gives 5
        } else if (t.size() == 1 && c1 == ds) {
            regs_.edtSaisie = std::string("0") + ds;
        } else if (c1 == '-' && c2 == '0' && t.size() == 3 && c3 != ds) {
            // "-00" and "-0" followed by a digit both end as "-0" and the separator.
            regs_.edtSaisie = std::string("-0") + ds;
        }
        if (changed()) return false;
        regs_.entrySelected = false;
        NbrAutoDec();
    }

    rebuildDisplay(t);

    if (regs_.halted) {
        ports_.status.show(ports_.tr.text(msg::kPressReset));
        regs_.edtSaisie.clear();
        regs_.resetPanelVisible = true;
        if (changed()) return false;
    }

    regs_.lblsTemp = t;
    if (t.find_first_of("123456789") != std::string::npos) regs_.lblbBegin = true;

    std::string next = t;
    if (next.find_first_of("+*/") != std::string::npos) {
        next.clear();
    } else if (contains(next, '%')) {
        next.pop_back();
        regs_.entrySelected = false;
    } else if (contains(next, '-') && !regs_.lblPosNeg) {
        next.clear();
    }
    eraseAll(next, '\'');
    eraseAll(next, ds == '.' ? ',' : '.');
    collapseDoubleDots(next);
    regs_.edtSaisie = next;
    return !changed();
}

void Entry::rebuildDisplay(const std::string& t) {
    const FormatOptions opt = regs_.format();
    const int places = resultPlaces(opt.nbrDec);
    if (places >= IndicNbrDecim(t, opt.decimalSeparator)) {
        regs_.EdtVirt = opt.sepDec == "N" ? t : AddSepToMil(t, opt);
        regs_.shLedVisible = false;
    } else {
        regs_.EdtVirt = t;
        regs_.shLedVisible = true;
    }
}

void Entry::NbrAutoDec() {
    std::string_view t = regs_.edtSaisie;
    t = trimSpaces(t);
    const int count = IndicNbrDecim(t, regs_.decimalSeparator);
    regs_.lblNbrDecEd = std::to_string(count);
    if (count > 2) {
        const bool enough = resultPlaces(regs_.lblNbrDecPref) >= count;
        regs_.extraDecimals = !enough;
        regs_.shLedVisible = !enough;
    } else {
        // The decimals went with the entry that had them (erased, cleared), unless it was
        // already an operand of the chain under way: its results keep them to the end.
        regs_.extraDecimals = regs_.chainUnderWay() && regs_.chainExtraDecimals;
    }
}

void Entry::AddZerosDec() {
    if (regs_.edtSaisie.empty()) return;
    regs_.EdtVirt = calc::AddZerosDec(regs_.EdtVirt, regs_.format(), regs_.lblTamponSign2 == '%');
}

void Entry::NbrNegatif() {
    set("-" + regs_.edtSaisie);
    ports_.tape.setTypingFont(ports_.tape.defaultStyle().fontName,
                              ports_.tape.defaultStyle().halfPoints);
}

long double Entry::toNumber(std::string_view text) const {
    if (auto v = parseNumber(text, regs_.decimalSeparator)) return *v;
    throw CalcError(msg::kNotANumber, "« " + std::string(text) + " »");
}

}  // namespace zumbrel::calc
