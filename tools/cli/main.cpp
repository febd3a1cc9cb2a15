// zumbrel-cli: the calculator without windows. Keys in, tape out.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/business/bmi.h"
#include "core/calc/key_script.h"
#include "core/config/language.h"
#include "core/headless_calculator.h"
#include "core/live/journal_file.h"
#include "core/local_file_system.h"
#include "core/memory_ports.h"
#include "core/tape/tape_file.h"
#include "core/version.h"
#include "core/voice/number_words.h"
#include "core/voice/speech_rate.h"
#include "export.h"
#include "render.h"
#include "report.h"
#include "service.h"

namespace {

const char* kUsage = R"(Usage: zumbrel-cli [OPTIONS] [KEYS...]

Runs the calculator on KEYS (or on standard input) and prints the tape.
Without KEYS on a terminal, reads one line of keys at a time.

Keys:  0-9 , . + - * / %   as typed       =  equals (so is a line break between keys; the
       last line break of standard input, and each line's on a terminal, only end it)
       r or √  square root   s or ±  sign change   p  percent button
       R  Reset   x  Escape   b  Backspace   d  Delete   [00] [000]  extra zeros
       [>M1] [>M2] [>M3]  the display dropped on a memory   [M1>] …  a memory on the display
       [>L]  the display on the number list   [L1>] …  the list's n-th item (1-based)
       [H1>] …  the history's n-th line   [>PP]  the display on the clipboard panel
       [PP>]  the panel double-clicked   [V]  paste
       [TVA+] [TVA-]  VAT on a price before tax, back from a price with tax (the Quebec
                      taxes with --lang Queb)
       [E>F] [F>E]  euros to the other currency and back   [OR]  the golden number
       [AE]  self-employed turnover still allowed   [AEC]  self-employed charges
       [NEW] [OPEN] [SAVE] [SAVEAS]  the file commands   [QUIT]  the close's question
       [DATE] [TITLE] [LINE] [RESULT] [HEADER] [FOOTER] [ERASE]  writing on the tape
       [M+] [M-] [MR] [MC]  memory 1 plus, minus, recall, clear; [M2+] … [M3C]  memories 2, 3
       [GT] [GTC]  the grand total (twice in a row: cleared); its clear
       [COST] [SELL] [MARGIN] [MARKON]  the margin block: cost, sale price, taux de marge,
                      taux de marque (two of them write the block)
       [FIX n=TEXT]  correct the amount on tape line n (1-based) to TEXT
       [FIXOP n=OP]  change the operator of line n to OP (+ - * / %)
       [DEL n]  delete operand line n   [INS n=OPTEXT]  insert an operand after line n
                      ([INS 1=+3] inserts "+ 3" after line 1)   [UNDO] [REDO]  corrections

Options:
  --ds , | .              decimal separator (default ",")
  --nbrdec 0-5            NbrDec: decimal places of results (default 2)
  --sepdec S|Q|C|P|N      SepDec: thousands separator (default Q)
  --warncr                ask before writing a waiting result comment
  --items                 each result line shows the number of amounts added or subtracted
  --comment TEXT          a result comment waiting for the next result
  --answer yes|no         the answer to every question (default yes)
  --format text|ansi|json output (default text)
  --voice WMa|WWo|WCS|WNS the voice: man, woman, common click, none; the files that
                          would be played are listed (default: the requests to the voice)
  --rr 0|1                announce keys with the voice (default 1)
  --wavkeyonly            never read results in words
  --lang CODE             language: Fran Cors Engl Germ Ital Port Span Queb (its voice
                          folder, its colon spacing; Queb computes the Quebec taxes)
  --sound-root PATH       the voice folders; without it every file is taken as present
  --check-update [BASE]   ask the update service at BASE (default: the build's) and print
                          up-to-date, newer VERSION TEXT, impossible or offline
  --public-ip [BASE]      print the public address the service at BASE sees, or échoué
  --net-timeout MS        the network's transfer timeout (default 10000)
  --read NUMBER           print the files that read NUMBER aloud in the --lang language
                          (one a line, in playing order), and stop
  --words                 with --read: print the words those files say, on one line
  --rate R                with --render: the voice's rate, 1 to 3 in steps of 0.25
                          (default 1): faster speech at the same pitch
  --render FILE.wav       with --read: write the reading as one WAV file (the voice
                          folders of --sound-root, or the ones beside the program)
  --bmi KG METRES CENTIMETRES
                          print the body-mass index and its class ("23,94 Valeurs
                          normales"), and stop
  --tva RATE              the VAT rate in use (default 19,6)
  --tps RATE              the Quebec federal rate (default 5)
  --tvp RATE              the Quebec provincial rate (default 9,975)
  --tvp-name NAME         the provincial tax's name (default TVQ)
  --money-rate RATE       units of the other currency for one euro (default 6,55957)
  --ae-rate RATE          the self-employed charge rate in use (default 23)
  --ae-ceiling AMOUNT     the self-employed turnover ceiling in use (default 32000)
  --clipboard TEXT        the system clipboard's text, for [V] (paste)
  --load FILE             start from a tape file (RTF or plain text)
  --find TEXT             after the tape, a last line "found: 1 3": the numbers of the
                          lines that hold TEXT (an amount whatever its grouping: 1234,5
                          finds 1 234,50)
  --save FILE             write the tape as RTF after the keys
  --export FILE           write the tape after the keys as PDF (the printed layout) or CSV,
                          by the extension
  --date YYYY-MM-DD       the day [DATE] writes (today otherwise); its names in the system's
                          language (LC_TIME)
  --header FILE, --footer FILE   the files [HEADER] and [FOOTER] insert
  --answers LIST          the answers, in order, to the questions, input boxes and file
                          dialogs ([NEW] [OPEN] [SAVE] [SAVEAS] [QUIT] [ERASE], [TITLE] [LINE]
                          [RESULT]): yes, no, cancel, a text typed or a file name
  -h, --help              this text
  --version               the version
  --                      ends the options: what follows is keys, even "--5"
)";

struct Options {
    char ds = ',';
    std::string nbrDec = "2";
    std::string sepDec = "Q";
    bool warnCR = false;
    bool items = false;
    std::string comment;
    zumbrel::Answer answer = zumbrel::Answer::Yes;
    zumbrel::cli::OutputFormat format = zumbrel::cli::OutputFormat::Text;
    std::string keys;
    bool haveKeys = false;
    std::string loadPath;
    std::string savePath;
    std::string exportPath;
    std::vector<std::string> answers;
    std::string voice;
    bool rr = true;
    bool wavKeyOnly = false;
    std::string lang = "Fran";
    std::string soundRoot;
    std::string date;  // --date YYYY-MM-DD: the day [DATE] writes (today otherwise)
    std::string header, footer;
    std::string readNumber;
    std::optional<std::string> clipboard;
    bool read = false;
    bool words = false;                      // --read prints the words the files say
    double rate = 1;                         // --rate: the voice's speed for --render
    std::string render;                      // --render FILE.wav
    std::optional<std::string> find;         // --find TEXT: the lines that hold it
    std::vector<std::string> bmi;            // kilos, metres, centimetres
    std::optional<std::string> checkUpdate;  // the base address ("" for the build's)
    std::optional<std::string> publicIp;
    int netTimeout = 10000;
    std::vector<std::pair<std::string, std::string>> rates;  // option name, text
};

// "2026-02-29" is no day; "2028-02-29" is.
bool isCalendarDay(const std::string& date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (date[i] < '0' || date[i] > '9') return false;
    const int y = std::stoi(date.substr(0, 4)), m = std::stoi(date.substr(5, 2)),
              d = std::stoi(date.substr(8, 2));
    const std::chrono::year_month_day day{std::chrono::year(y), std::chrono::month(m),
                                          std::chrono::day(d)};
    return day.ok();
}

// Text echoed from the input goes to a terminal: control characters (escape sequences among
// them) are written as \xNN, never sent as they are.
std::string printable(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool c1 = c == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c >= 0x20 && c != 0x7F && !c1) {
            out += static_cast<char>(c);
            continue;
        }
        const unsigned char shown = c1 ? static_cast<unsigned char>(text[++i]) : c;
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", shown);
        out += hex;
    }
    return out;
}

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "zumbrel-cli: %s\n(see zumbrel-cli --help)\n", printable(why).c_str());
    std::exit(2);
}

Options parseOptions(int argc, char** argv) {
    Options o;
    bool optionsEnded = false;  // after "--" every argument is keys, even "-5" or "--"
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool looksLikeOption = a.rfind("--", 0) == 0 || a == "-h";
        if (optionsEnded || !looksLikeOption) {
            o.keys += a;
            o.haveKeys = true;
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) fail("option " + a + " needs a value");
            return argv[++i];
        };
        if (a == "-h" || a == "--help") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (a == "--version") {
            std::printf("zumbrel-cli %.*s\n", static_cast<int>(zumbrel::kVersion.size()),
                        zumbrel::kVersion.data());
            std::exit(0);
        } else if (a == "--ds") {
            const std::string v = value();
            if (v != "," && v != ".") fail("the decimal separator is \",\" or \".\"");
            o.ds = v[0];
        } else if (a == "--nbrdec") {
            o.nbrDec = value();
            if (o.nbrDec.size() != 1 || o.nbrDec[0] < '0' || o.nbrDec[0] > '5')
                fail("--nbrdec takes 0 to 5");
        } else if (a == "--sepdec") {
            o.sepDec = value();
            if (o.sepDec.size() != 1 ||
                std::string_view("SQCPN").find(o.sepDec[0]) == std::string_view::npos)
                fail("--sepdec takes S, Q, C, P or N");
        } else if (a == "--warncr") {
            o.warnCR = true;
        } else if (a == "--items") {
            o.items = true;
        } else if (a == "--comment") {
            o.comment = value();
        } else if (a == "--answer") {
            const std::string v = value();
            if (v != "yes" && v != "no") fail("--answer takes yes or no");
            o.answer = v == "yes" ? zumbrel::Answer::Yes : zumbrel::Answer::No;
        } else if (a == "--format") {
            const std::string v = value();
            if (v == "text")
                o.format = zumbrel::cli::OutputFormat::Text;
            else if (v == "ansi")
                o.format = zumbrel::cli::OutputFormat::Ansi;
            else if (v == "json")
                o.format = zumbrel::cli::OutputFormat::Json;
            else
                fail("--format takes text, ansi or json");
        } else if (a == "--voice") {
            o.voice = value();
            if (o.voice != "WMa" && o.voice != "WWo" && o.voice != "WCS" && o.voice != "WNS")
                fail("--voice takes WMa, WWo, WCS or WNS");
        } else if (a == "--rr") {
            const std::string v = value();
            if (v != "0" && v != "1") fail("--rr takes 0 or 1");
            o.rr = v == "1";
        } else if (a == "--wavkeyonly") {
            o.wavKeyOnly = true;
        } else if (a == "--lang") {
            o.lang = value();
            const auto& table = zumbrel::config::languageTable();
            if (std::none_of(table.begin(), table.end(),
                             [&](const auto& row) { return row.folderCode == o.lang; }))
                fail("--lang takes Fran, Cors, Engl, Germ, Ital, Port, Span or Queb");
        } else if (a == "--sound-root") {
            o.soundRoot = value();
            if (!o.soundRoot.empty() && o.soundRoot.back() != '/') o.soundRoot += '/';
        } else if (a == "--check-update" || a == "--public-ip") {
            // The base address is optional: the next argument when it is no option.
            std::string base;
            if (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0) base = argv[++i];
            (a == "--check-update" ? o.checkUpdate : o.publicIp) = base;
        } else if (a == "--net-timeout") {
            const std::string v = value();
            if (v.empty() || v.size() > 7 ||
                v.find_first_not_of("0123456789") != std::string::npos || std::stoi(v) == 0)
                fail("--net-timeout takes a number of milliseconds, 1 to 9999999");
            o.netTimeout = std::stoi(v);
        } else if (a == "--bmi") {
            for (int k = 0; k < 3; ++k)
                o.bmi.push_back(value());
        } else if (a == "--read") {
            o.readNumber = value();
            o.read = true;
        } else if (a == "--words") {
            o.words = true;
        } else if (a == "--rate") {
            const auto rate = zumbrel::voice::parseRate(value());
            if (!rate) fail("--rate takes 1 to 3 in steps of 0.25 (1, 1.25, ... 3)");
            o.rate = *rate;
        } else if (a == "--render") {
            o.render = value();
        } else if (a == "--find") {
            o.find = value();
        } else if (zumbrel::business::BusinessRegisters{}.set(a.substr(2), "")) {
            o.rates.emplace_back(a.substr(2), value());
        } else if (a == "--clipboard") {
            o.clipboard = value();
        } else if (a == "--load") {
            o.loadPath = value();
        } else if (a == "--save") {
            o.savePath = value();
        } else if (a == "--export") {
            o.exportPath = value();
        } else if (a == "--date") {
            o.date = value();
            if (!isCalendarDay(o.date)) fail("--date takes a day of the calendar, YYYY-MM-DD");
        } else if (a == "--header") {
            o.header = value();
        } else if (a == "--footer") {
            o.footer = value();
        } else if (a == "--answers") {
            std::string list = value();
            for (std::size_t at = 0; at <= list.size();) {
                const std::size_t comma = std::min(list.find(',', at), list.size());
                o.answers.push_back(list.substr(at, comma - at));
                at = comma + 1;
            }
        } else {
            fail("unknown option " + a);
        }
    }
    return o;
}

void interactive(zumbrel::HeadlessCalculator& h, const Options& o) {
    std::string line;
    std::fputs("zumbrel-cli: type keys and Enter (Ctrl+D ends).\n> ", stdout);
    std::fflush(stdout);
    while (std::getline(std::cin, line)) {
        h.log.clear();
        if (const auto unknown = zumbrel::calc::unknownKey(line)) {
            std::fprintf(stderr, "zumbrel-cli: %s: the line was not run\n",
                         printable(*unknown).c_str());
            std::fputs("> ", stdout);
            std::fflush(stdout);
            continue;
        }
        zumbrel::calc::runKeys(h.calc, line);
        std::fputs(zumbrel::cli::report(h, o.format, o.find).c_str(), stdout);
        std::fputs("> ", stdout);
        std::fflush(stdout);
    }
    std::fputs("\n", stdout);
}

}  // namespace

// A day with its names in the language of the system's regional settings (LC_TIME): the
// given one, or today.
zumbrel::tape::DateParts dayOf(const std::string& date) {
    std::tm tm{};
    if (date.empty()) {
        const std::time_t now = std::time(nullptr);
        localtime_r(&now, &tm);
    } else {
        tm.tm_year = std::atoi(date.substr(0, 4).c_str()) - 1900;
        tm.tm_mon = std::atoi(date.substr(5, 2).c_str()) - 1;
        tm.tm_mday = std::atoi(date.substr(8, 2).c_str());
        tm.tm_hour = 12;
        std::mktime(&tm);  // the day of the week
    }
    std::setlocale(LC_TIME, "");
    char day[64] = {}, month[64] = {};
    std::strftime(day, sizeof day, "%A", &tm);
    std::strftime(month, sizeof month, "%B", &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, day, month};
}

int main(int argc, char** argv) {
    Options o = parseOptions(argc, argv);
    if (o.checkUpdate || o.publicIp) {
        const std::string line = o.checkUpdate
                                     ? zumbrel::cli::checkUpdate(*o.checkUpdate, o.netTimeout)
                                     : zumbrel::cli::publicIp(*o.publicIp, o.netTimeout);
        std::printf("%s\n", line.c_str());
        return 0;
    }
    if (!o.bmi.empty()) {
        const auto bmi = zumbrel::business::bodyMassIndex(o.bmi[0], o.bmi[1], o.bmi[2], o.ds);
        if (!bmi)
            fail(
                "--bmi takes whole kilos (not 0), metres and centimetres (0 to 99), not a zero "
                "height");
        const zumbrel::FrenchTranslator french;
        std::printf("%s %s\n", bmi->index.c_str(),
                    zumbrel::business::categoryName(bmi->category, french).c_str());
        return 0;
    }
    if (o.words && !o.read) fail("--words goes with --read NUMBER");
    if (o.rate != 1 && o.render.empty()) fail("--rate goes with --read NUMBER --render FILE.wav");
    if (!o.render.empty() && !o.read) fail("--render goes with --read NUMBER");
    if (o.read) {
        const std::vector<std::string> files =
            zumbrel::voice::readNumberFiles(o.readNumber, o.ds, o.nbrDec, o.lang);
        if (!o.render.empty()) {
            const std::string root =
                o.soundRoot.empty() ? zumbrel::cli::voiceRootBesideProgram() : o.soundRoot;
            if (root.empty()) fail("no voice folders beside the program: give --sound-root");
            const std::string folder = root + o.lang + (o.voice == "WMa" ? "M01/" : "W01/");
            std::string error;
            if (!zumbrel::cli::renderReading(files, folder, o.rate, o.render, error)) {
                std::fprintf(stderr, "zumbrel-cli: cannot render %s: %s\n", o.render.c_str(),
                             error.c_str());
                return 1;
            }
        } else if (o.words) {
            std::printf("%s\n", zumbrel::voice::wordsOfFiles(files, o.lang).c_str());
        } else {
            for (const std::string& f : files)
                std::printf("%s\n", f.c_str());
        }
        return 0;
    }
    zumbrel::LocalFileSystem voiceFiles;
    zumbrel::LocalFileSystem files;
    zumbrel::calc::CalcSettings settings;
    settings.warnCR = o.warnCR;
    settings.countItems = o.items;
    zumbrel::HeadlessCalculator h(o.ds, settings, !o.voice.empty(),
                                  o.soundRoot.empty() ? nullptr : &voiceFiles, &files);
    h.answers.assign(o.answers.begin(), o.answers.end());
    h.calc.annotations().today = [date = o.date] { return dayOf(date); };
    h.calc.annotations().headerPath = o.header;
    h.calc.annotations().footerPath = o.footer;
    h.voiceState.kind = o.voice;
    h.voiceState.speakKeys = o.rr;
    h.voiceState.wavKeyOnly = o.wavKeyOnly;
    h.voiceState.languageFolder = o.lang;
    h.voiceState.voiceCode = o.voice == "WMa" ? "M01" : "W01";
    if (!o.soundRoot.empty()) h.voiceState.soundRoot = o.soundRoot;
    auto& regs = h.calc.registers();
    regs.lblNbrDecPref = o.nbrDec;
    regs.lblSepDec = o.sepDec;
    regs.edtComResult = o.comment;
    if (o.clipboard) h.clipboard.setText(*o.clipboard);
    zumbrel::business::BusinessRegisters& business = h.calc.business();
    for (const zumbrel::config::LanguageRow& row : zumbrel::config::languageTable()) {
        if (row.folderCode == o.lang) business.letter = row.letter;
    }
    for (const auto& [name, text] : o.rates)
        business.set(name, text);
    h.prompts.setDefaultAnswer(o.answer);
    if (!o.loadPath.empty()) {
        const auto opened = zumbrel::tape::openTapeFile(h.tape, files, o.loadPath);
        if (!opened.ok) {
            std::string why = opened.error;
            if (opened.failure == zumbrel::tape::OpenFailure::TooLarge)
                why = "larger than 64 MiB, the largest tape file";
            if (opened.failure == zumbrel::tape::OpenFailure::TooManyLines)
                why = "more than " + std::to_string(zumbrel::tape::kMaxTapeLines) +
                      " lines, the longest tape";
            if (opened.failure == zumbrel::tape::OpenFailure::NotATape)
                why = "not a tape (neither RTF nor text)";
            std::fprintf(stderr, "zumbrel-cli: cannot open %s: %s\n", o.loadPath.c_str(),
                         why.c_str());
            return 1;
        }
        if (opened.problem == zumbrel::tape::ReadProblem::Truncated)
            std::fprintf(stderr, "zumbrel-cli: %s ends early; what it holds was read\n",
                         o.loadPath.c_str());
        // The tape's journal, or one rebuilt from its lines: its amounts can be corrected.
        h.calc.restartJournal();
        zumbrel::live::journalOpenedTape(h.calc, opened.journal);
    }

    if (!o.haveKeys && isatty(STDIN_FILENO)) {
        interactive(h, o);
        return 0;
    }
    if (!o.haveKeys) o.keys.assign(std::istreambuf_iterator<char>(std::cin), {});
    // A final line break ends the input, it is not an Enter key.
    while (!o.haveKeys && !o.keys.empty() && (o.keys.back() == '\n' || o.keys.back() == '\r'))
        o.keys.pop_back();
    // A mistyped key name would otherwise be typed letter by letter: "[m2r]" as 2 and a root.
    if (const auto unknown = zumbrel::calc::unknownKey(o.keys)) fail(*unknown);
    // The keys stop where a [QUIT] closes the program.
    for (const auto& k : zumbrel::calc::parseKeys(o.keys)) {
        zumbrel::calc::runAction(h.calc, k);
        if (h.calc.documents().closed()) break;
    }
    std::fputs(zumbrel::cli::report(h, o.format, o.find).c_str(), stdout);
    std::string error;
    if (!o.exportPath.empty() && !zumbrel::cli::exportTape(h, o.exportPath, error)) {
        std::fprintf(stderr, "zumbrel-cli: cannot export %s: %s\n", o.exportPath.c_str(),
                     error.c_str());
        return 1;
    }
    if (!o.savePath.empty() &&
        !zumbrel::tape::saveTapeFile(h.tape, files, o.savePath, error,
                                     zumbrel::live::journalText(h.calc.journal()))) {
        std::fprintf(stderr, "zumbrel-cli: cannot write %s: %s\n", o.savePath.c_str(),
                     error.c_str());
        return 1;
    }
    return 0;
}
