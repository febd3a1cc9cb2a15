// The live tape's journal, its files and its refusals, beyond the golden scenarios.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/live/journal_file.h"
#include "core/tape/rtf_reader.h"
#include "core/tape/rtf_writer.h"

namespace zumbrel {
namespace {

live::CorrectionKey fix(std::size_t line, std::string text) {
    live::CorrectionKey key;
    key.kind = live::CorrectionKey::Kind::Fix;
    key.line = line;
    key.text = std::move(text);
    return key;
}

// The next start, or a tape opened: `to`'s tape is `from`'s lines, its journal starts there.
void loadTape(HeadlessCalculator& to, const HeadlessCalculator& from) {
    to.tape.load(from.tape.richText());
    to.calc.restartJournal();
}

std::vector<std::string> lines(const tape::MemoryTape& t) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < t.lineCount(); ++i)
        out.push_back(t.line(i));
    return out;
}

// The system's separator is set once the calculator is made, as the windows do: a correction
// writes with it, not with the one the calculator was made with.
TEST(LiveTape, a_correction_writes_with_the_systems_decimal_separator) {
    HeadlessCalculator h('.');
    calc::runKeys(h.calc, "1250+300=");
    ASSERT_TRUE(h.calc.correct(fix(2, "310")).done);
    EXPECT_EQ(lines(h.tape),
              (std::vector<std::string>{"1'250.00", "+ 310.00", "——————————", "1'560.00", "", ""}));
}

TEST(LiveTape, the_journal_costs_about_sixteen_bytes_a_key) {
    HeadlessCalculator h;
    for (int i = 0; i < 20000; ++i)
        calc::runKeys(h.calc, "12,5+");
    calc::runKeys(h.calc, "=");
    const double perKey = static_cast<double>(h.calc.journal().bytes()) /
                          static_cast<double>(h.calc.journal().size());
    EXPECT_LE(perKey, 16.5);
}

// A line changed behind the journal's back (lines loaded or removed without the calculator)
// is never recomputed from keys that no longer match it.
TEST(LiveTape, a_tape_changed_behind_the_journal_is_not_corrected) {
    HeadlessCalculator h;
    calc::runKeys(h.calc, "12+3=");
    h.tape.deleteLine(0);
    const live::CorrectionOutcome out = h.calc.correct(fix(1, "4"));
    EXPECT_FALSE(out.done);
    EXPECT_EQ(out.refusal.key, live::msg::kNotJournaled.key);
    EXPECT_EQ(h.tape.line(0), "+ 3,00");
}

// The edit mode's hand edits start the journal again: the lines above can no longer be
// corrected, the ones typed after can.
TEST(LiveTape, after_a_restart_only_the_lines_typed_since_are_corrected) {
    HeadlessCalculator h;
    calc::runKeys(h.calc, "12+3=");
    h.calc.restartJournal();
    calc::runKeys(h.calc, "7+8=");
    EXPECT_EQ(h.calc.correct(fix(2, "4")).refusal.key, live::msg::kNotJournaled.key);
    ASSERT_TRUE(h.calc.correct(fix(8, "9")).done);
    EXPECT_EQ(h.tape.line(7), "+ 9,00");
    EXPECT_EQ(h.tape.line(9), "16,00");
    EXPECT_EQ(h.tape.line(3), "15,00");
}

TEST(LiveTape, a_saved_journal_sits_in_a_destination_word_processors_skip) {
    HeadlessCalculator h;
    h.prompts.queueInput("Loyer {été}");
    calc::runKeys(h.calc, "[TITLE]12+3=");
    const std::string journal = live::journalText(h.calc.journal());
    EXPECT_EQ(journal.find_first_of("\\{}"), std::string::npos) << journal;
    const std::string rtf = tape::writeRtf(h.tape.richText(), journal);
    EXPECT_EQ(tape::journalDestination(rtf), journal);
    const tape::ReadResult read = tape::readRtf(rtf, {});
    EXPECT_EQ(read.text.text(0), "Loyer {été}");
    EXPECT_EQ(read.text.text(3), "+ 3,00");
}

TEST(LiveTape, a_journal_read_back_gives_the_same_steps) {
    HeadlessCalculator h;
    h.clipboard.setText("42,5");
    h.prompts.queueInput("Total");
    calc::runKeys(h.calc, "12+[V]=[RESULT]9s*2=[TVA+][GT]x00b[000]p√R");
    const std::string text = live::journalText(h.calc.journal());
    const auto read = live::readJournalText(text);
    ASSERT_TRUE(read);
    std::size_t keys = 0;
    for (const live::Step& s : h.calc.journal().steps())
        keys += s.kind != live::Step::Kind::State ? 1 : 0;
    // First the rates the journal began with, then every step.
    ASSERT_EQ(read->items.size(), keys + 1) << text;
    EXPECT_EQ(read->items[0].step.kind, live::Step::Kind::Rates);
    EXPECT_EQ(read->rates[read->items[0].rates].pnlTauxTVA, "19,6");
    EXPECT_EQ(read->items[4].text, "42,5");
}

// A tape saved in Quebec French and reopened in English, or under another VAT rate, writes
// its blocks again with the language and the rates they were written with.
TEST(LiveTape, a_reopened_tape_keeps_the_rates_and_language_of_its_blocks) {
    struct Case {
        const char* name;
        char letterSaved;
        const char* vatSaved;
        char letterOpened;
        const char* vatOpened;
        const char* firstBlockLine;
    };
    for (const Case& c :
         {Case{"Quebec, then English", 'Q', "19,6", 'E', "19,6", "Hors-taxes : 50,00"},
          Case{"VAT 20, then 19,6", 'F', "20", 'F', "19,6", "HT : 50,00"}}) {
        HeadlessCalculator saved;
        saved.calc.business().letter = c.letterSaved;
        saved.calc.business().pnlTauxTVA = c.vatSaved;
        calc::runKeys(saved.calc, "10+20=[TVA+]");
        const std::string journal = live::journalText(saved.calc.journal());
        HeadlessCalculator opened;
        opened.calc.business().letter = c.letterOpened;
        opened.calc.business().pnlTauxTVA = c.vatOpened;
        loadTape(opened, saved);
        live::journalOpenedTape(opened.calc, journal);
        ASSERT_TRUE(opened.calc.correct(fix(1, "30")).done) << c.name;
        HeadlessCalculator typed;  // what typing 30 + 20 gave where the tape was written
        typed.calc.business().letter = c.letterSaved;
        typed.calc.business().pnlTauxTVA = c.vatSaved;
        calc::runKeys(typed.calc, "30+20=[TVA+]");
        ASSERT_EQ(opened.tape.lineCount(), typed.tape.lineCount()) << c.name;
        for (std::size_t i = 0; i < typed.tape.lineCount(); ++i)
            EXPECT_EQ(opened.tape.line(i), typed.tape.line(i)) << c.name << ", line " << i + 1;
        EXPECT_EQ(opened.tape.line(6), c.firstBlockLine) << c.name;
        // The calculator goes on with the rates of the windows.
        EXPECT_EQ(opened.calc.business().pnlTauxTVA, c.vatOpened) << c.name;
    }
}

// Rates that are no rates (a field missing, a letter of two characters) refuse the journal.
TEST(LiveTape, a_journal_with_damaged_rates_is_refused) {
    HeadlessCalculator h;
    calc::runKeys(h.calc, "1+1=");
    std::string journal = live::journalText(h.calc.journal());
    ASSERT_TRUE(live::readJournalText(journal));
    const std::size_t rates = journal.find("[R=0%09F%09");
    ASSERT_NE(rates, std::string::npos) << journal;
    std::string twoLetters = journal;
    twoLetters.replace(rates, 11, "[R=0%09FF%09");
    EXPECT_FALSE(live::readJournalText(twoLetters));
    std::string noField = journal;
    noField.replace(rates, 11, "[R=0%09F");
    EXPECT_FALSE(live::readJournalText(noField));
    std::string badInstall = journal;
    badInstall.replace(rates, 11, "[R=7%09F%09");
    EXPECT_FALSE(live::readJournalText(badInstall));
}

// Hostile journals: cut anywhere, bytes changed at random, never a crash, never accepted
// half-read.
TEST(LiveTape, a_damaged_journal_is_refused_whole) {
    const std::string good = "1 0 2%09Q;12+3=[N=42,5][C=Total][#2.0][TVA+]";
    ASSERT_TRUE(live::readJournalText(good));
    for (std::size_t cut = 0; cut < good.size(); ++cut)
        (void)live::readJournalText(good.substr(0, cut));
    for (const char* bad :
         {"", "1 ", "1 0;", "2 0 2%09Q;1", "1 0 2%09Q;[N=%G1]", "1 0 2%09Q;[#x.1]",
          "1 0 2%09Q;[TVA", "1 0 2%09Q;q", "1 99999999999 2%09Q;1"})
        EXPECT_FALSE(live::readJournalText(bad)) << bad;
    std::mt19937 rng(7);
    for (int i = 0; i < 20000; ++i) {
        std::string s = good;
        for (int k = 0; k < 3; ++k)
            s[rng() % s.size()] = static_cast<char>(rng() % 256);
        (void)live::readJournalText(s);
    }
}

// A file whose journal does not replay to its own lines (a hand-changed amount) is rebuilt
// from its lines instead.
TEST(LiveTape, a_journal_that_does_not_match_its_lines_is_rebuilt_from_them) {
    HeadlessCalculator h;
    calc::runKeys(h.calc, "12+3=");
    const std::string journal = live::journalText(h.calc.journal());
    tape::RichText text = h.tape.richText();
    HeadlessCalculator other;
    other.tape.load(tape::RichText({{tape::Align::Right, {{"12,00", {}}}},
                                    {tape::Align::Right, {{"+ 5,00", {}}}},
                                    {tape::Align::Right, {{"——————————", {}}}},
                                    {tape::Align::Right, {{"17,00", {}}}},
                                    {},
                                    {},
                                    {}}));
    other.calc.restartJournal();
    live::journalOpenedTape(other.calc, journal);
    ASSERT_TRUE(other.calc.correct(fix(2, "6")).done);
    EXPECT_EQ(other.tape.line(3), "18,00");
}

}  // namespace
}  // namespace zumbrel

namespace zumbrel {
namespace {

// A rate changed between two blocks: a correction above them writes each block again with
// the rate it was written with.
TEST(LiveTape, each_block_is_replayed_with_the_rate_it_was_written_with) {
    HeadlessCalculator h;
    calc::runKeys(h.calc, "100+20=[TVA+]");
    h.calc.business().pnlTauxTVA = "20";
    calc::runKeys(h.calc, "50=[TVA+]");
    live::CorrectionKey key;
    key.kind = live::CorrectionKey::Kind::Fix;
    key.line = 1;
    key.text = "200";
    ASSERT_TRUE(h.calc.correct(key).done);
    std::vector<std::string> vat;
    for (std::size_t i = 0; i < h.tape.lineCount(); ++i) {
        if (h.tape.line(i).starts_with("TVA")) vat.push_back(h.tape.line(i));
    }
    EXPECT_EQ(vat, (std::vector<std::string>{"TVA 19,6 % :  43,12", "TVA 20 % : 10,00"}));
    EXPECT_EQ(h.calc.business().pnlTauxTVA, "20");  // the rate in use stays
}

}  // namespace
}  // namespace zumbrel

namespace zumbrel {
namespace {

// Item counts switched on or off after results were written: a correction writes every
// result line as it stood, with or without its count.
TEST(LiveTape, result_lines_keep_the_item_count_setting_they_were_written_with) {
    HeadlessCalculator h;
    calc::runKeys(h.calc, "10+20=");
    h.calc.settings().countItems = true;
    calc::runKeys(h.calc, "1+2=");
    ASSERT_TRUE(h.calc.correct(fix(2, "30")).done);
    EXPECT_EQ(h.tape.line(3), "40,00");
    EXPECT_EQ(h.tape.line(9), "n 2  3,00");
    EXPECT_TRUE(h.calc.settings().countItems);  // the setting in use stays
}

// A tape saved without item counts and opened with them switched on (or the other way round)
// is still corrected with the lines it was written with.
TEST(LiveTape, a_reopened_tape_keeps_the_item_count_setting_of_its_lines) {
    for (const bool countedWhenSaved : {false, true}) {
        HeadlessCalculator saved;
        saved.calc.settings().countItems = countedWhenSaved;
        calc::runKeys(saved.calc, "10+20+5=");
        const std::string journal = live::journalText(saved.calc.journal());
        HeadlessCalculator opened;
        opened.calc.settings().countItems = !countedWhenSaved;
        loadTape(opened, saved);
        live::journalOpenedTape(opened.calc, journal);
        ASSERT_TRUE(opened.calc.correct(fix(2, "30")).done) << countedWhenSaved;
        EXPECT_EQ(opened.tape.line(4), countedWhenSaved ? "n 3  45,00" : "45,00");
        EXPECT_EQ(opened.calc.settings().countItems, !countedWhenSaved);
    }
}

// After a tape was opened, a correction of what was typed since rewrites its history lines,
// so that the history list never offers an amount the tape no longer holds; the opened
// tape's calculations, which wrote no history here, write none.
TEST(LiveTape, a_correction_after_a_tape_was_opened_rewrites_the_history_typed_since) {
    HeadlessCalculator saved;
    calc::runKeys(saved.calc, "10+20=");
    HeadlessCalculator opened;
    loadTape(opened, saved);
    live::journalOpenedTape(opened.calc, live::journalText(saved.calc.journal()));
    calc::runKeys(opened.calc, "5000-6250,4=");
    ASSERT_TRUE(opened.calc.correct(fix(8, "6000")).done);
    EXPECT_EQ(opened.history.lines(),
              (std::vector<std::string>{"5'000,00 -", "6'000,00", "= -1'000,00", ""}));
    // A correction in the opened tape's lines leaves the history alone.
    ASSERT_TRUE(opened.calc.correct(fix(2, "25")).done);
    EXPECT_EQ(opened.history.lines(),
              (std::vector<std::string>{"5'000,00 -", "6'000,00", "= -1'000,00", ""}));
}

// A tape recovered after a crash goes on where it stopped, with the operation under way, and
// its lines can still be corrected.
TEST(LiveTape, a_recovered_tape_goes_on_with_the_calculation_under_way) {
    HeadlessCalculator crashed;
    calc::runKeys(crashed.calc, "7[M+]10+20+5+");
    HeadlessCalculator recovered;
    loadTape(recovered, crashed);
    EXPECT_TRUE(
        live::resumeRecoveredTape(recovered.calc, live::journalText(crashed.calc.journal())));
    calc::runKeys(recovered.calc, "3=");
    const std::vector<std::string> done = lines(recovered.tape);
    EXPECT_EQ(std::vector<std::string>(done.begin(), done.begin() + 7),
              (std::vector<std::string>{"7,00 M+", "10,00", "+ 20,00", "+ 5,00", "+ 3,00",
                                        "——————————", "38,00"}));
    ASSERT_TRUE(recovered.calc.correct(fix(2, "11")).done);
    EXPECT_EQ(recovered.tape.line(6), "39,00");
    EXPECT_EQ(recovered.tape.line(0), "7,00 M+");
}

// A recovered journal that does not match its lines: the calculations are read back from the
// lines, and the calculator stays as it stands.
TEST(LiveTape, a_recovered_tape_whose_journal_does_not_match_starts_afresh) {
    HeadlessCalculator crashed;
    calc::runKeys(crashed.calc, "10+20=5+");
    HeadlessCalculator recovered;
    loadTape(recovered, crashed);
    EXPECT_FALSE(live::resumeRecoveredTape(recovered.calc, "1 0 2%092;12+"));
    EXPECT_EQ(recovered.calc.registers().lblTamponSign, 0);
    // The line left open ("+ ") is closed: the next amount starts a line of its own.
    calc::runKeys(recovered.calc, "7-9=");
    EXPECT_EQ(recovered.tape.line(7), "+ ");
    EXPECT_EQ(recovered.tape.line(8), "7,00");
    ASSERT_TRUE(recovered.calc.correct(fix(2, "25")).done);
    EXPECT_EQ(recovered.tape.line(3), "35,00");
}

// A block written in one language, then a line corrected after another language was chosen:
// the block is written again in its own words, not in the language now in use.
TEST(LiveTape, a_block_keeps_its_words_when_a_line_is_corrected_after_a_language_switch) {
    HeadlessCalculator h;
    const auto choose = [&h](char letter, std::vector<std::pair<std::string, std::string>> w) {
        h.translator.words = std::move(w);
        h.calc.business().letter = letter;
        h.calc.languageWords().keep(letter, std::make_shared<FrenchTranslator>(h.translator));
    };
    choose('E', {{"APPEND_HT", "excl. VAT"}, {"APPEND_TVA", "VAT"}, {"APPEND_TTC", "incl. VAT"}});
    calc::runKeys(h.calc, "50[TVA+]");
    const std::vector<std::string> block = lines(h.tape);
    ASSERT_NE(block[0].find("excl. VAT"), std::string::npos) << block[0];
    choose('C', {{"APPEND_HT", "senza IVA"}, {"APPEND_TVA", "IVA"}, {"APPEND_TTC", "cun IVA"}});
    calc::runKeys(h.calc, "1+2=");
    const std::size_t two = block.size() + 2;  // "+ 2,00", counted from 1
    ASSERT_EQ(h.tape.line(two - 1), "+ 2,00");
    ASSERT_TRUE(h.calc.correct(fix(two, "3")).done);
    for (std::size_t i = 0; i < block.size(); ++i)
        EXPECT_EQ(h.tape.line(i), block[i]) << "line " << i + 1;
    EXPECT_EQ(h.tape.line(two + 1), "4,00");
}

// A tape written in English, opened by a calculator that has not used English since it
// started: the words are read from the language's file, the journal replays, and a correction
// above a block writes the block again, in English, from the corrected result.
TEST(LiveTape, a_tape_in_a_language_not_chosen_since_the_start_reads_its_words) {
    const std::vector<std::pair<std::string, std::string>> english = {
        {"APPEND_HT", "excl. VAT"}, {"APPEND_TVA", "VAT"}, {"APPEND_TTC", "incl. VAT"}};
    HeadlessCalculator saved;
    saved.translator.words = english;
    saved.calc.business().letter = 'E';
    saved.calc.languageWords().keep('E', std::make_shared<FrenchTranslator>(saved.translator));
    calc::runKeys(saved.calc, "10+20=[TVA+]");
    HeadlessCalculator opened;  // French, English never chosen
    std::map<char, int> loads;
    opened.calc.languageWords().setLoader([&](char letter) -> std::shared_ptr<const Translator> {
        ++loads[letter];
        if (letter != 'E') return nullptr;
        auto words = std::make_shared<FrenchTranslator>();
        words->words = english;
        return words;
    });
    loadTape(opened, saved);
    live::journalOpenedTape(opened.calc, live::journalText(saved.calc.journal()));
    ASSERT_TRUE(opened.calc.correct(fix(2, "30")).done);
    const std::string block = opened.tape.line(6);
    EXPECT_NE(block.find("excl. VAT"), std::string::npos) << block;
    EXPECT_NE(block.find("40,00"), std::string::npos) << block;
    for (const auto& [letter, times] : loads)
        EXPECT_EQ(times, 1) << letter;  // a language's file is read once, then kept
    EXPECT_EQ(loads['E'], 1);
}

// A warning the recalculation meets again (a result of more than 19 digits) is said in the
// language of the interface, as the total is, whatever language the keys were typed in.
TEST(LiveTape, a_warning_met_again_is_said_in_the_language_in_use) {
    HeadlessCalculator h;  // typed in French, whose words are kept for the replays
    h.calc.languageWords().keep('F', std::make_shared<FrenchTranslator>(h.translator));
    calc::runKeys(h.calc, "123456789012345678+1=");
    h.calc.business().letter = 'E';  // English chosen
    h.translator.words = {{"MSG_LIVE_RECALCULATED", "Total recalculated:"},
                          {"MSG_LIVE_BEFORE", "before:"},
                          {"SMSG_MF_003", "Wrong result: more than 19 digits!"}};
    const live::CorrectionOutcome out = h.calc.correct(fix(2, "3"));
    ASSERT_TRUE(out.done);
    const std::string said = out.message(h.translator);
    EXPECT_NE(said.find("Total recalculated:"), std::string::npos) << said;
    EXPECT_NE(said.find(". Wrong result: more than 19 digits!"), std::string::npos) << said;
    EXPECT_EQ(said.find("faussé"), std::string::npos) << said;
}

// Journals saved before the item count was kept have two fields: they replay under the setting
// in use, as they always did.
TEST(LiveTape, a_format_key_without_item_count_leaves_the_setting_in_use) {
    const live::LineFormat old = live::readFormatKey("2\tS");
    EXPECT_EQ(old.nbrDec, "2");
    EXPECT_EQ(old.sepDec, "S");
    EXPECT_FALSE(old.countItems.has_value());
    const live::LineFormat now = live::readFormatKey(live::formatKeyOf(calc::Registers{}, true));
    EXPECT_EQ(now.countItems, std::optional<bool>(true));
}

}  // namespace
}  // namespace zumbrel
