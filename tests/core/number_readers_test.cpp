// Results read in each language's own grammar: the hard cases of every reader, as the words
// its voice folder says (the same table generates the folders).

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "core/voice/number_words.h"
#include "core/voice/tape_line.h"
#include "core/voice/word_table.h"

namespace zumbrel::voice {
namespace {

struct Reading {
    const char* language;
    const char* number;
    const char* words;
};

class NumberReaders : public testing::TestWithParam<Reading> {};

TEST_P(NumberReaders, say_the_number_in_the_languages_words) {
    const Reading& r = GetParam();
    EXPECT_EQ(wordsOfFiles(readNumberFiles(r.number, ',', "2", r.language), r.language), r.words)
        << r.language << " " << r.number;
}

std::string caseName(const testing::TestParamInfo<Reading>& info) {
    std::string name = std::string(info.param.language) + "_";
    for (const char* c = info.param.number; *c; ++c)
        name += *c == '-' ? 'm' : *c == ',' ? 'c' : *c;
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Engl, NumberReaders,
    testing::Values(
        Reading{"Engl", "0", "zero"}, Reading{"Engl", "1", "one"}, Reading{"Engl", "11", "eleven"},
        Reading{"Engl", "12", "twelve"}, Reading{"Engl", "13", "thirteen"},
        Reading{"Engl", "14", "fourteen"}, Reading{"Engl", "15", "fifteen"},
        Reading{"Engl", "18", "eighteen"}, Reading{"Engl", "19", "nineteen"},
        Reading{"Engl", "16", "sixteen"}, Reading{"Engl", "17", "seventeen"},
        Reading{"Engl", "21", "twenty one"}, Reading{"Engl", "31", "thirty one"},
        Reading{"Engl", "71", "seventy one"}, Reading{"Engl", "80", "eighty"},
        Reading{"Engl", "81", "eighty one"}, Reading{"Engl", "91", "ninety one"},
        Reading{"Engl", "100", "one hundred"}, Reading{"Engl", "101", "one hundred and one"},
        Reading{"Engl", "110", "one hundred and ten"},
        Reading{"Engl", "180", "one hundred and eighty"}, Reading{"Engl", "200", "two hundred"},
        Reading{"Engl", "280", "two hundred and eighty"},
        Reading{"Engl", "999", "nine hundred and ninety nine"},
        Reading{"Engl", "1000", "one thousand"}, Reading{"Engl", "1001", "one thousand and one"},
        Reading{"Engl", "1100", "one thousand one hundred"},
        Reading{"Engl", "1200", "one thousand two hundred"},
        Reading{"Engl", "1230", "one thousand two hundred and thirty"},
        Reading{"Engl", "2000", "two thousand"}, Reading{"Engl", "21000", "twenty one thousand"},
        Reading{"Engl", "100000", "one hundred thousand"},
        Reading{"Engl", "101000", "one hundred and one thousand"},
        Reading{"Engl", "1000000", "one million"}, Reading{"Engl", "2000000", "two million"},
        Reading{"Engl", "21000000", "twenty one million"},
        Reading{"Engl", "1000000000", "one billion"},
        Reading{"Engl", "1000000001", "one billion and one"},
        Reading{"Engl", "2500000000", "two billion five hundred million"},
        Reading{"Engl", "-42", "minus forty two"}, Reading{"Engl", "12,5", "twelve point five"},
        Reading{"Engl", "12,05", "twelve point zero five"},
        Reading{"Engl", "12,125", "twelve point one hundred and twenty five"},
        Reading{"Engl", "3,14159", "three point one four one five nine"},
        Reading{"Engl", "999999999999999999",
                "nine hundred and ninety nine quadrillion nine hundred and ninety nine trillion "
                "nine hundred and ninety nine billion nine hundred and ninety nine million nine "
                "hundred and ninety nine thousand nine hundred and ninety nine"},
        Reading{"Engl", "1000000000000000000000", "one sextillion"},
        // The largest result the calculator shows (with its overflow warning).
        Reading{"Engl", "999998999999998000000000000000000000,00",
                "nine hundred and ninety nine and more"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Germ, NumberReaders,
    testing::Values(
        Reading{"Germ", "0", "null"}, Reading{"Germ", "1", "eins"}, Reading{"Germ", "11", "elf"},
        Reading{"Germ", "12", "zwölf"}, Reading{"Germ", "13", "dreizehn"},
        Reading{"Germ", "14", "vierzehn"}, Reading{"Germ", "15", "fünfzehn"},
        Reading{"Germ", "18", "achtzehn"}, Reading{"Germ", "19", "neunzehn"},
        Reading{"Germ", "16", "sechzehn"}, Reading{"Germ", "17", "siebzehn"},
        Reading{"Germ", "21", "ein und zwanzig"}, Reading{"Germ", "31", "ein und dreißig"},
        Reading{"Germ", "71", "ein und siebzig"}, Reading{"Germ", "80", "achtzig"},
        Reading{"Germ", "81", "ein und achtzig"}, Reading{"Germ", "91", "ein und neunzig"},
        Reading{"Germ", "100", "hundert"}, Reading{"Germ", "101", "hundert eins"},
        Reading{"Germ", "110", "hundert zehn"}, Reading{"Germ", "180", "hundert achtzig"},
        Reading{"Germ", "200", "zweihundert"}, Reading{"Germ", "280", "zweihundert achtzig"},
        Reading{"Germ", "999", "neunhundert neun und neunzig"}, Reading{"Germ", "1000", "tausend"},
        Reading{"Germ", "1001", "tausend eins"}, Reading{"Germ", "1100", "tausend hundert"},
        Reading{"Germ", "1200", "tausend zweihundert"},
        Reading{"Germ", "1230", "tausend zweihundert dreißig"},
        Reading{"Germ", "2000", "zwei tausend"},
        Reading{"Germ", "21000", "ein und zwanzig tausend"},
        Reading{"Germ", "100000", "hundert tausend"},
        Reading{"Germ", "101000", "hundert ein tausend"},
        Reading{"Germ", "1000000", "eine Million"}, Reading{"Germ", "2000000", "zwei Millionen"},
        Reading{"Germ", "21000000", "ein und zwanzig Millionen"},
        Reading{"Germ", "1000000000", "eine Milliarde"},
        Reading{"Germ", "1000000001", "eine Milliarde eins"},
        Reading{"Germ", "2500000000", "zwei Milliarden fünfhundert Millionen"},
        Reading{"Germ", "-42", "minus zwei und vierzig"},
        Reading{"Germ", "12,5", "zwölf Komma fünf"},
        Reading{"Germ", "12,05", "zwölf Komma null fünf"},
        Reading{"Germ", "12,125", "zwölf Komma hundert fünf und zwanzig"},
        Reading{"Germ", "3,14159", "drei Komma eins vier eins fünf neun"},
        Reading{"Germ", "999999999999999999",
                "neunhundert neun und neunzig Billiarden neunhundert neun und neunzig Billionen "
                "neunhundert neun und neunzig Milliarden neunhundert neun und neunzig Millionen "
                "neunhundert neun und neunzig tausend neunhundert neun und neunzig"},
        Reading{"Germ", "1000000000000000000000", "eine Trilliarde"},
        // The largest result the calculator shows (with its overflow warning).
        Reading{"Germ", "999998999999998000000000000000000000,00",
                "neunhundert neun und neunzig und mehr"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Ital, NumberReaders,
    testing::Values(
        Reading{"Ital", "0", "zero"}, Reading{"Ital", "1", "uno"}, Reading{"Ital", "11", "undici"},
        Reading{"Ital", "12", "dodici"}, Reading{"Ital", "13", "tredici"},
        Reading{"Ital", "14", "quattordici"}, Reading{"Ital", "15", "quindici"},
        Reading{"Ital", "18", "diciotto"}, Reading{"Ital", "19", "diciannove"},
        Reading{"Ital", "16", "sedici"}, Reading{"Ital", "17", "diciassette"},
        Reading{"Ital", "21", "vent uno"}, Reading{"Ital", "31", "trent uno"},
        Reading{"Ital", "71", "settant uno"}, Reading{"Ital", "80", "ottanta"},
        Reading{"Ital", "81", "ottant uno"}, Reading{"Ital", "91", "novant uno"},
        Reading{"Ital", "100", "cento"}, Reading{"Ital", "101", "cento uno"},
        Reading{"Ital", "110", "cento dieci"}, Reading{"Ital", "180", "cent ottanta"},
        Reading{"Ital", "200", "duecento"}, Reading{"Ital", "280", "due cent ottanta"},
        // "cento" drops its vowel before "otto" as before "ottanta".
        Reading{"Ital", "8", "otto"}, Reading{"Ital", "28", "vent otto"},
        Reading{"Ital", "108", "cent otto"}, Reading{"Ital", "208", "due cent otto"},
        Reading{"Ital", "188", "cent ottant otto"}, Reading{"Ital", "1108", "mille cent otto"},
        Reading{"Ital", "108000", "cent otto mila"}, Reading{"Ital", "107", "cento sette"},
        Reading{"Ital", "999", "novecento novanta nove"}, Reading{"Ital", "1000", "mille"},
        Reading{"Ital", "1001", "mille uno"}, Reading{"Ital", "1100", "mille cento"},
        Reading{"Ital", "1200", "mille duecento"}, Reading{"Ital", "1230", "mille duecento trenta"},
        Reading{"Ital", "2000", "due mila"}, Reading{"Ital", "21000", "vent un mila"},
        Reading{"Ital", "100000", "cento mila"}, Reading{"Ital", "101000", "cento un mila"},
        Reading{"Ital", "1000000", "un milione"}, Reading{"Ital", "2000000", "due milioni"},
        Reading{"Ital", "21000000", "vent un milioni"},
        Reading{"Ital", "1000000000", "un miliardo"},
        Reading{"Ital", "1000000001", "un miliardo uno"},
        Reading{"Ital", "2500000000", "due miliardi cinquecento milioni"},
        Reading{"Ital", "-42", "meno quaranta due"},
        Reading{"Ital", "12,5", "dodici virgola cinque"},
        Reading{"Ital", "12,05", "dodici virgola zero cinque"},
        Reading{"Ital", "12,125", "dodici virgola cento venti cinque"},
        Reading{"Ital", "3,14159", "tre virgola uno quattro uno cinque nove"},
        Reading{"Ital", "999999999999999999",
                "novecento novanta nove biliardi novecento novanta nove bilioni novecento novanta "
                "nove miliardi novecento novanta nove milioni novecento novanta nove mila "
                "novecento novanta nove"},
        Reading{"Ital", "1000000000000000000000", "un triliardo"},
        // The largest result the calculator shows (with its overflow warning).
        Reading{"Ital", "999998999999998000000000000000000000,00",
                "novecento novanta nove e oltre"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Span, NumberReaders,
    testing::Values(
        Reading{"Span", "0", "cero"}, Reading{"Span", "1", "uno"}, Reading{"Span", "11", "once"},
        Reading{"Span", "12", "doce"}, Reading{"Span", "13", "trece"},
        Reading{"Span", "14", "catorce"}, Reading{"Span", "15", "quince"},
        Reading{"Span", "18", "dieciocho"}, Reading{"Span", "19", "diecinueve"},
        Reading{"Span", "16", "dieciséis"}, Reading{"Span", "17", "diecisiete"},
        Reading{"Span", "21", "veintiuno"}, Reading{"Span", "31", "treinta y uno"},
        Reading{"Span", "71", "setenta y uno"}, Reading{"Span", "80", "ochenta"},
        Reading{"Span", "81", "ochenta y uno"}, Reading{"Span", "91", "noventa y uno"},
        Reading{"Span", "100", "cien"}, Reading{"Span", "101", "ciento uno"},
        Reading{"Span", "110", "ciento diez"}, Reading{"Span", "180", "ciento ochenta"},
        Reading{"Span", "200", "doscientos"}, Reading{"Span", "280", "doscientos ochenta"},
        Reading{"Span", "999", "novecientos noventa y nueve"}, Reading{"Span", "1000", "mil"},
        Reading{"Span", "1001", "mil uno"}, Reading{"Span", "1100", "mil cien"},
        Reading{"Span", "1200", "mil doscientos"},
        Reading{"Span", "1230", "mil doscientos treinta"}, Reading{"Span", "2000", "dos mil"},
        Reading{"Span", "21000", "veintiún mil"}, Reading{"Span", "100000", "cien mil"},
        Reading{"Span", "101000", "ciento un mil"}, Reading{"Span", "1000000", "un millón"},
        Reading{"Span", "2000000", "dos millones"},
        Reading{"Span", "21000000", "veintiún millones"},
        Reading{"Span", "1000000000", "mil millones"},
        Reading{"Span", "1000000001", "mil millones uno"},
        Reading{"Span", "2500000000", "dos mil quinientos millones"},
        Reading{"Span", "-42", "menos cuarenta y dos"}, Reading{"Span", "12,5", "doce coma cinco"},
        Reading{"Span", "12,05", "doce coma cero cinco"},
        Reading{"Span", "12,125", "doce coma ciento veinticinco"},
        Reading{"Span", "3,14159", "tres coma uno cuatro uno cinco nueve"},
        Reading{"Span", "999999999999999999",
                "novecientos noventa y nueve mil novecientos noventa y nueve billones novecientos "
                "noventa y nueve mil novecientos noventa y nueve millones novecientos noventa y "
                "nueve mil novecientos noventa y nueve"},
        Reading{"Span", "1000000000000000000000", "mil trillones"},
        // The largest result the calculator shows (with its overflow warning).
        Reading{"Span", "999998999999998000000000000000000000,00",
                "novecientos noventa y nueve y más"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Port, NumberReaders,
    testing::Values(
        Reading{"Port", "0", "zero"}, Reading{"Port", "1", "um"}, Reading{"Port", "11", "onze"},
        Reading{"Port", "12", "doze"}, Reading{"Port", "13", "treze"},
        Reading{"Port", "14", "catorze"}, Reading{"Port", "15", "quinze"},
        Reading{"Port", "18", "dezoito"}, Reading{"Port", "19", "dezanove"},
        Reading{"Port", "16", "dezasseis"}, Reading{"Port", "17", "dezassete"},
        Reading{"Port", "21", "vinte e um"}, Reading{"Port", "31", "trinta e um"},
        Reading{"Port", "71", "setenta e um"}, Reading{"Port", "80", "oitenta"},
        Reading{"Port", "81", "oitenta e um"}, Reading{"Port", "91", "noventa e um"},
        Reading{"Port", "100", "cem"}, Reading{"Port", "101", "cento e um"},
        Reading{"Port", "110", "cento e dez"}, Reading{"Port", "180", "cento e oitenta"},
        Reading{"Port", "200", "duzentos"}, Reading{"Port", "280", "duzentos e oitenta"},
        Reading{"Port", "999", "novecentos e noventa e nove"}, Reading{"Port", "1000", "mil"},
        Reading{"Port", "1001", "mil e um"}, Reading{"Port", "1100", "mil e cem"},
        Reading{"Port", "1200", "mil e duzentos"}, Reading{"Port", "1230", "mil duzentos e trinta"},
        Reading{"Port", "2000", "dois mil"}, Reading{"Port", "21000", "vinte e um mil"},
        Reading{"Port", "100000", "cem mil"}, Reading{"Port", "101000", "cento e um mil"},
        Reading{"Port", "1000000", "um milhão"}, Reading{"Port", "2000000", "dois milhões"},
        Reading{"Port", "21000000", "vinte e um milhões"},
        Reading{"Port", "1000000000", "mil milhões"},
        Reading{"Port", "1000000001", "mil milhões e um"},
        Reading{"Port", "2500000000", "dois mil e quinhentos milhões"},
        Reading{"Port", "-42", "menos quarenta e dois"},
        Reading{"Port", "12,5", "doze vírgula cinco"},
        Reading{"Port", "12,05", "doze vírgula zero cinco"},
        Reading{"Port", "12,125", "doze vírgula cento e vinte e cinco"},
        Reading{"Port", "3,14159", "três vírgula um quatro um cinco nove"},
        Reading{"Port", "999999999999999999",
                "novecentos e noventa e nove mil novecentos e noventa e nove biliões novecentos e "
                "noventa e nove mil novecentos e noventa e nove milhões novecentos e noventa e "
                "nove mil novecentos e noventa e nove"},
        Reading{"Port", "1000000000000000000000", "mil triliões"},
        // The largest result the calculator shows (with its overflow warning).
        Reading{"Port", "999998999999998000000000000000000000,00",
                "novecentos e noventa e nove e mais"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Cors, NumberReaders,
    testing::Values(
        Reading{"Cors", "0", "zeru"}, Reading{"Cors", "1", "unu"}, Reading{"Cors", "11", "ondeci"},
        Reading{"Cors", "12", "dodeci"}, Reading{"Cors", "13", "tredeci"},
        Reading{"Cors", "14", "quattordeci"}, Reading{"Cors", "15", "quindeci"},
        Reading{"Cors", "18", "diciottu"}, Reading{"Cors", "19", "dicennove"},
        Reading{"Cors", "16", "sedeci"}, Reading{"Cors", "17", "dicessette"},
        Reading{"Cors", "21", "vint unu"}, Reading{"Cors", "31", "trent unu"},
        Reading{"Cors", "71", "settant unu"}, Reading{"Cors", "80", "ottanta"},
        Reading{"Cors", "81", "ottant unu"}, Reading{"Cors", "91", "novant unu"},
        Reading{"Cors", "100", "centu"}, Reading{"Cors", "101", "centu unu"},
        Reading{"Cors", "110", "centu dece"}, Reading{"Cors", "180", "cent ottanta"},
        Reading{"Cors", "200", "duiecentu"}, Reading{"Cors", "280", "dui cent ottanta"},
        Reading{"Cors", "999", "novecentu novanta nove"}, Reading{"Cors", "1000", "mille"},
        Reading{"Cors", "1001", "mille unu"}, Reading{"Cors", "1100", "mille centu"},
        Reading{"Cors", "1200", "mille duiecentu"},
        Reading{"Cors", "1230", "mille duiecentu trenta"}, Reading{"Cors", "2000", "dui mila"},
        Reading{"Cors", "21000", "vint un mila"}, Reading{"Cors", "100000", "centu mila"},
        Reading{"Cors", "101000", "centu un mila"}, Reading{"Cors", "1000000", "un milione"},
        Reading{"Cors", "2000000", "dui milioni"}, Reading{"Cors", "21000000", "vint un milioni"},
        Reading{"Cors", "1000000000", "un miliardu"},
        Reading{"Cors", "1000000001", "un miliardu unu"},
        Reading{"Cors", "2500000000", "dui miliardi cinquecentu milioni"},
        Reading{"Cors", "-42", "menu quaranta dui"},
        Reading{"Cors", "12,5", "dodeci virgula cinque"},
        Reading{"Cors", "12,05", "dodeci virgula zeru cinque"},
        Reading{"Cors", "12,125", "dodeci virgula centu vinti cinque"},
        Reading{"Cors", "3,14159", "trè virgula unu quattru unu cinque nove"},
        Reading{"Cors", "999999999999999999",
                "novecentu novanta nove biliardi novecentu novanta nove bilioni novecentu novanta "
                "nove miliardi novecentu novanta nove milioni novecentu novanta nove mila "
                "novecentu novanta nove"},
        Reading{"Cors", "1000000000000000000000", "un triliardu"},
        // The largest result the calculator shows (with its overflow warning).
        Reading{"Cors", "999998999999998000000000000000000000,00",
                "novecentu novanta nove è di più"}),
    caseName);

// Every whole number up to a million, in every language, plays files its voice folder has.
TEST(NumberReaders, every_number_up_to_a_million_plays_files_of_the_folder) {
    const std::vector<std::string_view> all = voiceFiles();
    const std::set<std::string_view> folder(all.begin(), all.end());
    for (const char* language : {"Engl", "Germ", "Ital", "Span", "Port", "Cors", "Fran"}) {
        std::size_t missing = 0;
        for (int n = 0; n <= 1'000'000 && missing < 5; ++n) {
            const std::vector<std::string> files =
                readNumberFiles(std::to_string(n), ',', "2", language);
            if (files.empty()) ++missing;
            for (const std::string& f : files) {
                if (!folder.contains(f)) {
                    ADD_FAILURE() << language << " " << n << ": " << f;
                    ++missing;
                }
            }
        }
        EXPECT_EQ(missing, 0u) << language;
    }
}

TEST(NumberReaders, only_plain_numbers_are_read) {
    for (const char* language : {"Engl", "Germ", "Span"}) {
        for (const char* text : {"", "-", ",", "1,2,3", "12a", "1 000", "E"})
            EXPECT_TRUE(readNumberFiles(text, ',', "2", language).empty()) << text;
    }
}

TEST(NumberReaders, french_and_quebec_keep_the_french_reader) {
    EXPECT_EQ(wordsOfFiles(readNumberFiles("71", ',', "2", "Queb"), "Queb"), "soixante et onze");
    EXPECT_EQ(wordsOfFiles(readNumberFiles("80", ',', "2", "Fran"), "Fran"), "quatre-vingt");
    EXPECT_EQ(wordsOfFiles(readNumberFiles("71", ',', "2", "Xxxx"), "Xxxx"), "soixante et onze");
}

TEST(NumberReaders, every_file_a_reader_plays_is_in_every_voice_folder) {
    for (const char* language : {"Fran", "Engl", "Germ", "Ital", "Span", "Port", "Cors", "Queb"}) {
        for (const char* text : {"-21,5", "71", "180", "1001", "21000", "2500000000", "101000",
                                 "999999999999999999", "1000000000000000000000000"}) {
            for (const std::string& f : readNumberFiles(text, ',', "2", language))
                EXPECT_FALSE(wordOf(language, f).empty()) << language << " " << f;
        }
    }
}

// The key speaker says each key in the language's word.
TEST(KeyWords, each_language_says_its_own_operators) {
    const char* const files[] = {"plus.wav",     "moins.wav", "multipl.wav", "divis.wav",
                                 "pourcent.wav", "egal.wav",  "separ.wav"};
    const std::pair<const char*, std::array<const char*, 7>> rows[] = {
        {"Fran", {"plus", "moins", "multiplié par", "divisé par", "pour cent", "égal", "virgule"}},
        {"Engl", {"plus", "minus", "times", "divided by", "percent", "equals", "point"}},
        {"Germ", {"plus", "minus", "mal", "geteilt durch", "Prozent", "gleich", "Komma"}},
        {"Ital", {"più", "meno", "per", "diviso", "per cento", "uguale", "virgola"}},
        {"Span", {"más", "menos", "por", "dividido por", "por ciento", "igual", "coma"}},
        {"Port", {"mais", "menos", "vezes", "dividido por", "por cento", "igual", "vírgula"}},
        {"Cors", {"più", "menu", "per", "divisu per", "per centu", "uguale", "virgula"}}};
    for (const auto& [language, words] : rows) {
        for (std::size_t i = 0; i < 7; ++i)
            EXPECT_EQ(wordOf(language, files[i]), words[i]) << language;
    }
}

struct LineCase {
    const char* line;
    const char* language;
    const char* words;
};

class TapeLines : public testing::TestWithParam<LineCase> {};

TEST_P(TapeLines, are_read_back_with_their_operator) {
    const LineCase& c = GetParam();
    const calc::FormatOptions opt{',', "2", "S"};  // spaces between thousands
    EXPECT_EQ(wordsOfFiles(readTapeLineFiles(c.line, opt, c.language), c.language), c.words)
        << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TapeLines,
    testing::Values(LineCase{"+ 12,5", "Fran", "plus douze virgule cinq"},
                    // Decimals are read as the tape shows them, like results.
                    LineCase{"+ 12,50", "Fran", "plus douze virgule cinquante"},
                    LineCase{"– 1 250,00", "Fran", "moins mille deux cent cinquante"},
                    LineCase{"      1 956,00", "Engl", "one thousand nine hundred and fifty six"},
                    LineCase{"* 1,2", "Engl", "times one point two"},
                    LineCase{"/ 4,00", "Span", "dividido por cuatro"},
                    LineCase{"% 20,00", "Germ", "Prozent zwanzig"},
                    LineCase{"TVA 19,6 % : 3,92", "Fran", "trois virgule quatre-vingt douze"},
                    LineCase{"-5,00", "Fran", "moins cinq"}, LineCase{"——————————", "Fran", ""},
                    // A result that counts its items is read without its count.
                    LineCase{"n 3  1 040,00", "Fran", "mille quarante"},
                    LineCase{"n 12  -7,00", "Engl", "minus seven"},
                    LineCase{"Loyer de décembre", "Fran", ""}));

}  // namespace
}  // namespace zumbrel::voice
