// A correction replays the journal through a fresh calculator: the tape, the history and the
// registers it leaves must be exactly those of typing the corrected keys from the start.
// Thousands of random key sequences, each corrected at a random operand line.

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"

namespace zumbrel {
namespace {

using calc::KeyAction;
using live::Step;

// The keys of the sequences: digits weigh most, so that amounts are made.
std::vector<KeyAction> randomKeys(std::mt19937& rng, std::size_t n, bool business) {
    static const std::string kChars = "0123456789012345678901234567890123456789,,++--**//%==";
    static const calc::Command kCommands[] = {calc::Command::SquareRoot, calc::Command::SignChange,
                                              calc::Command::DoubleZero, calc::Command::Backspace};
    std::vector<KeyAction> keys;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned pick = rng() % 100;
        if (pick < 88) {
            keys.emplace_back(kChars[rng() % kChars.size()]);
        } else if (pick < 97 || !business) {
            keys.emplace_back(kCommands[rng() % 4]);
        } else {
            keys.emplace_back(rng() % 2 ? business::BusinessKey::TvaPlus
                                        : business::BusinessKey::Golden);
        }
    }
    keys.emplace_back('\r');
    return keys;
}

std::vector<KeyAction> amountActions(const std::string& amount) {
    std::vector<Step> steps;
    EXPECT_TRUE(live::amountKeys(amount, steps)) << amount;
    std::vector<KeyAction> out;
    for (const Step& s : steps) {
        if (s.kind == Step::Kind::Char)
            out.emplace_back(static_cast<char>(s.code));
        else
            out.emplace_back(static_cast<calc::Command>(s.code));
    }
    return out;
}

std::string randomAmount(std::mt19937& rng) {
    std::string a = std::to_string(rng() % 5000);
    if (rng() % 3 == 0) a += "," + std::to_string(rng() % 100);
    if (rng() % 5 == 0) a = "-" + a;
    if (rng() % 12 == 0) a = "0";
    return a;
}

void typeAll(HeadlessCalculator& h, const std::vector<KeyAction>& keys) {
    for (const KeyAction& k : keys)
        calc::runAction(h.calc, k);
}

// What both calculators must agree on.
void expectSame(HeadlessCalculator& corrected, HeadlessCalculator& typed, const std::string& why) {
    ASSERT_EQ(corrected.tape.richText().paragraphs(), typed.tape.richText().paragraphs()) << why;
    ASSERT_EQ(corrected.history.lines(), typed.history.lines()) << why;
    calc::Registers a = corrected.calc.registers();
    calc::Registers b = typed.calc.registers();
    ASSERT_TRUE(a == b) << why << "\nentry " << a.edtSaisie << " / " << b.edtSaisie << ", pending "
                        << a.lblTamponNum1 << " / " << b.lblTamponNum1;
}

std::string describe(const std::vector<KeyAction>& keys) {
    std::string s;
    for (const KeyAction& k : keys) {
        if (const char* c = std::get_if<char>(&k))
            s += *c == '\r' ? '=' : *c;
        else if (const auto* cmd = std::get_if<calc::Command>(&k))
            s += std::array<const char*, 9>{
                "b", "d", "x", "[00]", "[000]", "p", "s", "r", "R"}[static_cast<std::size_t>(*cmd)];
        else
            s += "[B]";
    }
    return s;
}

enum class Change { Fix, Delete, Insert };

live::CorrectionKey correction(live::CorrectionKey::Kind kind, std::size_t line = 0, char op = 0,
                               std::string text = {}) {
    live::CorrectionKey key;
    key.kind = kind;
    key.line = line;
    key.op = op;
    key.text = std::move(text);
    return key;
}

// One random sequence, one random operand line, one change: the correction against typing.
void checkOne(std::mt19937& rng, Change change, bool business) {
    const std::vector<KeyAction> keys = randomKeys(rng, 6 + rng() % 30, business);
    HeadlessCalculator live;
    typeAll(live, keys);
    const live::Journal& journal = live.calc.journal();
    ASSERT_EQ(journal.size(), keys.size());
    // The operand lines whose amount was typed.
    std::vector<std::size_t> lines;
    for (std::size_t i = 0; i < journal.size(); ++i) {
        const auto line = journal.steps()[i].operandLine();
        if (line && journal.entryBegin(i) < i) lines.push_back(*line);
    }
    if (lines.empty()) return;
    const std::size_t line = lines[rng() % lines.size()];
    const std::size_t k = *journal.operandStep(line);
    const std::size_t g = journal.entryBegin(k);

    std::vector<KeyAction> expected;
    const std::string amount = randomAmount(rng);
    const char op = "+-*/"[rng() % 4];
    live::CorrectionOutcome outcome;
    const auto before = [&](std::size_t i) {
        return std::vector<KeyAction>(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(i));
    };
    const auto append = [](std::vector<KeyAction>& to, const std::vector<KeyAction>& more,
                           std::size_t from = 0) {
        to.insert(to.end(), more.begin() + static_cast<std::ptrdiff_t>(from), more.end());
    };
    switch (change) {
        case Change::Fix: {
            expected = before(g);
            append(expected, amountActions(amount));
            append(expected, keys, k);
            outcome =
                live.calc.correct(correction(live::CorrectionKey::Kind::Fix, line + 1, 0, amount));
            break;
        }
        case Change::Delete: {
            const bool withOperator = g > 0 && journal.steps()[g - 1].isOperator();
            expected = before(withOperator ? g - 1 : g);
            append(expected, keys, withOperator ? k : k + 1);
            outcome = live.calc.correct(correction(live::CorrectionKey::Kind::Delete, line + 1));
            break;
        }
        case Change::Insert: {
            expected = before(k);
            expected.emplace_back(op);
            append(expected, amountActions(amount));
            append(expected, keys, k);
            outcome = live.calc.correct(
                correction(live::CorrectionKey::Kind::Insert, line + 1, op, amount));
            break;
        }
    }
    HeadlessCalculator typed;
    typeAll(typed, expected);
    if (change == Change::Delete && !outcome.done) {
        // Refused only for a calculation that would keep one amount and lose its result
        // (the golden scenarios show which), and then nothing changed.
        ASSERT_EQ(outcome.refusal.key, live::msg::kLastTwoAmounts.key) << describe(keys);
        HeadlessCalculator original;
        typeAll(original, keys);
        expectSame(live, original, "refused deletion in " + describe(keys));
        return;
    }
    ASSERT_TRUE(outcome.done) << describe(keys) << " line " << line + 1;
    const std::string why = describe(keys) + " line " + std::to_string(line + 1) + " amount " +
                            amount + " -> " + describe(expected);
    expectSame(live, typed, why);

    // Undone, the tape is the one typed first.
    HeadlessCalculator original;
    typeAll(original, keys);
    ASSERT_TRUE(live.calc.correct(correction(live::CorrectionKey::Kind::Undo)).done);
    expectSame(live, original, "undo of " + why);
    ASSERT_TRUE(live.calc.correct(correction(live::CorrectionKey::Kind::Redo)).done);
    expectSame(live, typed, "redo of " + why);
}

class LiveTapeProperty : public testing::TestWithParam<Change> {};

TEST_P(LiveTapeProperty, a_correction_gives_what_typing_the_corrected_keys_gives) {
    std::mt19937 rng(20261207 + static_cast<unsigned>(GetParam()));
    for (int i = 0; i < 1500; ++i) {
        checkOne(rng, GetParam(), i % 3 == 0);
        if (testing::Test::HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, LiveTapeProperty,
                         testing::Values(Change::Fix, Change::Delete, Change::Insert),
                         [](const testing::TestParamInfo<Change>& info) {
                             switch (info.param) {
                                 case Change::Fix:
                                     return std::string("fix");
                                 case Change::Delete:
                                     return std::string("delete");
                                 default:
                                     return std::string("insert");
                             }
                         });

}  // namespace
}  // namespace zumbrel
