#pragma once

#include <string>
#include <string_view>

#include "core/calc/context.h"

namespace zumbrel::calc {

// The input line edtSaisie: its text, its selection, and the entry check that runs after
// every change of it and rebuilds the display.
class Entry {
  public:
    Entry(Registers& regs, Ports& ports) : regs_(regs), ports_(ports) {}

    const std::string& text() const { return regs_.edtSaisie; }
    // Sets the text; a real change runs the entry check to its fixed point.
    void set(std::string_view text) { change(text, false); }
    // A character typed: it replaces a selected entry, otherwise goes at the end. Every typed
    // character runs the entry check, even one that leaves the text as it was (a "-" typed
    // over a selected "-").
    void insert(char c);
    // The text the entry would hold after typing c.
    std::string afterTyping(char c) const;
    // Whether `text` may become the entry: at most kEntryCapacity significant digits. A text
    // over the capacity is refused with a beep and the status line says why.
    bool withinCapacity(std::string_view text);
    // A value left selected stands as a result: the next digit replaces it, and nothing but
    // a key (no mouse movement) takes the selection away.
    void selectAll() {
        regs_.entrySelected = true;
        regs_.resultShown = true;
    }
    void caretToEnd() { regs_.entrySelected = false; }

    // NbrAutoDec: the extra-decimals flag from the entry's decimal count.
    void NbrAutoDec();
    // AddZerosDec: the display filled with zeros (only while there is an entry).
    void AddZerosDec();
    // NbrNegatif: a minus in front of the entry; the caller sets the sign flag first.
    void NbrNegatif();

    // The value of a register text, or CalcError.
    long double toNumber(std::string_view text) const;

  private:
    void change(std::string_view text, bool typed);
    // One pass of the check; returns false when it changed the text (the check restarts).
    bool checkOnce();
    void rebuildDisplay(const std::string& t);

    Registers& regs_;
    Ports& ports_;
    bool checking_ = false;
};

}  // namespace zumbrel::calc
