// The calculator's registers and flags, where the scenario files cannot look.

#include <gtest/gtest.h>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/live/journal_file.h"

namespace zumbrel {
namespace {

using calc::runKeys;

std::vector<std::string> tapeLines(const HeadlessCalculator& h) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < h.tape.lineCount(); ++i)
        out.push_back(h.tape.line(i));
    return out;
}

std::vector<Event> events(const HeadlessCalculator& h, const std::string& kind) {
    std::vector<Event> out;
    for (const Event& e : h.log) {
        if (e.kind == kind) out.push_back(e);
    }
    return out;
}

// "=" typed on the keyboard computes as Enter does: swallowed, it joined the amounts on either
// side of it ("12,5+7=100*3=" put "+ 7'100,00" on the tape).
TEST(InputLine, the_equals_character_computes_as_enter_does) {
    HeadlessCalculator h;
    for (const char c : std::string("12,5+7=100*3="))
        h.calc.key(c);
    EXPECT_EQ(tapeLines(h),
              (std::vector<std::string>{"12,50", "+ 7,00", "——————————", "19,50", "", "", "100,00",
                                        "* 3,00", "——————————", "300,00", "", ""}));
    EXPECT_EQ(h.calc.registers().edtSaisie, "300,00");
    // Journaled as Enter: a replay (a correction, a tape restored) computes there too.
    EXPECT_TRUE(live::journalText(h.calc.journal()).ends_with("12,5+7=100*3="))
        << live::journalText(h.calc.journal());
}

TEST(InputLine, a_result_stands_selected_and_shown) {
    HeadlessCalculator h;
    runKeys(h.calc, "12+3=");
    const auto& r = h.calc.registers();
    EXPECT_TRUE(r.entrySelected);
    EXPECT_TRUE(r.resultShown);
    EXPECT_EQ(r.lblTamponSign2Caption(), "=");
    EXPECT_EQ(r.lblTamponSign2, 0);
    runKeys(h.calc, "4");
    EXPECT_FALSE(r.resultShown);
    EXPECT_FALSE(r.entrySelected);
}

TEST(InputLine, begun_flag_waits_for_a_digit_from_1_to_9) {
    HeadlessCalculator h;
    runKeys(h.calc, "000,0");
    EXPECT_FALSE(h.calc.registers().lblbBegin);
    runKeys(h.calc, "3");
    EXPECT_TRUE(h.calc.registers().lblbBegin);
}

TEST(InputLine, backspace_after_a_result_removes_its_last_digit) {
    HeadlessCalculator h;
    runKeys(h.calc, "12+3=b");
    EXPECT_EQ(h.calc.registers().edtSaisie, "15,0");
    EXPECT_FALSE(h.calc.registers().resultShown);
}

TEST(InputLine, a_key_leaves_the_tape_edit_mode) {
    HeadlessCalculator h;
    h.tape.setEditMode(true);
    h.calc.commands().editCommands = false;
    runKeys(h.calc, "1+");
    EXPECT_FALSE(h.tape.editMode());
    EXPECT_TRUE(h.calc.commands().editCommands);
    ASSERT_EQ(events(h, "beep").size(), 1u);
    EXPECT_EQ(events(h, "beep")[0].detail, "asterisk");
}

TEST(ExtraDecimals, more_decimals_than_the_setting_light_the_indicator) {
    HeadlessCalculator h;
    runKeys(h.calc, "1,23456");
    EXPECT_TRUE(h.calc.registers().extraDecimals);
    EXPECT_TRUE(h.calc.registers().shLedVisible);
    EXPECT_EQ(h.calc.registers().lblNbrDecEd, "5");
}

TEST(ExtraDecimals, three_decimals_within_five_places_clear_it) {
    HeadlessCalculator h;
    h.calc.registers().lblNbrDecPref = "5";
    h.calc.registers().extraDecimals = true;
    runKeys(h.calc, "1,234");
    EXPECT_FALSE(h.calc.registers().extraDecimals);
    EXPECT_FALSE(h.calc.registers().shLedVisible);
}

TEST(ExtraDecimals, cleared_after_equals) {
    HeadlessCalculator h;
    runKeys(h.calc, "1,23456+1=");
    EXPECT_FALSE(h.calc.registers().extraDecimals);
}

TEST(AutomaticMemory, is_red_for_a_negative_intermediate_result) {
    HeadlessCalculator h;
    runKeys(h.calc, "2-5+");
    EXPECT_EQ(h.calc.registers().lblMemory4, "-3,00");
    EXPECT_EQ(h.calc.registers().memory4Color, colors::kRed);
    runKeys(h.calc, "9+");
    EXPECT_EQ(h.calc.registers().lblMemory4, "6,00");
    EXPECT_EQ(h.calc.registers().memory4Color, colors::kNavy);
    runKeys(h.calc, "1=");
    EXPECT_EQ(h.calc.registers().lblMemory4, "");
}

TEST(ResultComment, asks_with_the_comment_below_the_question) {
    HeadlessCalculator h(',', calc::CalcSettings{true});
    h.calc.registers().edtComResult = "Total";
    h.prompts.setDefaultAnswer(Answer::No);
    runKeys(h.calc, "12+3=");
    const auto boxes = events(h, "message");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].detail,
              "Demande de confirmation... | Souhaitez-vous ajouter le commentaire de résultat "
              "suivant :\n\nTotal");
    // Refused, the comment waits for the next result.
    EXPECT_EQ(h.calc.registers().edtComResult, "Total");
    h.prompts.setDefaultAnswer(Answer::Yes);
    runKeys(h.calc, "1+1=");
    EXPECT_EQ(h.calc.registers().edtComResult, "");
    EXPECT_EQ(h.tape.line(h.tape.lineCount() - 3), "Total 2,00");
}

TEST(Errors, a_lone_minus_before_percent_stops_with_a_message_and_changes_nothing) {
    HeadlessCalculator h;
    runKeys(h.calc, "12+s");
    const calc::Registers before = h.calc.registers();
    const auto linesBefore = tapeLines(h);
    runKeys(h.calc, "%");
    const auto boxes = events(h, "message");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].detail, "Error... | Ce nombre n'est pas valide, opération stoppée : « - »");
    const auto& after = h.calc.registers();
    EXPECT_EQ(after.edtSaisie, before.edtSaisie);
    EXPECT_EQ(after.lblTamponSign1, before.lblTamponSign1);
    EXPECT_EQ(after.lblTamponSign2, before.lblTamponSign2);
    EXPECT_EQ(after.lblTamponNum1, before.lblTamponNum1);
    EXPECT_EQ(after.lblPosNeg, before.lblPosNeg);
    EXPECT_EQ(tapeLines(h), linesBefore);
    // The calculator goes on.
    runKeys(h.calc, "5=");
    EXPECT_EQ(h.calc.registers().edtSaisie, "17,00");
}

TEST(Errors, a_result_beyond_range_writes_nothing) {
    HeadlessCalculator h;
    // The largest entry multiplied by itself: 274 factors stay within range, the 275th
    // goes beyond it.
    const std::string big(calc::kEntryCapacity, '9');
    std::string chain = big;
    for (int i = 0; i < 274; ++i)
        chain += "*" + big;
    runKeys(h.calc, chain);
    ASSERT_TRUE(events(h, "message").empty());
    const auto linesBefore = tapeLines(h);
    runKeys(h.calc, "=");
    EXPECT_EQ(tapeLines(h), linesBefore);
    const auto boxes = events(h, "message");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].detail,
              "Error... | Résultat hors des limites du calcul, opération stoppée !");
    EXPECT_EQ(h.calc.registers().edtSaisie, big);
}

TEST(Errors, nothing_prints_inf_or_nan_or_an_exponent) {
    HeadlessCalculator h;
    h.calc.registers().lblNbrDecPref = "0";
    std::string keys = "9";
    for (int i = 0; i < 600; ++i)
        keys += "*999999999999999999";
    runKeys(h.calc, keys + "=");
    for (const std::string& line : tapeLines(h)) {
        EXPECT_EQ(line.find_first_of("einaEIN"), std::string::npos) << line.substr(0, 60);
    }
}

TEST(Commands, save_and_print_follow_the_tape) {
    calc::CommandState c;
    c.btnEnabled(true, false);
    EXPECT_TRUE(c.mItemPrint && c.mItemEnregistrerSous && c.ToolBtnSave && c.ToolbtnPrint);
    EXPECT_TRUE(c.mItemEnregistrer);
    c.btnNotEnabled(true, false);
    EXPECT_TRUE(c.mItemPrint);
    EXPECT_FALSE(c.mItemEnregistrer);
    c.btnNotEnabled(true, true);
    EXPECT_FALSE(c.mItemPrint || c.mItemEnregistrerSous || c.ToolBtnSave || c.ToolbtnPrint);
    c.btnEnabled(true, true);
    EXPECT_FALSE(c.mItemPrint);
    EXPECT_TRUE(c.mItemEnregistrer);
}

TEST(TapeFont, operands_and_results_use_the_configured_font) {
    HeadlessCalculator h;
    tape::TextStyle st;
    st.fontName = "DejaVu Sans Mono";
    st.halfPoints = 28;
    st.color = Color{0x404040};
    h.tape.setDefaultStyle(st);
    h.tape.restoreDefaultStyle();
    runKeys(h.calc, "5s-3=");
    const auto operand = h.tape.lineRuns(0);
    ASSERT_EQ(operand.size(), 1u);
    EXPECT_EQ(operand[0].style.color, colors::kRed);
    EXPECT_EQ(operand[0].style.fontName, "DejaVu Sans Mono");
    EXPECT_EQ(operand[0].style.halfPoints, 28);
    EXPECT_EQ(h.tape.lineRuns(1)[0].style, st);
}

}  // namespace
}  // namespace zumbrel
