// Runs the scenario files of tests/core/golden: keys and settings, then what the tape,
// history, entry, display, status line and automatic memory must show.
//
//   case: a name
//   keys: 12+3=              (the key language of zumbrel-cli)
//   set: ds=. nbrdec=0 sepdec=S warncr=1 answer=no comment=Total
//        lang=Queb tva=20 tps=5 tvp=9,975 tvp-name=TVQ money-rate=6,55957 ae-rate=23
//        ae-ceiling=32000   (the business registers, named as zumbrel-cli's options)
//   clipboard: Total: 1.234,56 EUR   (the system clipboard's text, for [V]; spaces kept)
//   {300×5}                  in keys, clipboard and expected lines: the text after "×" up
//                            to "}" repeated that many times (a held key, a long clipboard)
//     tape 12,00             one line each, in order; {red}, {red bold}, {green} start a
//     tape {red}-2,00        run of that style, {} goes back to the tape colour; other
//                            colours are their settings value ({1541956 bold}), a
//                            background follows "on" ({on 65535})
//     history 12,00 +        (history, tape: every line; "tape" alone is an empty line)
//     entry 15,00            (entry, display, status, memory: the whole text)
//     beep default           every beep, in order ("beep none": no beep at all)
//     message Error... | …   every message box: title | text ("message none": none)
//     voice key 1            every request to the voice, in order
//     halted yes             whether the calculator waits for Reset
//     memories 1234,5        the three memories, one line each ("memories" alone: empty)
//     list 1                 the number list, one item a line
//     panel 5                the clipboard panel; clipboard 5: the system clipboard
//   answers: yes,cancel,a.rtf  the answers to the questions, input boxes and file dialogs
//   set: date=2026-12-05 day=Saturday month=December   the day [DATE] writes, its names
//        install=E letter=X okboxgum=0 header=h.rtf footer=f.rtf
//     comment Total          the result comment waiting for the next result
//     input AJOUTER TITRE | … -> Total   every input box: title | prompt -> answer
//   file: old.rtf 12,00      a file that exists before the keys (its text)
//     caption Zumbrel - a.rtf  the tape window's caption; saved yes: the tape-saved flag;
//     closed yes             whether [QUIT] let the program close
//     files a.rtf: 12,00 | + 3,00   every file after the keys, its lines read back
//     dialog save Enregistrer -> a.rtf   every file dialog and its answer
// A section that a case does not mention is not checked.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "core/calc/key_script.h"
#include "core/config/language.h"
#include "core/headless_calculator.h"
#include "core/tape/rtf_reader.h"

namespace zumbrel {
namespace {

struct Scenario {
    std::string file;
    std::string name;
    std::string keys;
    std::map<std::string, std::string> settings;
    std::optional<std::string> clipboard;
    std::map<std::string, std::vector<std::string>> expected;
    std::vector<std::string> answers;
    std::vector<std::pair<std::string, std::string>> files;  // name, text, before the keys
};

std::string styleClass(const tape::TextStyle& st) {
    std::string c;
    if (st.color == colors::kRed)
        c = "red";
    else if (st.color == colors::kGreen)
        c = "green";
    else if (st.color != colors::kBlack)
        c = std::to_string(st.color.bgr);
    if (st.bold) c += c.empty() ? "bold" : " bold";
    if (st.hasBackground) c += (c.empty() ? "on " : " on ") + std::to_string(st.background.bgr);
    return c;
}

// A tape line in the scenario notation.
std::string markup(const tape::MemoryTape& t, std::size_t i) {
    std::string out;
    std::string current;
    for (const auto& run : t.runs(i)) {
        const std::string c = styleClass(t.style(run.style));
        if (c != current) out += "{" + c + "}";
        current = c;
        out += run.text;
    }
    return out;
}

// A message on one line: its line breaks read " / ".
std::string oneLine(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n"))
        text.replace(at, 2, " / ");
    return text;
}

// A tape file's lines, read back, joined by " | ".
std::string fileLines(const std::string& bytes) {
    tape::MemoryTape t;
    t.load(tape::readRichOrPlain(bytes, {t.defaultStyle(), tape::Align::Right}).text);
    std::string out;
    for (std::size_t i = 0; i < t.lineCount(); ++i) {
        if (t.line(i).empty()) continue;
        out += (out.empty() ? "" : " | ") + t.line(i);
    }
    return out;
}

// "{300×5}" stands for 300 fives (a held key, a long clipboard).
std::string expandRepeats(std::string text) {
    const std::string times = "×";
    for (std::size_t open = text.find('{'); open != std::string::npos;
         open = text.find('{', open)) {
        const std::size_t cross = text.find(times, open);
        const std::size_t close = text.find('}', open);
        const bool marked = close != std::string::npos && cross < close;
        const std::string count = marked ? text.substr(open + 1, cross - open - 1) : "";
        if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos) {
            ++open;
            continue;
        }
        const std::string unit = text.substr(cross + times.size(), close - cross - times.size());
        std::string repeated;
        for (std::size_t i = 0, n = std::stoul(count); i < n; ++i)
            repeated += unit;
        text.replace(open, close + 1 - open, repeated);
        open += repeated.size();
    }
    return text;
}

std::vector<Scenario> loadScenarios() {
    std::vector<Scenario> all;
    for (const auto& f : std::filesystem::directory_iterator(ZUMBREL_GOLDEN_DIR)) {
        std::ifstream in(f.path());
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            if (line.rfind("case: ", 0) == 0) {
                all.push_back(
                    {f.path().filename().string(), line.substr(6), {}, {}, {}, {}, {}, {}});
            } else if (all.empty()) {
                ADD_FAILURE() << f.path() << ": a line before the first case: " << line;
            } else if (line.rfind("keys: ", 0) == 0) {
                all.back().keys = expandRepeats(line.substr(6));
            } else if (line.rfind("answers: ", 0) == 0) {
                std::istringstream words(line.substr(9));
                std::string w;
                while (std::getline(words, w, ','))
                    all.back().answers.push_back(w);
            } else if (line.rfind("file: ", 0) == 0) {
                const std::string body = line.substr(6);
                const auto sp = body.find(' ');
                all.back().files.emplace_back(body.substr(0, sp),
                                              sp == std::string::npos ? "" : body.substr(sp + 1));
            } else if (line.rfind("clipboard: ", 0) == 0) {
                all.back().clipboard = expandRepeats(line.substr(11));
            } else if (line.rfind("set: ", 0) == 0) {
                std::istringstream words(line.substr(5));
                std::string w;
                while (words >> w) {
                    const auto eq = w.find('=');
                    all.back().settings[w.substr(0, eq)] = w.substr(eq + 1);
                }
            } else if (line.rfind("  ", 0) == 0) {
                const std::string body = line.substr(2);
                const auto sp = body.find(' ');
                const std::string section = body.substr(0, sp);
                all.back().expected[section].push_back(
                    sp == std::string::npos ? "" : expandRepeats(body.substr(sp + 1)));
            } else {
                ADD_FAILURE() << f.path() << ": cannot read: " << line;
            }
        }
    }
    return all;
}

void PrintTo(const Scenario& s, std::ostream* os) {
    *os << s.file << ": " << s.name;
}

class Golden : public testing::TestWithParam<Scenario> {};

TEST_P(Golden, shows_what_the_scenario_expects) {
    const Scenario& s = GetParam();
    auto setting = [&](const std::string& k, const std::string& def) {
        auto it = s.settings.find(k);
        return it == s.settings.end() ? def : it->second;
    };
    HeadlessCalculator h(setting("ds", ",")[0], calc::CalcSettings{setting("warncr", "0") == "1"});
    auto& regs = h.calc.registers();
    regs.lblNbrDecPref = setting("nbrdec", "2");
    regs.lblSepDec = setting("sepdec", "S");
    regs.edtComResult = setting("comment", "");
    h.prompts.setDefaultAnswer(setting("answer", "yes") == "no" ? Answer::No : Answer::Yes);
    if (s.clipboard) h.clipboard.setText(*s.clipboard);
    business::BusinessRegisters& business = h.calc.business();
    for (const config::LanguageRow& row : config::languageTable()) {
        if (row.folderCode == setting("lang", "Fran")) business.letter = row.letter;
    }
    for (const auto& [name, value] : s.settings)
        business.set(name, value);
    for (const auto& [name, text] : s.files)
        h.files.files[name] = text;
    if (const std::string ro = setting("readonly", ""); !ro.empty()) {
        h.files.folders.insert(ro);
        h.files.readOnlyFolders.insert(ro);
    }
    h.answers.assign(s.answers.begin(), s.answers.end());
    tape::Annotations& notes = h.calc.annotations();
    if (const std::string date = setting("date", ""); date.size() == 10) {
        notes.today = [date, day = setting("day", ""), month = setting("month", "")] {
            return tape::DateParts{std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)),
                                   std::stoi(date.substr(8, 2)), day, month};
        };
    }
    notes.headerPath = setting("header", "");
    notes.footerPath = setting("footer", "");
    h.calc.settings().okBoxGum = setting("okboxgum", "1") == "1";
    h.calc.settings().shortInterim = setting("shortinterim", "0") == "1";
    h.calc.settings().countItems = setting("items", "0") == "1";
    if (setting("install", "ZMB") == "E") business.install = config::InstallCode::E;
    if (const std::string letter = setting("letter", ""); !letter.empty())
        business.letter = letter[0];

    calc::runKeys(h.calc, s.keys);

    std::map<std::string, std::vector<std::string>> actual;
    for (std::size_t i = 0; i < h.tape.lineCount(); ++i)
        actual["tape"].push_back(markup(h.tape, i));
    actual["history"] = h.history.lines();
    actual["entry"] = {regs.edtSaisie};
    actual["display"] = {regs.EdtVirt};
    actual["status"] = {h.status.text()};
    actual["memory"] = {regs.lblMemory4};
    actual["grandtotal"] = {regs.grandTotal};
    actual["halted"] = {regs.halted ? "yes" : "no"};
    const calc::KeptValues& kept = h.calc.kept().values();
    actual["memories"] = {kept.lblMemory.begin(), kept.lblMemory.end()};
    actual["list"] = kept.cbbListNbr;
    actual["panel"] = {kept.pnlPP};
    actual["clipboard"] = {h.clipboard.text().value_or("(none)")};
    const tape::Documents& documents = h.calc.documents();
    actual["caption"] = {documents.caption()};
    actual["comment"] = {regs.edtComResult};
    actual["saved"] = {documents.tapeSaved() ? "yes" : "no"};
    actual["closed"] = {documents.closed() ? "yes" : "no"};
    for (const auto& [name, bytes] : h.files.files)
        actual["files"].push_back(name + ": " + fileLines(bytes));
    for (const Event& e : h.log) {
        if (e.kind == "beep" || e.kind == "voice") actual[e.kind].push_back(e.detail);
        if (e.kind == "message") actual["message"].push_back(oneLine(e.detail));
        if (e.kind == "dialog") actual["dialog"].push_back(e.detail + " -> " + e.answer);
        if (e.kind == "input") actual["input"].push_back(e.detail + " -> " + e.answer);
    }
    for (const auto& [section, lines] : s.expected) {
        std::vector<std::string> want = lines;
        if (want == std::vector<std::string>{"none"}) want.clear();
        std::string got;
        for (const std::string& l : actual[section])
            got += "\n    " + l;
        EXPECT_EQ(actual[section], want) << s.file << ": " << s.name << " (keys " << s.keys
                                         << "), section " << section << ", got:" << got;
    }
}

std::string caseName(const testing::TestParamInfo<Scenario>& info) {
    std::string n = info.param.file.substr(0, info.param.file.find('.')) + "_" + info.param.name;
    for (char& c : n) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return n;  // file and case name: unique, and the same whatever cases are added
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Golden, testing::ValuesIn(loadScenarios()), caseName);

}  // namespace
}  // namespace zumbrel
