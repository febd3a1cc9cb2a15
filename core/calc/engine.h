#pragma once

#include <optional>
#include <string>

#include "core/calc/context.h"
#include "core/calc/entry.h"

namespace zumbrel::calc {

// The tape calculator proper: operator, percent, equals and square-root keys, computed
// strictly from left to right, writing operands, operators, rule lines and results on the
// tape and the history.
class Engine {
  public:
    Engine(Registers& regs, Entry& entry, Ports& ports, const CalcSettings& settings)
        : regs_(regs), entry_(entry), ports_(ports), settings_(settings) {}

    void operatorKey(char op);
    void percentKey();
    // Returns false when the key is swallowed because there is nothing to compute.
    bool equalsKey();
    void btnRacineClick();

    void GetOperation();
    void GetResult();

  private:
    void arithmeticStep(char op);
    void divisionStep();
    void percentStep();
    void completeChainWith(char op);
    void AddSignOperation();
    void divisionByZero();
    void GestiErrorZeroDiv();
    bool directRoot();
    bool combinedRoot();
    void refuseNegativeValue();

    void writeOperand();
    void noteOperandLine();
    void showInterimResult(bool colourMemory);
    void writeResultLine(const std::string& s);
    void clearChain();
    void noteOperandDecimals();

    std::string resultFormat(long double v) const;
    std::string withSeparators(const std::string& s) const;
    std::string rootFormat(long double v) const;
    std::string text(const Message& m) const { return ports_.tr.text(m); }
    long double number(const std::string& s) const { return entry_.toNumber(s); }

    Registers& regs_;
    Entry& entry_;
    Ports& ports_;
    const CalcSettings& settings_;
    bool zeroDivisorMet_ = false;  // the last chain step ran into the division-by-zero block
};

// a op b for + - * /, or nothing for any other operator. Out-of-range results throw CalcError.
std::optional<long double> applyOperator(char op, long double a, long double b);
// The operation op completed by a percent of rate on base (empty for "/" at a zero rate, and
// for an op that is not an arithmetic operator).
std::optional<long double> percentResult(char op, long double base, long double rate);

}  // namespace zumbrel::calc
