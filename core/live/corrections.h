#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/live/journal.h"
#include "core/ports.h"

namespace zumbrel::calc {
class Calculator;
}

namespace zumbrel::live {

// The texts of the live tape: language-file key and built-in French text.
namespace msg {
inline constexpr Message kRecalculated{"MSG_LIVE_RECALCULATED", "Total recalculé :"};
inline constexpr Message kBefore{"MSG_LIVE_BEFORE", "avant :"};
inline constexpr Message kNotJournaled{
    "MSG_LIVE_NOT_JOURNALED",
    "Cette ligne ne peut pas être corrigée : elle n'a pas été calculée depuis l'ouverture du "
    "ruban, ou elle a été modifiée à la main."};
inline constexpr Message kNotAnOperand{"MSG_LIVE_NOT_OPERAND",
                                       "Seule une ligne de montant saisi peut être corrigée."};
inline constexpr Message kFromResult{
    "MSG_LIVE_FROM_RESULT",
    "Ce montant reprend un résultat : corrigez les lignes qui l'ont calculé."};
inline constexpr Message kNotANumber{"MSG_LIVE_NOT_NUMBER", "Ce montant n'est pas un nombre :"};
inline constexpr Message kNotAnOperator{"MSG_LIVE_NOT_OPERATOR",
                                        "L'opérateur doit être + - * / ou % :"};
inline constexpr Message kFirstOperand{
    "MSG_LIVE_FIRST_OPERAND", "Le premier montant d'un calcul n'a pas d'opérateur à changer."};
inline constexpr Message kNothingToUndo{"MSG_LIVE_NOTHING_UNDO", "Aucune correction à annuler."};
inline constexpr Message kNothingToRedo{"MSG_LIVE_NOTHING_REDO", "Aucune correction à rétablir."};
inline constexpr Message kNoSuchLine{"MSG_LIVE_NO_LINE", "Le ruban n'a pas de ligne"};
inline constexpr Message kLastTwoAmounts{
    "MSG_LIVE_LAST_TWO_AMOUNTS",
    "Un calcul garde au moins deux montants : corrigez plutôt celui-ci."};
}  // namespace msg

// A correction as scripts write it: [FIX n=TEXT] [FIXOP n=OP] [DEL n] [INS n=OPTEXT] [UNDO]
// [REDO]; n counts the tape's lines from 1, as the line counter does.
struct CorrectionKey {
    // FixLine (the windows' editor): the operator and the amount of a line at once.
    enum class Kind { Fix, FixOperator, Delete, Insert, Undo, Redo, FixLine };
    Kind kind = Kind::Undo;
    std::size_t line = 0;  // from 1
    char op = 0;
    std::string text;
    friend bool operator==(const CorrectionKey&, const CorrectionKey&) = default;
};
// The key written between the brackets ("FIX 2=4,50"), or nothing.
std::optional<CorrectionKey> parseCorrectionKey(std::string_view token);

// A correction done: which line, what it showed and shows, and the total it changed.
struct Correction {
    std::size_t line = 0;  // from 0
    std::string oldText;
    std::string newText;
    std::string totalBefore;
    std::string totalAfter;
    // What the recalculation met: a division by zero, a negative root, an overflow.
    std::optional<Message> warning;
    // The lines rewritten: [firstChanged, firstChanged + changedCount) of the new tape.
    std::size_t firstChanged = 0;
    std::size_t changedCount = 0;
    std::vector<std::size_t> changedLines;  // those whose text changed
};

struct CorrectionOutcome {
    bool done = false;
    Correction correction;  // when done
    Message refusal{};      // when not done: why
    std::string detail;     // the text refused, or the line's number
    // What the status line says: the new total, or why nothing changed.
    std::string message(const Translator& tr) const;
};

// Corrections of a tape whose journal knows its lines: an amount, an operator, an operand
// deleted or inserted, each replayed from the journal's start by a fresh calculator so that
// every line depending on it is written again exactly as typing would have written it; and
// their undo and redo.
class Corrections {
  public:
    explicit Corrections(calc::Calculator& calc) : calc_(calc) {}

    CorrectionOutcome fixAmount(std::size_t line, std::string_view amount);
    CorrectionOutcome fixOperator(std::size_t line, char op);
    // The operator and the amount together: one correction, one undo.
    CorrectionOutcome fixLine(std::size_t line, char op, std::string_view amount);
    CorrectionOutcome remove(std::size_t line);
    // Inserts "op amount" after the operand on `line`.
    CorrectionOutcome insertAfter(std::size_t line, char op, std::string_view amount);
    CorrectionOutcome undo();
    CorrectionOutcome redo();
    // A scripted correction.
    CorrectionOutcome run(const CorrectionKey& key);
    // Every correction asked for, done or refused, in order (the command line reports them).
    const std::vector<CorrectionOutcome>& outcomes() const { return outcomes_; }
    bool canUndo();
    bool canRedo();

    // Why `line` cannot be corrected; an empty key when it can.
    Message refusalFor(std::size_t line) const;
    // The amount an editor on `line` starts with ("3,00").
    std::string amountOn(std::size_t line) const;

  private:
    struct SavedStep {
        Step step;
        std::string text;         // a Number's, a Comment's or a Format's
        tape::RichText fragment;  // a Foreign step's lines
    };
    struct Edit {
        std::size_t first = 0;  // the step where the change begins
        std::size_t inserted = 0;
        std::vector<SavedStep> removed;
        std::size_t line = 0;
    };
    enum class Record { Undo, Redo, RedoKept };

    // Replaces [first, first + count) of the journal by `steps` and writes the tape again.
    // With keepResults, an edit that would leave a result unwritten (a calculation left with
    // one amount) is refused and changes nothing.
    CorrectionOutcome apply(std::size_t first, std::size_t count, std::vector<SavedStep> steps,
                            std::size_t line, Record record, bool keepResults = false);
    std::vector<SavedStep> saved(std::size_t first, std::size_t count) const;
    // The asides of [first, first + count) (a line comment among an amount's keys), kept when
    // the amount is typed again.
    std::vector<SavedStep> asides(std::size_t first, std::size_t count) const;
    bool findOperand(std::size_t line, std::size_t& step, CorrectionOutcome& refusal) const;
    bool operandAndKeys(std::size_t line, std::string_view amount, std::size_t& step,
                        std::vector<Step>& keys, CorrectionOutcome& refusal);
    void forgetOtherJournals();

    calc::Calculator& calc_;
    std::vector<Edit> undo_;
    std::vector<Edit> redo_;
    std::uint64_t generation_ = 0;
    std::vector<CorrectionOutcome> outcomes_;
};

// The keys that type an amount ("1 234,5", "-12.30"): digits and one separator, then the
// sign key for a negative amount; nothing when it is not a number.
bool amountKeys(std::string_view amount, std::vector<Step>& keys);

}  // namespace zumbrel::live
