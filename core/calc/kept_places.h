#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/context.h"
#include "core/calc/entry.h"

namespace zumbrel::calc {

// One drop or choice of the kept-number places, as a key of the headless key language.
struct KeptKey {
    enum class Kind {
        DisplayToMemory,  // [>M1] … [>M3]
        MemoryToDisplay,  // [M1>] … [M3>]
        DisplayToList,    // [>L]
        ListItem,         // [L1>] …: the list's n-th item, 1-based
        HistoryLine,      // [H1>] …: the history's n-th line, 1-based
        DisplayToPanel,   // [>PP]
        PanelToDisplay,   // [PP>]
        Paste,            // [V]
        MemoryPlus,       // [M+] [M2+] [M3+]: the number shown added to the memory
        MemoryMinus,      // [M-] [M2-] [M3-]: subtracted from it
        MemoryClear,      // [MC] [M2C] [M3C]
        GrandTotal,       // [GT]: the grand total on the tape and in the entry
        GrandTotalClear,  // [GTC]
    };
    Kind kind;
    std::size_t index = 0;
    friend bool operator==(const KeptKey&, const KeptKey&) = default;
};

// The numbers kept beside the chain: lblMemory1 to lblMemory3, the number list cbbListNbr
// (unique, smallest value first) and the clipboard panel pnlPP's value. They live apart from
// the registers, which every key saves for its rollback: a long list costs a key nothing.
struct KeptValues {
    std::array<std::string, 3> lblMemory;
    std::vector<std::string> cbbListNbr;
    std::string pnlPP;
};

// What the paste command did.
enum class PasteOutcome {
    Nothing,   // the clipboard holds no text
    Entry,     // the number went into the entry
    Refused,   // no number, or after a percent: the entry is unchanged
    IntoTape,  // the tape is in edit mode: the clipboard's text belongs at its caret
};

// The memories, the number list, the history list, the clipboard panel and paste: the drops
// and choices that bring numbers in and out of the entry. Handler names are the keypad's.
class KeptPlaces {
  public:
    KeptPlaces(Registers& regs, Entry& entry, Ports& ports)
        : regs_(regs), entry_(entry), ports_(ports) {}

    KeptValues& values() { return values_; }
    const KeptValues& values() const { return values_; }

    // Whether the display may be dragged: it holds a value other than a zero.
    bool displayCanBeDragged() const;

    // The display's number was kept elsewhere: it stands whole, as a result does, so that the
    // next digit starts a new number instead of growing the one just kept.
    void displayKept();

    // Drops: the text of the control dragged (the display, a memory, a list item).
    void lblMemoryDragDrop(int memory, std::string_view text);  // memory 0 to 2
    void EdtVirtDragDrop(std::string_view labelText);
    void BMemComboDragDrop(std::string_view text);
    void pnlPPDragDrop(std::string_view text);

    // The number list opens only when it has items; otherwise a beep and a message.
    bool BMemComboMouseDown();
    void cbbListNbrChange(std::size_t item);  // 0-based
    void cbbListHistorOpeChange(std::string_view line);
    void pnlPPDblClick();
    PasteOutcome mItemCollerClick();

    // M+ and M−: the number shown (the entry, or the result just computed) added to or
    // subtracted from memory 0 to 2, written on the tape and in the history ("12,50 M+").
    // Nothing to add, or a sum beyond the display's capacity, leaves the memory as it was.
    void memoryArithmetic(int memory, bool subtract);
    void memoryClear(int memory);
    // GT: the grand total written on the tape ("G.T. 1 234,00", bold) and put in the entry;
    // `again` (GT pressed twice in a row) clears it instead.
    void grandTotalKey(bool again);

    // The number the last recall put in the entry, and how many recalls did: the journal
    // keeps the number, never where it came from.
    const std::string& lastRecalled() const { return lastRecalled_; }
    std::uint32_t recalls() const { return recalls_; }

  private:
    // A kept value goes into the entry with its sign; refused (a beep) after a percent.
    bool putInEntry(const std::string& value);
    // The status line says what memory `memory` (0 to 2) now holds.
    void sayMemory(int memory);
    std::string lastRecalled_;
    std::uint32_t recalls_ = 0;

    Registers& regs_;
    Entry& entry_;
    Ports& ports_;
    KeptValues values_;
};

}  // namespace zumbrel::calc
