#include "core/tape/rtf_reader.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/config/codepage.h"
#include "core/tape/rtf_keywords.h"

namespace zumbrel::tape {
namespace {

using rtf::Kw;

enum class Dest : std::uint8_t { Text, FontTable, ColorTable, Skip };

// The formatting state that a group saves and restores; kept small, since a hostile file
// may nest groups very deeply.
struct State {
    int font = -1;  // -1: the document's default font
    int halfPoints = 24;
    int color = 0;       // colour-table index, 0 = automatic
    int background = 0;  // colour-table index, 0 = none
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    Align align = Align::Left;
    int uc = 1;  // fallback characters after \uN
    Dest dest = Dest::Text;
    int associatedHalfPoints = 0;  // \afs: the size of East-Asian text, when given
    bool doubleByte = false;       // \dbch: the text that follows is East-Asian

    void plain() {
        const Align a = align;
        const int u = uc;
        const Dest d = dest;
        *this = State{};
        align = a;
        uc = u;
        dest = d;
    }
};

constexpr std::size_t kMaxDepth = 1024;
constexpr bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr long kMaxParam = 1L << 30;

class Reader {
  public:
    Reader(std::string_view in, const ReadDefaults& d, std::size_t maxLineBreaks)
        : in_(in), defaults_(d), maxLineBreaks_(maxLineBreaks) {}

    ReadResult run() {
        ReadResult result;
        result.wasRtf = true;
        const std::size_t marks = std::min(countParagraphMarks(), maxLineBreaks_);
        out_.reserve(marks + 1, 0);
        bool closed = false;
        while (pos_ < in_.size() && !closed && !tooManyLines_) {
            const char c = in_[pos_];
            if (c == '{') {
                ++pos_;
                openGroup();
            } else if (c == '}') {
                ++pos_;
                closed = closeGroup();
            } else if (c == '\\') {
                ++pos_;
                controlSequence();
            } else {
                ++pos_;
                if (c != '\r' && c != '\n') textByte(static_cast<unsigned char>(c));
            }
        }
        if (tooManyLines_) {
            result.problem = ReadProblem::TooManyLines;
            return result;
        }
        flush();
        out_.setAlign(closed ? finalAlign_ : state().align);
        if (!closed) result.problem = ReadProblem::Truncated;
        result.text = std::move(out_);
        return result;
    }

  private:
    // A cheap upper bound (\par, and a backslash before a line break), so that the
    // paragraphs are not moved again and again.
    std::size_t countParagraphMarks() const {
        std::size_t n = 0;
        for (std::size_t p = in_.find('\\'); p != std::string_view::npos && p + 1 < in_.size();
             p = in_.find('\\', p + 2)) {
            const char next = in_[p + 1];
            if (next == '\n' || next == '\r' || in_.substr(p + 1, 3) == "par") ++n;
        }
        return n;
    }

    State& state() { return stack_.empty() ? top_ : stack_.back(); }

    void openGroup() {
        skipChars_ = 0;
        if (stack_.size() >= kMaxDepth) {
            ++excessDepth_;  // deeper groups share the deepest state
            return;
        }
        stack_.push_back(state());
        if (stack_.size() == 1) stack_.back() = State{};  // the document group
    }

    // Returns true when the document group closes.
    bool closeGroup() {
        skipChars_ = 0;
        if (excessDepth_ > 0) {
            if (excessSkip_ == excessDepth_) excessSkip_ = 0;
            --excessDepth_;
            return false;
        }
        if (stack_.empty()) return true;
        const Dest leaving = stack_.back().dest;
        if (leaving == Dest::FontTable) endFontEntry();
        finalAlign_ = stack_.back().align;
        stack_.pop_back();
        styleChanged();
        return stack_.empty();
    }

    void controlSequence() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++pos_;
        switch (c) {
            case '\'':
                hexByte();
                break;
            case '\\':
            case '{':
            case '}':
                textByte(static_cast<unsigned char>(c));
                break;
            case '~':
                character(0x00A0);
                break;
            case '_':
                character(0x2011);
                break;
            case '*':
                if (excessDepth_ > 0)
                    skipExcessGroup();
                else
                    state().dest = Dest::Skip;
                break;
            case '\r':
            case '\n':
                paragraph();
                break;
            default:
                break;  // \- optional hyphen, \: index entry, and the like
        }
    }

    void controlWord() {
        const std::size_t start = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_]))
            ++pos_;
        const std::string_view word = in_.substr(start, std::min<std::size_t>(pos_ - start, 32));
        bool hasParam = false;
        bool negative = false;
        long param = 0;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9') {
            hasParam = true;
            param = std::min(kMaxParam, param * 10 + (in_[pos_] - '0'));
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        word_(word, hasParam, param);
    }

    void word_(std::string_view w, bool hasParam, long param) {
        const rtf::Keyword k = rtf::keyword(w);
        State& s = state();
        if (k.kind == Kw::Bin) {
            // Binary data: skipped whole, whatever the destination.
            const std::size_t n = static_cast<std::size_t>(std::max(0L, param));
            pos_ += std::min(n, in_.size() - pos_);
            return;
        }
        if (s.dest == Dest::Skip || excessSkip_ > 0) return;
        if (skipChars_ > 0 && k.kind != Kw::U) {
            --skipChars_;
            return;
        }
        const bool on = !hasParam || param != 0;
        if (s.dest == Dest::FontTable) {
            fontTableWord(k.kind, param);
            return;
        }
        if (excessDepth_ > 0 && !excessWord(k.kind)) return;
        if (s.dest == Dest::ColorTable) {
            colorComponent(k.kind, param);
            return;
        }
        switch (k.kind) {
            case Kw::FontTable:
                s.dest = Dest::FontTable;
                break;
            case Kw::ColorTable:
                s.dest = Dest::ColorTable;
                break;
            case Kw::SkippedDestination:
                s.dest = Dest::Skip;
                break;
            case Kw::Par:
                paragraph();
                break;
            case Kw::U:
                unicode(param);
                break;
            case Kw::Uc:
                s.uc = static_cast<int>(std::clamp(param, 0L, 16L));
                break;
            case Kw::Deff:
                defaultFont_ = static_cast<int>(param);
                break;
            case Kw::Pard:
                s.align = Align::Left;
                break;
            case Kw::Plain:
                s.plain();
                styleChanged();
                break;
            case Kw::Ql:
                s.align = Align::Left;
                break;
            case Kw::Qr:
                s.align = Align::Right;
                break;
            case Kw::Qc:
                s.align = Align::Center;
                break;
            case Kw::Qj:
                s.align = Align::Justify;
                break;
            case Kw::B:
                setFlag(s.bold, on);
                break;
            case Kw::I:
                setFlag(s.italic, on);
                break;
            case Kw::Strike:
                setFlag(s.strike, on);
                break;
            case Kw::UlNone:
                setFlag(s.underline, false);
                break;
            case Kw::Ul:
                setFlag(s.underline, on);
                break;
            case Kw::F:
                setInt(s.font, static_cast<int>(param));
                break;
            case Kw::Fs:
                setInt(s.halfPoints,
                       static_cast<int>(std::clamp(hasParam ? param : 24L, 2L, 3276L)));
                break;
            case Kw::Cf:
                setInt(s.color, static_cast<int>(std::max(0L, param)));
                break;
            case Kw::Background:
                setInt(s.background, static_cast<int>(std::max(0L, param)));
                break;
            case Kw::Character:
                character(k.character);
                break;
            case Kw::AnsiCodePage:
                if (hasParam && param > 0) documentCodePage_ = static_cast<int>(param);
                break;
            case Kw::AssociatedSize:
                // The same bounds as \fs; 0 says none.
                setInt(s.associatedHalfPoints,
                       param <= 0 ? 0 : static_cast<int>(std::clamp(param, 2L, 3276L)));
                break;
            case Kw::DoubleByte:
                setFlag(s.doubleByte, true);
                break;
            case Kw::SingleByte:
                setFlag(s.doubleByte, false);
                break;
            default:
                break;
        }
    }

    void fontTableWord(Kw kind, long param) {
        if (kind == Kw::F) {
            fontNumber_ = static_cast<int>(param);
        } else if (kind == Kw::FontCharset && fontNumber_ >= 0) {
            if (const auto page = codepage::codePageOfCharset(static_cast<int>(param)))
                fontCodePages_[fontNumber_] = *page;
        } else if (kind == Kw::FontCodePage && fontNumber_ >= 0 && param > 0) {
            fontCodePages_[fontNumber_] = static_cast<int>(param);
        }
    }

    // Beyond the deepest group kept, a group cannot change the formatting (it would leak to
    // the groups around it); its text is read, and a destination in it is skipped whole.
    bool excessWord(Kw kind) {
        switch (kind) {
            case Kw::Par:
            case Kw::U:
            case Kw::Uc:
            case Kw::Character:
                return true;
            case Kw::FontTable:
            case Kw::ColorTable:
            case Kw::SkippedDestination:
                skipExcessGroup();
                return false;
            default:
                return false;
        }
    }

    void skipExcessGroup() {
        if (excessSkip_ == 0) excessSkip_ = excessDepth_;
    }

    void colorComponent(Kw kind, long param) {
        if (kind == Kw::Red)
            red_ = clampByte(param);
        else if (kind == Kw::Green)
            green_ = clampByte(param);
        else if (kind == Kw::Blue)
            blue_ = clampByte(param);
        else
            return;
        colorGiven_ = true;
    }

    static std::uint32_t clampByte(long v) {
        return static_cast<std::uint32_t>(std::clamp(v, 0L, 255L));
    }

    void setFlag(bool& flag, bool value) {
        if (flag != value) styleChanged();
        flag = value;
    }
    void setInt(int& field, int value) {
        if (field != value) styleChanged();
        field = value;
    }

    void hexByte() {
        auto hex = [](char h) -> int {
            if (h >= '0' && h <= '9') return h - '0';
            if (h >= 'a' && h <= 'f') return h - 'a' + 10;
            if (h >= 'A' && h <= 'F') return h - 'A' + 10;
            return -1;
        };
        if (pos_ + 2 > in_.size()) {
            pos_ = in_.size();
            return;
        }
        const int hi = hex(in_[pos_]);
        const int lo = hex(in_[pos_ + 1]);
        pos_ += 2;
        if (hi < 0 || lo < 0) return;
        textByte(static_cast<unsigned char>(hi * 16 + lo));
    }

    void unicode(long param) {
        if (state().dest == Dest::Skip || excessSkip_ > 0) return;
        char32_t unit = static_cast<char32_t>(param < 0 ? param + 65536 : param) & 0xFFFF;
        skipChars_ = state().uc;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            dropLoneHighSurrogate();
            highSurrogate_ = unit;
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            // Only a high surrogate right before it makes a pair.
            unit = highSurrogate_ ? 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00)
                                  : 0xFFFD;
            highSurrogate_ = 0;
        }
        if (unit == 0xFFFE || unit == 0xFFFF) unit = 0xFFFD;  // not characters (\u-1)
        if (unit >= 0x20 || unit == '\t') emit(unit);
    }

    // A high surrogate that no low surrogate follows stands for a character it cannot name.
    void dropLoneHighSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        emit(0xFFFD);
    }

    // A byte of text in the document's code page.
    void textByte(unsigned char b) {
        if (skipChars_ > 0) {
            --skipChars_;
            return;
        }
        textCharacter(b);
    }

    void textCharacter(unsigned char b) {
        if (excessSkip_ > 0) return;
        const Dest d = state().dest;
        if (d == Dest::Text) {
            const int page = codePage();
            if (b == '\t')
                emit('\t');
            else if (page != 1252 && (b >= 0x80 || (b >= 0x20 && !pendingBytes_.empty())))
                emitByte(b, page);  // a trail byte may look like ASCII ("本" is 96 7B)
            else if (b >= 0x20)
                emit(codepage::cp1252ToCodePoint(b));
        } else if (d == Dest::FontTable) {
            if (b == ';')
                endFontEntry();
            else
                fontName_ += static_cast<char>(b);
        } else if (d == Dest::ColorTable && b == ';') {
            colors_.push_back(colorGiven_ ? Color{red_ | (green_ << 8) | (blue_ << 16)}
                                          : defaults_.style.color);
            red_ = green_ = blue_ = 0;
            colorGiven_ = false;
        }
    }

    void character(char32_t cp) {
        if (excessSkip_ > 0) return;
        if (skipChars_ > 0) {
            --skipChars_;
            return;
        }
        if (state().dest == Dest::Text) emit(cp);
    }

    // The code page of the text that follows: its font's, or the document's.
    int codePage() const {
        const State& s = stack_.empty() ? top_ : stack_.back();
        const auto it = fontCodePages_.find(s.font >= 0 ? s.font : defaultFont_);
        return it != fontCodePages_.end() ? it->second : documentCodePage_;
    }

    void takeStyle() {
        if (!styleDirty_) return;
        const TextStyle st = currentStyle();
        if (!havePendingStyle_ || st != pendingStyle_) {
            havePendingStyle_ = true;
            flush();
            pendingStyle_ = st;
            pendingStyleId_ = out_.intern(st);
        }
        styleDirty_ = false;
    }

    void emit(char32_t cp) {
        if (state().dest != Dest::Text) return;
        dropLoneHighSurrogate();
        takeStyle();
        decodeBytes();
        codepage::appendUtf8(pending_, cp);
    }

    // A byte of a code page other than Windows-1252: bytes are decoded together, since one
    // character may take two of them.
    void emitByte(unsigned char b, int page) {
        dropLoneHighSurrogate();
        takeStyle();
        if (!pendingBytes_.empty() && page != pendingBytesPage_) decodeBytes();
        pendingBytesPage_ = page;
        pendingBytes_ += static_cast<char>(b);
    }

    void decodeBytes() {
        if (pendingBytes_.empty()) return;
        pending_ += codepage::codePageToUtf8(pendingBytes_, pendingBytesPage_);
        pendingBytes_.clear();
    }

    void flush() {
        decodeBytes();
        if (pending_.empty()) return;
        out_.append(pending_, pendingStyleId_);
        pending_.clear();
    }

    void paragraph() {
        if (state().dest != Dest::Text || excessSkip_ > 0) return;
        if (lineBreaks_ == maxLineBreaks_) {
            tooManyLines_ = true;  // the reading stops here
            return;
        }
        ++lineBreaks_;
        dropLoneHighSurrogate();
        flush();
        out_.setAlign(state().align);
        out_.newParagraph();
    }

    void endFontEntry() {
        std::string name;
        for (char c : fontName_) {
            if (static_cast<unsigned char>(c) >= 0x20) name += c;  // a name is printable
        }
        while (!name.empty() && (name.back() == ' ' || name.back() == ';'))
            name.pop_back();
        while (!name.empty() && name.front() == ' ')
            name.erase(name.begin());
        if (!name.empty() && fontNumber_ >= 0) fonts_[fontNumber_] = codepage::cp1252ToUtf8(name);
        fontName_.clear();
    }

    void styleChanged() { styleDirty_ = true; }

    TextStyle currentStyle() {
        const State& s = state();
        TextStyle st = defaults_.style;
        const int font = s.font >= 0 ? s.font : defaultFont_;
        if (auto it = fonts_.find(font); it != fonts_.end()) st.fontName = it->second;
        st.halfPoints =
            s.doubleByte && s.associatedHalfPoints > 0 ? s.associatedHalfPoints : s.halfPoints;
        st.bold = s.bold;
        st.italic = s.italic;
        st.underline = s.underline;
        st.strikeOut = s.strike;
        const auto entry = [&](int i) { return static_cast<std::size_t>(i) < colors_.size(); };
        st.color =
            entry(s.color) ? colors_[static_cast<std::size_t>(s.color)] : defaults_.style.color;
        // Background 0 means none, whatever the first entry of the table holds.
        st.hasBackground = s.background > 0 && entry(s.background);
        st.background =
            st.hasBackground ? colors_[static_cast<std::size_t>(s.background)] : Color{};
        return st;
    }

    std::string_view in_;
    const ReadDefaults& defaults_;
    const std::size_t maxLineBreaks_;
    std::size_t lineBreaks_ = 0;
    bool tooManyLines_ = false;
    std::size_t pos_ = 0;
    std::vector<State> stack_;
    State top_;  // outside the document group
    std::size_t excessDepth_ = 0;
    std::size_t excessSkip_ = 0;  // the excess depth of a destination being skipped
    int skipChars_ = 0;
    char32_t highSurrogate_ = 0;

    std::map<int, std::string> fonts_;
    std::map<int, int> fontCodePages_;  // from \fcharset and \cpg
    int documentCodePage_ = 1252;       // \ansicpg
    int defaultFont_ = 0;
    int fontNumber_ = -1;
    std::string fontName_;
    std::vector<Color> colors_;  // the colour table; an automatic entry holds the default
    std::uint32_t red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;
    Align finalAlign_ = Align::Left;

    RichText out_;
    std::string pending_;
    std::string pendingBytes_;
    int pendingBytesPage_ = 1252;
    TextStyle pendingStyle_;
    std::uint32_t pendingStyleId_ = 0;
    bool havePendingStyle_ = false;
    bool styleDirty_ = true;
};

}  // namespace

ReadResult readRtf(std::string_view bytes, const ReadDefaults& defaults,
                   std::size_t maxLineBreaks) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return Reader(bytes, defaults, maxLineBreaks).run();
}

}  // namespace zumbrel::tape
