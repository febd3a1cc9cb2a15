#pragma once

#include "core/calc/commands.h"
#include "core/calc/engine.h"
#include "core/calc/entry.h"

namespace zumbrel::calc {

// Keys that are not characters, and the keypad buttons with handlers of their own.
enum class Command {
    Backspace,      // the eraser's undo action
    Delete,         // the eraser's clean action
    Escape,         // the entry becomes "0"
    DoubleZero,     // btnDoubleZero
    TripleZero,     // btnTripleZero
    PercentButton,  // btnPourcent
    SignChange,     // btnPlus_Moins
    SquareRoot,     // btnRacine
    Reset,          // btnReset
};

// Everything typed or clicked on the keypad arrives here: the key dispatcher filters it,
// has it announced, hands operators to the engine and lets digits into the entry.
class InputLine {
  public:
    InputLine(Registers& regs, Entry& entry, Engine& engine, Ports& ports, CommandState& commands)
        : regs_(regs), entry_(entry), engine_(engine), ports_(ports), commands_(commands) {}

    // edtSaisieKeyPress: one typed character; '\r' is Enter.
    void edtSaisieKeyPress(char c);
    void run(Command command);

  private:
    void btnExtraZerosClick(KeypadSound sound, const char* zeros);
    void btnPourcentClick();
    void sayPendingOperation();
    void btnPlus_MoinsClick();
    void btnResetClick();
    void undo();
    void clean();
    void leaveTapeEditMode();

    Registers& regs_;
    Entry& entry_;
    Engine& engine_;
    Ports& ports_;
    CommandState& commands_;
};

}  // namespace zumbrel::calc
