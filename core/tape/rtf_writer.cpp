#include "core/tape/rtf_writer.h"

#include <algorithm>
#include <cstdio>

#include "core/config/codepage.h"

namespace zumbrel::tape {
namespace {

template <class T>
std::size_t indexOf(std::vector<T>& table, const T& value) {
    auto it = std::find(table.begin(), table.end(), value);
    if (it != table.end()) return static_cast<std::size_t>(it - table.begin());
    table.push_back(value);
    return table.size() - 1;
}

// Fonts and colours in order of first use; colour 0 of the table stays "auto".
struct Tables {
    std::vector<std::string> fonts;
    std::vector<std::uint32_t> colors;

    explicit Tables(const RichText& text) {
        for (std::size_t p = 0; p < text.paragraphCount(); ++p) {
            for (const RichText::Run& r : text.runs(p)) {
                const TextStyle& st = text.style(r.style);
                indexOf(fonts, st.fontName);
                indexOf(colors, st.color.bgr);
                if (st.hasBackground) indexOf(colors, st.background.bgr);
            }
        }
        if (fonts.empty()) fonts.push_back("Courier New");
    }
    std::size_t font(const std::string& name) { return indexOf(fonts, name); }
    std::size_t color(Color c) { return indexOf(colors, c.bgr) + 1; }
};

void appendEscaped(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const char32_t cp = codepage::nextCodePoint(text, i);
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == '\t') {
            out += "\\tab ";
        } else if (cp < 0x20) {
            continue;  // control characters have no place on a tape
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (const auto b = codepage::codePointToCp1252(cp)) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\'%02x", *b);
            out += buf;
        } else {
            // UTF-16 units as signed 16-bit numbers, each followed by one fallback character.
            auto unit = [&](unsigned u) {
                out += "\\u" + std::to_string(static_cast<std::int16_t>(u)) + "?";
            };
            if (cp >= 0x10000) {
                const char32_t v = cp - 0x10000;
                unit(0xD800 + (v >> 10));
                unit(0xDC00 + (v & 0x3FF));
            } else {
                unit(cp);
            }
        }
    }
}

const char* alignWord(Align a) {
    switch (a) {
        case Align::Left:
            return "\\ql";
        case Align::Right:
            return "\\qr";
        case Align::Center:
            return "\\qc";
        case Align::Justify:
            return "\\qj";
    }
    return "\\ql";
}

std::string fontFamily(const std::string& name) {
    return name.find("Courier") != std::string::npos || name.find("Mono") != std::string::npos
               ? "\\fmodern"
               : "\\fnil";
}

}  // namespace

std::string writeRtf(const RichText& text, std::string_view journal) {
    Tables tables(text);
    std::string body;
    body.reserve(text.paragraphCount() * 48);
    const TextStyle plain;
    for (std::size_t i = 0; i < text.paragraphCount(); ++i) {
        const auto runs = text.runs(i);
        body += "\\pard";
        body += alignWord(text.align(i));
        const TextStyle& mark = runs.empty() ? plain : text.style(runs.back().style);
        body += "\\plain\\f" + std::to_string(tables.font(mark.fontName)) + "\\fs" +
                std::to_string(mark.halfPoints) + " ";
        for (const RichText::Run& r : runs) {
            const TextStyle& st = text.style(r.style);
            body += "{\\f" + std::to_string(tables.font(st.fontName));
            body += "\\fs" + std::to_string(st.halfPoints);
            body += "\\cf" + std::to_string(tables.color(st.color));
            if (st.bold) body += "\\b";
            if (st.italic) body += "\\i";
            if (st.underline) body += "\\ul";
            if (st.strikeOut) body += "\\strike";
            if (st.hasBackground)
                body += "\\highlight" + std::to_string(tables.color(st.background));
            body += ' ';
            appendEscaped(body, r.text);
            body += '}';
        }
        if (i + 1 < text.paragraphCount()) body += "\\par\n";
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t f = 0; f < tables.fonts.size(); ++f) {
        out += "{\\f" + std::to_string(f) + fontFamily(tables.fonts[f]) + "\\fcharset0 ";
        appendEscaped(out, tables.fonts[f]);
        out += ";}";
    }
    out += "}\n{\\colortbl ;";
    for (std::uint32_t c : tables.colors) {
        out += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) +
               "\\blue" + std::to_string((c >> 16) & 0xFF) + ";";
    }
    out += "}\n\\viewkind4\n";
    if (!journal.empty()) {
        out += "{\\*\\zumbreljournal ";
        out += journal;
        out += "}\n";
    }
    out += body;
    out += "\n}\n";
    return out;
}

std::string_view journalDestination(std::string_view rtf) {
    constexpr std::string_view kOpen = "{\\*\\zumbreljournal ";
    const std::size_t at = rtf.find(kOpen);
    if (at == std::string_view::npos) return {};
    const std::size_t begin = at + kOpen.size();
    const std::size_t end = rtf.find('}', begin);
    if (end == std::string_view::npos) return {};
    return rtf.substr(begin, end - begin);
}

}  // namespace zumbrel::tape
