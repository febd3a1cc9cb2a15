#include "calc/calculator.h"

#include "calc/messages.h"

namespace zumbrel::calc {

Calculator::Calculator(Ports ports, CalcSettings settings)
    : ports_(ports),
      settings_(settings),
      entry_(regs_, ports_),
      engine_(regs_, entry_, ports_, settings_),
      inputLine_(regs_, entry_, engine_, ports_, commands_) {}

template <class Action>
void Calculator::guarded(Action&& action) {
    const Registers before = regs_;
    try {
        action();
    } catch (const CalcError& e) {
        regs_ = before;
        std::string text = ports_.tr.text(e.message());
        if (!e.detail().empty()) text += " " + e.detail();
        ports_.prompts.messageBox(msg::kErrorTitle, text, Icon::Exclamation, Buttons::Ok);
    }
}

void Calculator::key(char c) {
    guarded([&] { inputLine_.edtSaisieKeyPress(c); });
}

void Calculator::run(Command command) {
    guarded([&] { inputLine_.run(command); });
}

}  // namespace zumbrel::calc
