// The private-profile vectors (tests/data/profile_vectors.txt), replayed on our functions; a
// read goes through the index the file is read into.
// V21 is the one deliberate departure: a UTF-8 byte-order mark is skipped, as Wine does,
// so that files saved by Linux editors keep their first section.

#include "core/config/profile_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zumbrel::config {
namespace {

struct Vector {
    std::string id;
    std::vector<std::string> lines;
};

std::vector<Vector> loadVectors() {
    std::ifstream in(std::string(ZUMBREL_TEST_DATA_DIR) + "/profile_vectors.txt");
    std::vector<Vector> all;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("== ", 0) == 0) {
            all.push_back({line.substr(3, 3), {}});
        } else if (!line.empty() && line[0] != '#' && !all.empty()) {
            all.back().lines.push_back(line);
        }
    }
    return all;
}

// Words of an operation line; C string literals are decoded, NULL stays "NULL" unquoted.
struct Token {
    std::string text;
    bool quoted = false;
};

std::vector<Token> tokens(std::string_view s) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == ' ') {
            ++i;
        } else if (s[i] == '"') {
            std::string t;
            for (++i; i < s.size() && s[i] != '"'; ++i) {
                if (s[i] != '\\') {
                    t += s[i];
                    continue;
                }
                const char e = s[++i];
                switch (e) {
                    case 'r':
                        t += '\r';
                        break;
                    case 'n':
                        t += '\n';
                        break;
                    case 't':
                        t += '\t';
                        break;
                    case 'v':
                        t += '\v';
                        break;
                    case '0':
                        t += '\0';
                        break;
                    case 'x':
                        t += static_cast<char>(
                            std::stoi(std::string(s.substr(i + 1, 2)), nullptr, 16));
                        i += 2;
                        break;
                    default:
                        t += e;
                        break;
                }
            }
            ++i;
            out.push_back({t, true});
        } else {
            const std::size_t j = s.find(' ', i);
            out.push_back({std::string(s.substr(i, j - i)), false});
            i = j == std::string_view::npos ? s.size() : j;
        }
    }
    return out;
}

OptText arg(const Token& t) {
    return t.quoted ? OptText(t.text) : std::nullopt;
}

std::string shown(const std::optional<std::string>& s) {
    if (!s) return "absent";
    std::string out;
    for (unsigned char c : *s) {
        if (c >= 0x20 && c < 0x7F)
            out += static_cast<char>(c);
        else
            out += "\\x" + std::string(1, "0123456789abcdef"[c >> 4]) + "0123456789abcdef"[c & 15];
    }
    return out;
}

class ProfileVectors : public testing::TestWithParam<Vector> {};

TEST_P(ProfileVectors, behave_as_the_windows_functions) {
    const Vector& v = GetParam();
    std::optional<std::string> file;
    // Our departure: V21 takes Wine's line.
    std::vector<std::string> ops;
    for (const std::string& l : v.lines) {
        if (l.rfind("wine:", 0) == 0) {
            if (v.id == "V21")
                ops.back() = ops.back().substr(0, ops.back().find("=>")) + l.substr(6);
            continue;
        }
        ops.push_back(l);
    }
    for (const std::string& op : ops) {
        const std::vector<Token> t = tokens(op);
        SCOPED_TRACE(v.id + ": " + op);
        if (t[0].text == "file") {
            file = t[1].quoted ? std::optional<std::string>(t[1].text) : std::nullopt;
        } else if (t[0].text == "get") {
            const GetResult r = GetPrivateProfileString(file, arg(t[1]), arg(t[2]), arg(t[3]),
                                                        std::stoul(t[4].text));
            EXPECT_EQ(r.returned, std::stoul(t[6].text));
            if (t.size() > 7 && t[7].text == "untouched") {
                EXPECT_FALSE(r.buffer.has_value());
            } else {
                ASSERT_TRUE(r.buffer.has_value());
                EXPECT_EQ(shown(r.buffer), shown(t[7].text));
            }
        } else if (t[0].text == "write") {
            EXPECT_EQ(WritePrivateProfileString(file, arg(t[1]), arg(t[2]), arg(t[3])) ? 1 : 0,
                      std::stoi(t[5].text));
        } else if (t[0].text == "expect") {
            EXPECT_EQ(shown(file), t[1].quoted ? shown(t[1].text) : "absent");
        } else {
            FAIL() << "unknown operation";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Vectors, ProfileVectors, testing::ValuesIn(loadVectors()),
                         [](const auto& info) { return info.param.id; });

TEST(ProfileVectors, all_47_are_read) {
    EXPECT_EQ(loadVectors().size(), 47u);
}

TEST(ProfileNames, fold_windows_1252_and_utf8_letters) {
    EXPECT_TRUE(sameName("LIBELL\xc9", "libell\xe9", false));
    EXPECT_TRUE(sameName("\x8c\x75vre", "\x9c\x75VRE", false));
    EXPECT_TRUE(sameName("LIBELLÉ", "libellé", true));
    EXPECT_FALSE(sameName("Taux", "Taux\t", false));
}

TEST(ProfileUtf8, a_file_with_a_byte_order_mark_keeps_it_and_its_first_section) {
    std::optional<std::string> file = std::string("\xEF\xBB\xBF[Caisse]\r\nA=1\r\n");
    EXPECT_EQ(*GetPrivateProfileString(file, "caisse", "a", "?", 64).buffer, "1");
    ASSERT_TRUE(WritePrivateProfileString(file, "Caisse", "B", "été"));
    EXPECT_EQ(*file, "\xEF\xBB\xBF[Caisse]\r\nA=1\r\nB=été\r\n");
}

}  // namespace
}  // namespace zumbrel::config
