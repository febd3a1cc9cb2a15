#include "core/voice/number_words.h"

#include <algorithm>

#include "core/voice/number_readers.h"
#include "core/voice/word_table.h"

namespace zumbrel::voice {
namespace {

const char* const kPowers[] = {"",          "10P3.wav",  "10P6.wav",  "10P9.wav",
                               "10P12.wav", "10P15.wav", "10P18.wav", "10P21.wav"};

std::string file(int n) {
    return std::to_string(n) + ".wav";
}
std::string powerWord(std::size_t groups) {
    return groups >= 8 ? "wiz.wav" : kPowers[groups];
}

int valueOf(std::string_view digits) {
    int v = 0;
    for (char c : digits)
        v = v * 10 + (c - '0');
    return v;
}

class Speaker {
  public:
    Speaker(std::vector<std::string>& out, std::string_view nbrDecPref)
        : out_(out), nbrDecPref_(nbrDecPref) {}

    // The number rules for 0 ≤ n ≤ 999 within the digit string s being read.
    void number(int n, std::string_view s, bool leadingValue, bool integerPart) {
        if (n == 0) {
            // Zero is said when it is the whole number; a one-digit zero decimal part with one
            // decimal place stays silent.
            if (s.size() == 1 && (integerPart || nbrDecPref_ != "1")) out_.push_back(file(0));
        } else if (n == 1) {
            if (!(leadingValue && s.size() == 4)) out_.push_back(file(1));  // mille, not un mille
        } else if (n <= 20) {
            out_.push_back(file(n));
        } else if (n <= 69) {
            out_.push_back(file(n / 10 * 10));
            if (n % 10 != 0) {
                if (n % 10 == 1) out_.push_back("et.wav");
                out_.push_back(file(n % 10));
            }
        } else if (n <= 79) {
            out_.push_back(file(60));
            if (n == 71) out_.push_back("et.wav");
            number(n - 60, s, false, integerPart);
        } else if (n <= 99) {
            out_.push_back(file(80));
            if (n > 80) number(n - 80, s, false, integerPart);
        } else {
            if (n / 100 != 1) out_.push_back(file(n / 100));
            out_.push_back(file(100));
            if (n % 100 != 0) number(n % 100, s, false, integerPart);
        }
    }

    // The group rules: groups of three digits with their power words.
    void groups(std::string_view s, bool integerPart) {
        const std::size_t length = s.size();
        const std::size_t full = length / 3;
        const std::size_t head = length % 3;
        if (head > 0) {
            const int h = valueOf(s.substr(0, head));
            number(h, s, true, integerPart);
            if (full > 0 && (integerPart || h != 0)) out_.push_back(powerWord(full));
        }
        for (std::size_t i = 1; i <= full; ++i) {
            const int g = valueOf(s.substr(head + (i - 1) * 3, 3));
            if (!(g == 1 && i + 1 == full)) number(g, s, false, integerPart);
            if (i < full && g != 0) out_.push_back(powerWord(full - i));
        }
    }

  private:
    std::vector<std::string>& out_;
    std::string_view nbrDecPref_;
};

std::vector<std::string> readFrench(std::string_view t, char ds, std::string_view nbrDecPref) {
    std::vector<std::string> out;
    Speaker speak(out, nbrDecPref);
    if (t.empty()) return out;
    if (t.front() == '-') {
        out.push_back("moins.wav");
        t.remove_prefix(1);
    }
    for (char c : t) {
        if ((c < '0' || c > '9') && c != ds) return {};  // only plain number texts are read
    }
    const std::size_t sep = t.find(ds);
    std::string_view integer = t.substr(0, sep);
    if (integer.empty()) integer = "0";
    speak.groups(integer, true);
    if (sep == std::string_view::npos) return out;
    const std::string_view fraction = t.substr(sep + 1);
    if (fraction.find_first_of("123456789") == std::string_view::npos) return out;
    out.push_back("separ.wav");
    if (fraction.size() > 3) {
        // Long decimals are read digit by digit, as people read them.
        for (char c : fraction)
            out.push_back(file(c - '0'));
        return out;
    }
    const std::size_t zeros = fraction.find_first_not_of('0');
    for (std::size_t i = 0; i < zeros; ++i)
        out.push_back(file(0));
    speak.groups(fraction, false);
    return out;
}

constexpr std::size_t kLongestRead = 24;  // digits up to the last power word, 10^21

// Another language: the sign, the whole part, the separator word and the decimals.
std::vector<std::string> readInLanguage(std::string_view t, char ds, IntegerReader read) {
    std::vector<std::string> out;
    if (t.front() == '-') {
        out.push_back("moins.wav");
        t.remove_prefix(1);
    }
    const std::size_t sep = t.find(ds);
    std::string_view integer = t.substr(0, sep);
    const std::size_t first = integer.find_first_not_of('0');
    integer = first == std::string_view::npos ? std::string_view("0") : integer.substr(first);
    if (integer.size() > kLongestRead) {
        // Beyond the largest power word: the first three-digit group, and "and more".
        const std::size_t head = integer.size() % 3 == 0 ? 3 : integer.size() % 3;
        read(integer.substr(0, head), out);
        out.push_back("wiz.wav");
        return out;
    }
    read(integer, out);
    if (sep == std::string_view::npos) return out;
    const std::string_view fraction = t.substr(sep + 1);
    const std::size_t zeros = fraction.find_first_not_of('0');
    if (zeros == std::string_view::npos) return out;
    out.push_back("separ.wav");
    if (fraction.size() > 3) {
        for (char c : fraction)
            out.push_back(file(c - '0'));
        return out;
    }
    for (std::size_t i = 0; i < zeros; ++i)
        out.push_back(file(0));
    read(fraction.substr(zeros), out);
    return out;
}

bool plainNumber(std::string_view t, char ds) {
    if (!t.empty() && t.front() == '-') t.remove_prefix(1);
    if (t.empty() || t.find(ds) != t.rfind(ds)) return false;
    for (char c : t) {
        if ((c < '0' || c > '9') && c != ds) return false;
    }
    return t != std::string_view(&ds, 1);
}

}  // namespace

std::vector<std::string> readNumberFiles(std::string_view t, char ds, std::string_view nbrDecPref,
                                         std::string_view language) {
    if (const IntegerReader read = readerOf(language)) {
        if (!plainNumber(t, ds)) return {};
        return readInLanguage(t, ds, read);
    }
    return readFrench(t, ds, nbrDecPref);
}

std::string wordsOfFiles(const std::vector<std::string>& files, std::string_view language) {
    const std::vector<std::string_view> known = wordFolders();
    if (std::find(known.begin(), known.end(), language) == known.end()) language = "Fran";
    std::string words;
    for (const std::string& f : files) {
        if (!words.empty()) words += ' ';
        words += wordOf(language, f);
    }
    return words;
}

}  // namespace zumbrel::voice
