#include <gtest/gtest.h>
#include "test_names.h"

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/voice/number_words.h"
#include "core/voice/speech_voice.h"

namespace zumbrel::voice {
namespace {

using Files = std::vector<std::string>;

// ---- reading numbers in French -------------------------------------------------------------

struct ReadCase {
    const char* text;
    const char* nbrDec;
    Files files;
};

class NumberWords : public testing::TestWithParam<ReadCase> {};

TEST_P(NumberWords, follow_the_french_grammar) {
    EXPECT_EQ(readNumberFiles(GetParam().text, ',', GetParam().nbrDec), GetParam().files)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NumberWords,
    testing::Values(
        ReadCase{"71", "2", {"60.wav", "et.wav", "11.wav"}}, ReadCase{"80", "2", {"80.wav"}},
        ReadCase{"91", "2", {"80.wav", "11.wav"}}, ReadCase{"81", "2", {"80.wav", "1.wav"}},
        ReadCase{"200", "2", {"2.wav", "100.wav"}}, ReadCase{"1000", "2", {"10P3.wav"}},
        ReadCase{"2001", "2", {"2.wav", "10P3.wav", "1.wav"}},
        ReadCase{"1001000", "2", {"1.wav", "10P6.wav", "10P3.wav"}},
        ReadCase{"21000", "2", {"20.wav", "et.wav", "1.wav", "10P3.wav"}},
        ReadCase{
            "1234567890",
            "2",
            {"1.wav", "10P9.wav", "2.wav", "100.wav", "30.wav", "4.wav", "10P6.wav", "5.wav",
             "100.wav", "60.wav", "7.wav", "10P3.wav", "8.wav", "100.wav", "80.wav", "10.wav"}},
        ReadCase{"-12,05", "2", {"moins.wav", "12.wav", "separ.wav", "0.wav", "5.wav"}},
        ReadCase{"0,25", "2", {"0.wav", "separ.wav", "20.wav", "5.wav"}},
        // Three decimals are read as a number.
        ReadCase{"1,234", "3", {"1.wav", "separ.wav", "2.wav", "100.wav", "30.wav", "4.wav"}},
        ReadCase{"1,234", "2", {"1.wav", "separ.wav", "2.wav", "100.wav", "30.wav", "4.wav"}},
        ReadCase{"0,001", "3", {"0.wav", "separ.wav", "0.wav", "0.wav", "1.wav"}},
        ReadCase{"12,00", "2", {"12.wav"}}, ReadCase{"115", "2", {"100.wav", "15.wav"}},
        ReadCase{"1234", "2", {"10P3.wav", "2.wav", "100.wav", "30.wav", "4.wav"}},
        // An integer part of 0 is always said.
        ReadCase{"0,6", "1", {"0.wav", "separ.wav", "6.wav"}}, ReadCase{"0,0", "1", {"0.wav"}},
        // Long decimals are read digit by digit.
        ReadCase{"1,2345", "5", {"1.wav", "separ.wav", "2.wav", "3.wav", "4.wav", "5.wav"}},
        ReadCase{
            "2,01005", "5", {"2.wav", "separ.wav", "0.wav", "1.wav", "0.wav", "0.wav", "5.wav"}},
        ReadCase{"1"
                 "000000000000000000000000",
                 "2",
                 {"1.wav", "wiz.wav"}}),
    testing_names::namedBy([](const ReadCase& c) { return std::string(c.text); }));

// ---- speaking keys ---------------------------------------------------------------------------

class Speech : public testing::Test {
  protected:
    Speech() {
        for (const char* folder :
             {"/snd/FranW01/", "/snd/FranM01/", "/snd/EnglW01/", "/snd/SpanM01/"}) {
            for (const char* f :
                 {"0.wav", "1.wav", "2.wav", "3.wav", "5.wav", "9.wav", "plus.wav", "moins.wav",
                  "egal.wav", "oups.wav", "separ.wav", "d0.wav", "pourcent.wav", "15.wav", "c.wav"})
                files.files[std::string(folder) + f] = "";
        }
        state.install = config::InstallCode::ZMB;
        state.soundRoot = "/snd/";
        calc.registers().lblSepDec = "S";
    }
    void use(const char* kind, const char* code = "W01", const char* language = "Fran") {
        state.kind = kind;
        state.voiceCode = code;
        state.languageFolder = language;
    }
    Files played() const {
        Files out;
        for (const Event& e : log) {
            if (e.kind == "play") out.push_back(e.detail);
        }
        return out;
    }
    Files messages() const {
        Files out;
        for (const Event& e : log) {
            if (e.kind == "message") out.push_back(e.detail.substr(0, e.detail.find(" |")));
        }
        return out;
    }

    EventLog log;
    MemoryFileSystem files;
    VoiceState state;
    tape::MemoryTape tape;
    MemoryHistory history;
    MemoryStatusLine status;
    ScriptedPrompts prompts{log};
    RecordingSound sound{log};
    FrenchTranslator translator;
    SpeechVoice speech{state, sound, files, prompts, translator};
    MemoryClipboard clipboard;
    AnswerScript answers;
    ScriptedDialogs dialogs{log, answers};
    calc::Calculator calc{calc::Ports{tape, history, status, prompts, sound, speech, translator,
                                      clipboard, files, dialogs}};
};

TEST_F(Speech, the_womans_voice_says_each_key_then_reads_the_result) {
    use("WWo");
    calc::runKeys(calc, "12+3=");
    EXPECT_EQ(played(), (Files{"sync /snd/FranW01/1.wav", "sync /snd/FranW01/2.wav",
                               "sync /snd/FranW01/plus.wav", "sync /snd/FranW01/3.wav",
                               "sync /snd/FranW01/egal.wav", "sync /snd/FranW01/15.wav"}));
}

TEST_F(Speech, a_second_plus_is_not_announced_again) {
    use("WMa", "M01");
    calc::runKeys(calc, "5++");
    EXPECT_EQ(played(), (Files{"sync /snd/FranM01/5.wav", "sync /snd/FranM01/plus.wav"}));
}

TEST_F(Speech, an_operator_before_any_number_says_oups) {
    use("WMa", "M01");
    calc::runKeys(calc, "+");
    EXPECT_EQ(played(), (Files{"sync /snd/FranM01/oups.wav"}));
}

TEST_F(Speech, no_sound_plays_nothing_not_even_a_click) {
    use("WNS");
    calc::runKeys(calc, "12+3=r");
    EXPECT_TRUE(played().empty());
}

TEST_F(Speech, the_common_sound_is_the_french_click_whatever_the_language) {
    use("WCS", "", "Engl");
    calc::runKeys(calc, "1+2=");
    EXPECT_EQ(played(), (Files(4, "async /snd/FranW01/c.wav")));
}

TEST_F(Speech, english_uses_its_own_folder_and_reads_results_in_english) {
    use("WWo", "W01", "Engl");
    calc::runKeys(calc, "20+1=");
    EXPECT_EQ(played(), (Files{"sync /snd/EnglW01/2.wav", "sync /snd/EnglW01/0.wav",
                               "sync /snd/EnglW01/plus.wav", "sync /snd/EnglW01/1.wav",
                               "sync /snd/EnglW01/egal.wav", "sync /snd/EnglW01/20.wav",
                               "sync /snd/EnglW01/1.wav"}));
}

TEST_F(Speech, a_reading_asked_for_is_read_by_the_voice_even_when_results_are_not) {
    use("WWo");
    state.wavKeyOnly = true;
    EXPECT_TRUE(speech.readAgain({"plus.wav", "15.wav"}));
    EXPECT_EQ(played(), (Files{"sync /snd/FranW01/plus.wav", "sync /snd/FranW01/15.wav"}));
    log.clear();
    use("WCS", "");
    EXPECT_FALSE(speech.readAgain({"15.wav"}));  // no voice: the caller says it otherwise
    use("WWo");
    EXPECT_FALSE(speech.readAgain({}));
    EXPECT_TRUE(played().empty());
}

TEST_F(Speech, spanish_results_follow_the_spanish_grammar) {
    use("WMa", "M01", "Span");
    calc::runKeys(calc, "70+1=");
    const Files p = played();
    ASSERT_GE(p.size(), 3u);
    // setenta y uno, not the French "soixante et onze".
    EXPECT_EQ(
        Files(p.end() - 3, p.end()),
        (Files{"sync /snd/SpanM01/70.wav", "sync /snd/SpanM01/et.wav", "sync /snd/SpanM01/1.wav"}));
}

TEST_F(Speech, keys_are_silent_without_the_speak_keys_flag_but_results_are_read) {
    use("WWo");
    state.speakKeys = false;
    calc::runKeys(calc, "12+3=");
    EXPECT_EQ(played(), (Files{"sync /snd/FranW01/15.wav"}));
}

TEST_F(Speech, four_decimals_read_no_result) {
    use("WWo");
    state.wavKeyOnly = true;
    calc::runKeys(calc, "1+2=");
    EXPECT_EQ(played().back(), "sync /snd/FranW01/egal.wav");
}

TEST_F(Speech, a_missing_key_file_says_the_voice_option_is_missing) {
    use("WWo");
    calc::runKeys(calc, "7");
    EXPECT_TRUE(played().empty());
    EXPECT_EQ(messages(), (Files{"Option vocale indisponible"}));
    EXPECT_NE(log.back().detail.find(
                  "Cette option vocale est absente.\n\nVeuillez changer le sexe de la voix, ou "
                  "bien choisir\n\"Sonorité commune\" en \"Options\" > Préférences\" > \"Voix\"."),
              std::string::npos)
        << log.back().detail;
}

TEST_F(Speech, an_incomplete_folder_reads_no_result) {
    use("WWo");
    files.files.erase("/snd/FranW01/egal.wav");
    calc::runKeys(calc, "1+2=");
    // Equals itself is missing, then the reading finds the folder incomplete.
    EXPECT_EQ(messages(), (Files{"Option vocale indisponible", "Option vocale indisponible"}));
    EXPECT_NE(log.back().detail.find("Dossier voix vide ou incomplet..."), std::string::npos);
    EXPECT_EQ(played(), (Files{"sync /snd/FranW01/1.wav", "sync /snd/FranW01/plus.wav",
                               "sync /snd/FranW01/2.wav"}));
}

TEST_F(Speech, the_woman_is_silent_while_the_calculator_waits_for_reset) {
    use("WWo");
    calc::runKeys(calc, "2sr");
    log.clear();
    calc::runKeys(calc, "3");
    EXPECT_TRUE(played().empty());
}

TEST_F(Speech, double_zero_percent_and_root_make_their_sounds) {
    use("WWo");
    calc::runKeys(calc, "2[00]+5p");
    const Files p = played();
    EXPECT_EQ(p[1], "sync /snd/FranW01/d0.wav");
    EXPECT_EQ(p.back(), "sync /snd/FranW01/pourcent.wav");
    log.clear();
    calc::runKeys(calc, "=9r");
    EXPECT_EQ(played().back(), "async /snd/FranW01/c.wav");
}

TEST_F(Speech, the_goodbye_sound_comes_from_the_french_womans_folder) {
    use("WMa", "M01");
    speech.commonClick(true);
    EXPECT_EQ(played(), (Files{"async /snd/FranW01/bye.wav"}));
}

TEST_F(Speech, without_a_sound_folder_everything_is_silent) {
    use("WWo");
    state.soundRoot.clear();
    calc::runKeys(calc, "12+3=");
    EXPECT_TRUE(played().empty());
    EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace zumbrel::voice

namespace zumbrel::voice {
namespace {

struct GoodbyeCase {
    config::InstallCode install;
    const char* kind;
    bool halted;
    bool says;
};

class Goodbye : public testing::TestWithParam<GoodbyeCase> {};

TEST_P(Goodbye, hiding_a_window_says_goodbye_with_a_voice_or_the_common_sound) {
    const GoodbyeCase& c = GetParam();
    VoiceState v;
    v.install = c.install;
    v.kind = c.kind;
    EXPECT_EQ(v.saysGoodbye(c.halted), c.says);
}

INSTANTIATE_TEST_SUITE_P(Voices, Goodbye,
                         testing::Values(GoodbyeCase{config::InstallCode::ZMB, "WMa", true, true},
                                         GoodbyeCase{config::InstallCode::QT, "WWo", false, true},
                                         GoodbyeCase{config::InstallCode::ZMB, "WCS", false, true},
                                         GoodbyeCase{config::InstallCode::ZMB, "WCS", true, false},
                                         GoodbyeCase{config::InstallCode::ZMB, "WNS", false, false},
                                         GoodbyeCase{config::InstallCode::E, "WWo", false, false}));

}  // namespace
}  // namespace zumbrel::voice
