// Whole numbers in English, German, Italian (and Corsican), Spanish and Portuguese words,
// as the files of a voice folder. Each language reads groups of three digits below a
// thousand, then puts the powers after them in its own way.

#include "core/voice/number_readers.h"

namespace zumbrel::voice {
namespace {

using Files = std::vector<std::string>;

constexpr std::size_t kLastPower = 7;  // 10^21; beyond it the number is "and more"

std::string file(int n) {
    return std::to_string(n) + ".wav";
}
std::string elided(int tens) {
    return std::to_string(tens) + "e.wav";
}
// The power word of group k (10^3k), singular or plural.
std::string power(std::size_t k, bool plural = false) {
    if (k > kLastPower) return "wiz.wav";
    return "10P" + std::to_string(3 * k) + (plural ? "p.wav" : ".wav");
}

// Groups of `size` digits, the most significant first.
std::vector<long> groupsOf(std::string_view digits, std::size_t size) {
    std::vector<long> groups;
    std::size_t head = digits.size() % size;
    if (head == 0) head = size;
    for (std::size_t at = 0; at < digits.size(); at += (at == 0 ? head : size)) {
        const std::string_view g = digits.substr(at, at == 0 ? head : size);
        long v = 0;
        for (char c : g)
            v = v * 10 + (c - '0');
        groups.push_back(v);
    }
    return groups;
}

bool allZero(std::string_view digits) {
    return digits.find_first_not_of('0') == std::string_view::npos;
}

// English (British: "and" after the hundreds and before a last group below a hundred).
void englishBelow1000(int v, Files& f) {
    const int h = v / 100, r = v % 100;
    if (h) {
        f.push_back(file(h));
        f.push_back("100.wav");
        if (r) f.push_back("et.wav");
    }
    if (r >= 20) {
        f.push_back(file(r / 10 * 10));
        if (r % 10) f.push_back(file(r % 10));
    } else if (r) {
        f.push_back(file(r));
    }
}

// German: units before tens ("einundzwanzig"), "eins" at the end, "ein" before "tausend"
// and a plural, "eine Million".
void germanBelow1000(int v, Files& f, const char* one) {
    const int h = v / 100, r = v % 100;
    if (h == 1) f.push_back("100.wav");
    if (h > 1) f.push_back(file(h * 100));
    if (r == 1) {
        f.push_back(one);
    } else if (r >= 20 && r % 10) {
        f.push_back(r % 10 == 1 ? "un.wav" : file(r % 10));
        f.push_back("et.wav");
        f.push_back(file(r / 10 * 10));
    } else if (r) {
        f.push_back(file(r));
    }
}

// Italian: tens lose their vowel before "uno" and "otto" ("ventuno", "trentotto"), "cento"
// before "ottanta" ("centottanta"); "uno" is "un" before "mila" and "milioni".
void italianBelow100(int r, Files& f, bool last) {
    const auto one = [&](int u) { f.push_back(u == 1 && !last ? "un.wav" : file(u)); };
    if (r < 20) {
        if (r) one(r);
        return;
    }
    const int u = r % 10;
    f.push_back(u == 1 || u == 8 ? elided(r / 10 * 10) : file(r / 10 * 10));
    if (u) one(u);
}

void italianBelow1000(int v, Files& f, bool last) {
    const int h = v / 100, r = v % 100;
    const bool eight = r / 10 == 8 || r == 8;
    if (h == 1) f.push_back(eight ? "100e.wav" : "100.wav");
    if (h > 1) {
        if (eight) {
            f.push_back(file(h));
            f.push_back("100e.wav");
        } else {
            f.push_back(file(h * 100));
        }
    }
    italianBelow100(r, f, last);
}

// Spanish: "veintiuno", "treinta y uno", "cien" alone and "ciento" before more, "uno" is
// "un" (and 21 "veintiún") before "mil" and "millones".
void spanishBelow1000(int v, Files& f, bool beforeNoun) {
    const int h = v / 100, r = v % 100;
    if (h == 1) f.push_back(r ? "100c.wav" : "100.wav");
    if (h > 1) f.push_back(file(h * 100));
    if (r == 1 || r == 21) {
        f.push_back(beforeNoun ? (r == 1 ? "un.wav" : "21u.wav") : file(r));
    } else if (r >= 30 && r % 10) {
        f.push_back(file(r / 10 * 10));
        f.push_back("et.wav");
        f.push_back(r % 10 == 1 && beforeNoun ? "un.wav" : file(r % 10));
    } else if (r) {
        f.push_back(file(r));
    }
}

// Below a million: "mil" alone for a thousand.
void spanishBelowMillion(long v, Files& f, bool beforeNoun) {
    const int th = static_cast<int>(v / 1000), rest = static_cast<int>(v % 1000);
    if (th > 1) spanishBelow1000(th, f, true);
    if (th) f.push_back("10P3.wav");
    if (rest) spanishBelow1000(rest, f, beforeNoun);
}

// Portuguese: "vinte e um", "cem" alone and "cento e ...", "duzentos", and "e" before a
// last part below a hundred or a round hundred ("mil e um", "mil e duzentos").
void portugueseBelow1000(int v, Files& f) {
    const int h = v / 100, r = v % 100;
    if (h == 1) f.push_back(r ? "100c.wav" : "100.wav");
    if (h > 1) f.push_back(file(h * 100));
    if (h && r) f.push_back("et.wav");
    if (r >= 20) {
        f.push_back(file(r / 10 * 10));
        if (r % 10) {
            f.push_back("et.wav");
            f.push_back(file(r % 10));
        }
    } else if (r) {
        f.push_back(file(r));
    }
}

bool takesE(long v) {
    return v < 100 || v % 100 == 0;
}

void portugueseBelowMillion(long v, Files& f, bool after) {
    const int th = static_cast<int>(v / 1000), rest = static_cast<int>(v % 1000);
    if (th) {
        if (after && rest == 0 && takesE(th)) f.push_back("et.wav");
        if (th > 1) portugueseBelow1000(th, f);
        f.push_back("10P3.wav");
    }
    if (rest) {
        if ((th || after) && takesE(rest)) f.push_back("et.wav");
        portugueseBelow1000(rest, f);
    }
}

// Zero, or each group of three digits that is not zero, with its power k (10^3k) and the
// number of groups.
template <class Group>
void shortScale(std::string_view digits, Files& f, Group group) {
    if (allZero(digits)) {
        f.push_back(file(0));
        return;
    }
    const std::vector<long> g = groupsOf(digits, 3);
    for (std::size_t i = 0; i < g.size(); ++i) {
        if (g[i] != 0) group(static_cast<int>(g[i]), g.size() - 1 - i, g.size());
    }
}

// The long scale of Spanish and Portuguese: blocks of six digits, "millón", "billón",
// "trillón" (10^6, 10^12, 10^18) in the singular after one, in the plural otherwise.
template <class Block>
void longScale(std::string_view digits, Files& f, Block block) {
    if (allZero(digits)) {
        f.push_back(file(0));
        return;
    }
    const std::vector<long> blocks = groupsOf(digits, 6);
    bool said = false;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const std::size_t j = blocks.size() - 1 - i;  // 0 units, 1 millions, 2 billions, ...
        const long v = blocks[i];
        if (v == 0) continue;
        if (j == 0) {
            block(v, f, false, said);
        } else if (v == 1) {
            f.push_back("un.wav");
            f.push_back(j > 3 ? "wiz.wav" : power(2 * j));
        } else {
            block(v, f, true, said);
            f.push_back(j > 3 ? "wiz.wav" : power(2 * j, true));
        }
        said = true;
    }
}

}  // namespace

void readEnglish(std::string_view digits, Files& f) {
    shortScale(digits, f, [&f](int v, std::size_t k, std::size_t groups) {
        if (k == 0 && groups > 1 && v < 100) f.push_back("et.wav");
        englishBelow1000(v, f);
        if (k) f.push_back(power(k));
    });
}

void readGerman(std::string_view digits, Files& f) {
    shortScale(digits, f, [&f](int v, std::size_t k, std::size_t) {
        if (k == 0) {
            germanBelow1000(v, f, "1.wav");
        } else if (k == 1) {
            if (v > 1) germanBelow1000(v, f, "un.wav");
            f.push_back(power(1));
        } else if (v == 1) {
            f.push_back("une.wav");
            f.push_back(power(k));
        } else {
            germanBelow1000(v, f, "un.wav");
            f.push_back(power(k, true));
        }
    });
}

void readItalian(std::string_view digits, Files& f) {
    shortScale(digits, f, [&f](int v, std::size_t k, std::size_t) {
        if (k == 0) {
            italianBelow1000(v, f, true);
        } else if (v == 1) {
            if (k > 1) f.push_back("un.wav");  // "mille", "un milione"
            f.push_back(power(k));
        } else {
            italianBelow1000(v, f, false);
            f.push_back(power(k, true));  // "mila", "milioni"
        }
    });
}

void readSpanish(std::string_view digits, Files& f) {
    longScale(digits, f, [](long v, Files& out, bool beforeNoun, bool) {
        spanishBelowMillion(v, out, beforeNoun);
    });
}

void readPortuguese(std::string_view digits, Files& f) {
    longScale(digits, f,
              [](long v, Files& out, bool, bool after) { portugueseBelowMillion(v, out, after); });
}

IntegerReader readerOf(std::string_view folder) {
    if (folder == "Engl") return readEnglish;
    if (folder == "Germ") return readGerman;
    if (folder == "Ital" || folder == "Cors") return readItalian;
    if (folder == "Span") return readSpanish;
    if (folder == "Port") return readPortuguese;
    return nullptr;
}

}  // namespace zumbrel::voice
