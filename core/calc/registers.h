#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/calc/number_text.h"
#include "core/tape/style.h"

namespace zumbrel::calc {

// The calculator's whole state, as the texts and flags of the keypad window. Operators are
// one character, '\0' when empty.
struct Registers {
    // Settings mirrored in registers.
    std::string lblNbrDecPref = "2";  // NbrDec
    std::string lblSepDec = "Q";      // SepDec
    char decimalSeparator = ',';      // the system's, read once at start

    // The input line and the display.
    std::string edtSaisie = "0";
    bool entrySelected = false;  // the whole entry is selected: the next character replaces it
    std::string EdtVirt = "0";
    std::string lblsTemp;  // the current entry; empty means no entry

    bool lblbBegin = false;  // a digit 1 to 9 has been typed since start
    bool lblPosNeg = false;  // the sign flag: a "-" in the entry survives the entry check

    char lblTamponSign1 = 0;         // pending operator: + - * / % or V
    char lblTamponSign2 = 0;         // latest operator key
    bool latestShowsEquals = false;  // lblTamponSign2's label shows "=" after equals
    char lblTamponSign = 0;          // the percent operator

    std::string lblTamponNum1;  // accumulator
    std::string lblTamponNum2;  // latest operand
    std::string lblTampon;      // percent base
    std::string lblResultat;    // latest result
    long double resultValue = 0;
    long double operand1 = 0;
    long double operand2 = 0;

    std::string lblNbrDecEd = "0";    // decimals of the entry
    bool extraDecimals = false;       // results keep all their significant digits
    bool chainExtraDecimals = false;  // an operand of the chain under way had them
    bool shLedVisible = false;
    bool halted = false;  // refuses to work until Reset
    bool resetPanelVisible = false;
    bool resultShown = false;

    std::string edtComResult;  // a result comment waiting for the next result

    int itemCount = 0;             // amounts added or subtracted since the last result
    std::string grandTotal;        // every result added up since the tape began; "" is zero
    bool grandTotalShown = false;  // the last key was GT: pressed again, it clears the total

    // The tape line (from 0) of the operand written last, and how many were written: the
    // journal learns from them which key put which amount on the tape.
    std::size_t operandLine = 0;
    std::uint32_t operandsWritten = 0;

    std::string lblMemory4;  // the automatic memory
    Color memory4Color = colors::kNavy;

    FormatOptions format() const { return {decimalSeparator, lblNbrDecPref, lblSepDec}; }
    // What the label of the latest operator shows.
    std::string lblTamponSign2Caption() const {
        if (latestShowsEquals) return "=";
        return lblTamponSign2 ? std::string(1, lblTamponSign2) : std::string();
    }
    // An operation waits for its next operand.
    bool chainUnderWay() const { return lblTamponSign1 != 0 || !lblTamponNum1.empty(); }

    void setLatest(char op) {
        lblTamponSign2 = op;
        latestShowsEquals = false;
    }
    friend bool operator==(const Registers&, const Registers&) = default;
};

}  // namespace zumbrel::calc
