#pragma once

#include "calc/calculator.h"
#include "memory_ports.h"
#include "tape/memory_tape.h"

namespace zumbrel {

// A calculator wired to in-memory ports: the headless driver, tests, benchmarks, fuzzing.
struct HeadlessCalculator {
    explicit HeadlessCalculator(char decimalSeparator = ',', calc::CalcSettings settings = {})
        : calc(calc::Ports{tape, history, status, prompts, sound, voice, translator}, settings) {
        calc.registers().decimalSeparator = decimalSeparator;
    }

    EventLog log;
    tape::MemoryTape tape;
    MemoryHistory history;
    MemoryStatusLine status;
    ScriptedPrompts prompts{log};
    RecordingSound sound{log};
    RecordingVoice voice{log};
    FrenchTranslator translator;
    calc::Calculator calc;
};

}  // namespace zumbrel
