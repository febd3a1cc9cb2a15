#include "core/config/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <map>

namespace zumbrel::codepage {
namespace {

// 0x80 to 0x9F; the five bytes Windows leaves undefined map to the C1 controls, as
// Windows' own conversion does.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t cp1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHigh[byte - 0x80];
    return byte;
}

std::optional<unsigned char> codePointToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char b : bytes)
        appendUtf8(out, cp1252ToCodePoint(b));
    return out;
}

namespace {

bool isWindowsCodePage(int codePage) {
    // The ANSI and OEM pages RTF files name; EBCDIC and stateful encodings are no text here.
    static constexpr int kPages[] = {437,  850,  852,  866,  874,  932,  936,  949,  950,  1250,
                                     1251, 1253, 1254, 1255, 1256, 1257, 1258, 1361, 10000};
    return std::find(std::begin(kPages), std::end(kPages), codePage) != std::end(kPages);
}

// One converter per code page and thread, opened once and closed with the thread.
struct Converters {
    std::map<int, iconv_t> open;
    Converters() = default;
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;
    ~Converters() {
        for (const auto& [page, c] : open) {
            if (c != reinterpret_cast<iconv_t>(-1)) iconv_close(c);
        }
    }
};

iconv_t converter(int codePage) {
    thread_local Converters converters;
    if (const auto it = converters.open.find(codePage); it != converters.open.end())
        return it->second;
    const std::string name = "CP" + std::to_string(codePage);
    const iconv_t c = iconv_open("UTF-8", name.c_str());
    converters.open.emplace(codePage, c);
    return c;
}

}  // namespace

std::string codePageToUtf8(std::string_view bytes, int codePage) {
    if (!isWindowsCodePage(codePage)) return cp1252ToUtf8(bytes);
    const iconv_t c = converter(codePage);
    if (c == reinterpret_cast<iconv_t>(-1)) return cp1252ToUtf8(bytes);
    iconv(c, nullptr, nullptr, nullptr, nullptr);  // a fresh start
    std::string out;
    std::string in(bytes);
    char* from = in.data();
    std::size_t left = in.size();
    char buffer[512];
    while (left > 0) {
        char* to = buffer;
        std::size_t room = sizeof buffer;
        const std::size_t done = iconv(c, &from, &left, &to, &room);
        out.append(buffer, static_cast<std::size_t>(to - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // A byte the code page does not know, or a sequence cut short.
            appendUtf8(out, 0xFFFD);
            ++from;
            --left;
        }
    }
    std::erase_if(out, [](char ch) { return static_cast<unsigned char>(ch) < 0x20 && ch != '\t'; });
    return out;
}

std::optional<int> codePageOfCharset(int charset) {
    static constexpr std::pair<int, int> kCharsets[] = {
        {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},  {136, 950},
        {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
        {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850}};
    for (const auto& [set, page] : kCharsets) {
        if (set == charset) return page;
    }
    return std::nullopt;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = codePointToCp1252(nextCodePoint(text, i));
        out.push_back(b ? static_cast<char>(*b) : '?');
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    int length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        cp = b0 & 0x1F;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        cp = b0 & 0x0F;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        cp = b0 & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(length) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

bool isValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t before = i;
        const char32_t cp = nextCodePoint(bytes, i);
        // A genuine U+FFFD is three bytes long; a decoding failure advances by one.
        if (cp == 0xFFFD && i - before == 1) return false;
    }
    return true;
}

bool looksUtf8(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return true;
    const bool high =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
    return high && isValidUtf8(bytes);
}

}  // namespace zumbrel::codepage
