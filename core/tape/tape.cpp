#include "core/tape/tape.h"

#include <algorithm>

namespace zumbrel::tape {

RichText Tape::richTextFrom(std::size_t first) const {
    return paragraphsFrom(richText(), first);
}

RichText paragraphsFrom(const RichText& text, std::size_t first) {
    RichText out;
    if (first < text.paragraphCount())
        appendParagraphs(out, text, first, text.paragraphCount() - first, true);
    return out;
}

void Tape::replaceLines(std::size_t first, std::size_t count, const RichText& lines,
                        std::size_t from, std::size_t fromCount) {
    const TextStyle typing = typingStyle();
    load(withLinesReplaced(richText(), first, count, lines, from, fromCount));
    setTypingFont(typing.fontName, typing.halfPoints);
    setTypingColor(typing.color);
    setTypingBold(typing.bold);
    setTypingBackground(typing.hasBackground, typing.background);
}

RichText withLinesReplaced(const RichText& tape, std::size_t first, std::size_t count,
                           const RichText& lines, std::size_t from, std::size_t fromCount) {
    RichText out;
    bool fresh = true;
    const auto put = [&](const RichText& src, std::size_t f, std::size_t n) {
        if (n == 0) return;
        appendParagraphs(out, src, f, n, fresh);
        fresh = false;
    };
    const std::size_t total = tape.paragraphCount();
    first = std::min(first, total);
    count = std::min(count, total - first);
    put(tape, 0, first);
    put(lines, from, fromCount);
    put(tape, first + count, total - first - count);
    return out;
}

}  // namespace zumbrel::tape
