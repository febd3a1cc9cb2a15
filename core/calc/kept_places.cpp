#include "core/calc/kept_places.h"

#include <cmath>
#include <optional>

#include "core/business/exact.h"
#include "core/calc/decimal.h"
#include "core/calc/grand_total.h"
#include "core/calc/kept_numbers.h"
#include "core/calc/messages.h"
#include "core/calc/number_text.h"

namespace zumbrel::calc {

bool KeptPlaces::displayCanBeDragged() const {
    // A zero, with or without its sign, separator and one decimal, is not worth keeping.
    std::string d = regs_.EdtVirt;
    if (!d.empty() && d.front() == '-') d.erase(0, 1);
    const std::string ds(1, regs_.decimalSeparator);
    return !d.empty() && d != "0" && d != "0" + ds && d != "0" + ds + "0";
}

bool KeptPlaces::putInEntry(const std::string& value) {
    // After a percent only an operator or equals may follow, whatever brings the number.
    if (regs_.lblTamponSign2 == '%') {
        ports_.sound.beep(Beep::Default);
        return false;
    }
    if (!entry_.withinCapacity(value)) return false;
    regs_.lblPosNeg = true;  // the minus sign survives the entry check
    entry_.set(value);
    regs_.lblPosNeg = false;
    // A number brought back stands whole, as a result does: the next digit starts a new one.
    entry_.selectAll();
    lastRecalled_ = value;
    ++recalls_;
    return true;
}

// The number kept stands whole in the entry, as a number brought back does: the next digit
// starts a new one. It counts as brought back, so that the journal keeps it so too.
void KeptPlaces::displayKept() {
    if (regs_.edtSaisie.empty()) return;
    entry_.selectAll();
    lastRecalled_ = regs_.edtSaisie;
    ++recalls_;
}

void KeptPlaces::lblMemoryDragDrop(int memory, std::string_view text) {
    if (memory < 0 || memory > 2 || text.empty()) return;
    values_.lblMemory[static_cast<std::size_t>(memory)] =
        normalisedValue(text, regs_.decimalSeparator);
}

void KeptPlaces::EdtVirtDragDrop(std::string_view labelText) {
    if (!labelText.empty()) putInEntry(std::string(labelText));
}

void KeptPlaces::BMemComboDragDrop(std::string_view text) {
    if (text.empty()) return;
    ports_.sound.beep(Beep::Asterisk);
    addToNumberList(values_.cbbListNbr, normalisedValue(text, regs_.decimalSeparator));
}

void KeptPlaces::pnlPPDragDrop(std::string_view text) {
    if (text.empty()) return;
    values_.pnlPP = normalisedValue(text, regs_.decimalSeparator);
    ports_.clipboard.setText(values_.pnlPP);
    ports_.sound.beep(Beep::Asterisk);
}

bool KeptPlaces::BMemComboMouseDown() {
    if (!values_.cbbListNbr.empty()) return true;
    ports_.sound.beep(Beep::Default);
    ports_.status.show(ports_.tr.text(msg::kEmptyNumberList));
    return false;
}

void KeptPlaces::cbbListNbrChange(std::size_t item) {
    if (item >= values_.cbbListNbr.size()) {
        ports_.sound.beep(Beep::Default);
        return;
    }
    putInEntry(values_.cbbListNbr[item]);
}

void KeptPlaces::cbbListHistorOpeChange(std::string_view line) {
    const std::string number = numberFromHistoryLine(line, regs_.decimalSeparator);
    if (number.find_first_of("0123456789") == std::string::npos) {
        ports_.sound.beep(Beep::Default);
        return;
    }
    putInEntry(number);
}

void KeptPlaces::pnlPPDblClick() {
    if (values_.pnlPP.empty()) {
        ports_.sound.beep(Beep::Default);
        return;
    }
    if (putInEntry(values_.pnlPP)) ports_.sound.beep(Beep::Asterisk);
}

PasteOutcome KeptPlaces::mItemCollerClick() {
    const std::optional<std::string> clip = ports_.clipboard.text();
    if (!clip || clip->empty()) return PasteOutcome::Nothing;
    if (ports_.tape.editMode()) return PasteOutcome::IntoTape;
    const PastedNumber pasted = readPastedNumber(*clip, regs_.decimalSeparator);
    if (!pasted.valid) {
        // The entry is left as it was: never a different number from the one copied.
        ports_.sound.beep(Beep::Asterisk);
        ports_.prompts.messageBox(
            "", ports_.tr.text(msg::kClipboardNotValid) + "\n\n" + clippedForMessage(*clip),
            Icon::None, Buttons::Ok);
        return PasteOutcome::Refused;
    }
    return putInEntry(pasted.text) ? PasteOutcome::Entry : PasteOutcome::Refused;
}

void KeptPlaces::memoryArithmetic(int memory, bool subtract) {
    if (memory < 0 || memory > 2) return;
    const std::string& shown = regs_.edtSaisie;
    const std::optional<long double> value =
        regs_.halted ? std::nullopt : parseNumber(shown, regs_.decimalSeparator);
    if (!value || shown.find_first_of("0123456789") == std::string::npos) {
        ports_.sound.beep(Beep::Default);  // nothing shown to keep, or halted until Reset
        return;
    }
    std::string& kept = values_.lblMemory[static_cast<std::size_t>(memory)];
    // In exact decimals: a memory keeps every digit the entry can take back.
    const auto amount = business::parseExact(shown);
    const auto before = business::parseExact(kept.empty() ? std::string("0") : kept);
    const auto sum = amount && before ? (subtract ? business::subtract(*before, *amount)
                                                  : business::add(*before, *amount))
                                      : std::nullopt;
    const std::string total =
        sum ? business::formatShortest(*sum, regs_.decimalSeparator) : std::string();
    // The memory must go back into the entry whole: no more digits than the entry takes.
    if (!sum || significantDigits(total) > kEntryCapacity) {
        ports_.prompts.messageBox(msg::kErrorTitle, ports_.tr.text(msg::kOverflow19),
                                  Icon::Exclamation, Buttons::Ok);
        return;
    }
    kept = total;
    // "12,50 M+" for memory 1, "12,50 M2+" for the others.
    const std::string name = memory == 0 ? "M" : "M" + std::to_string(memory + 1);
    const std::string line =
        AddSepToMil(GetResultConv(*value, regs_.format(), regs_.extraDecimals), regs_.format()) +
        " " + name + (subtract ? "\u2212" : "+");
    ports_.tape.restoreDefaultStyle();
    ports_.tape.setTypingColor(colors::kNavy);
    ports_.tape.addLine(line);
    ports_.tape.restoreDefaultStyle();
    ports_.history.addLine(line);
    sayMemory(memory);
    displayKept();
}

void KeptPlaces::memoryClear(int memory) {
    if (memory < 0 || memory > 2) return;
    values_.lblMemory[static_cast<std::size_t>(memory)].clear();
    sayMemory(memory);
}

// The status line says what the memory now holds ("Mémoire 1 : 250,00"): the memories are
// small boxes a reader does not hear change, and M+ writes its line where the eye is not.
void KeptPlaces::sayMemory(int memory) {
    const std::string& kept = values_.lblMemory[static_cast<std::size_t>(memory)];
    const long double value =
        kept.empty() ? 0 : parseNumber(kept, regs_.decimalSeparator).value_or(0);
    std::string caption = ports_.tr.text(msg::kMemoryHolds);
    if (const std::size_t at = caption.find("%1"); at != std::string::npos)
        caption.replace(at, 2, std::to_string(memory + 1));
    ports_.status.show(caption + " " +
                       AddSepToMil(GetResultConv(value, regs_.format(), false), regs_.format()));
}

void KeptPlaces::grandTotalKey(bool again) {
    if (regs_.halted || regs_.lblTamponSign2 == '%') {
        ports_.sound.beep(Beep::Default);
        return;
    }
    if (again) {
        regs_.grandTotal.clear();
        return;
    }
    const std::string value = grandTotalText(regs_);
    const std::string line = "G.T. " + AddSepToMil(value, regs_.format());
    ports_.tape.restoreDefaultStyle();
    ports_.tape.setTypingBold(true);
    if (grandTotalValue(regs_) < 0) ports_.tape.setTypingColor(colors::kRed);
    ports_.tape.addLine(line);
    ports_.tape.restoreDefaultStyle();
    ports_.tape.addLine("");
    ports_.tape.addLine("");
    ports_.history.addLine(line);
    if (putInEntry(value)) ports_.voice.readResult(regs_);  // read aloud as any result
    regs_.grandTotalShown = true;
}

}  // namespace zumbrel::calc
