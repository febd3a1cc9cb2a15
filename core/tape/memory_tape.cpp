#include "core/tape/memory_tape.h"

#include <algorithm>

namespace zumbrel::tape {

MemoryTape::MemoryTape() {
    lines_.setAlign(Align::Right);
    typingChanged();
}

void MemoryTape::append(std::string_view text) {
    lines_.append(text, typingId_);
    if (!text.empty()) modified_ = true;
}

// A non-empty open line is ended first, so the text starts a new open line; on an empty open
// line the text goes there and is ended, so the open line stays empty.
void MemoryTape::addLine(std::string_view text) {
    if (!openLineEmpty()) {
        lines_.newParagraph(Align::Right);
        lines_.append(text, typingId_);
    } else {
        lines_.append(text, typingId_);
        lines_.newParagraph(Align::Right);
    }
    modified_ = true;
}

void MemoryTape::deleteLine(std::size_t i) {
    if (i >= lines_.paragraphCount()) return;
    lines_.eraseParagraph(i);  // the open line has no break of its own to remove
    modified_ = true;
}

// An empty open line after the last line break is not counted.
std::size_t MemoryTape::lineCount() const {
    return lines_.paragraphCount() - (openLineEmpty() ? 1 : 0);
}

std::string MemoryTape::line(std::size_t i) const {
    return i < lines_.paragraphCount() ? lines_.text(i) : std::string();
}

std::vector<RichRun> MemoryTape::lineRuns(std::size_t i) const {
    std::vector<RichRun> out;
    for (const RichText::Run& r : runs(i))
        out.push_back({std::string(r.text), lines_.style(r.style)});
    return out;
}

RichText::Runs MemoryTape::runs(std::size_t i) const {
    if (i < lines_.paragraphCount()) return lines_.runs(i);
    return {&lines_, {}};
}

void MemoryTape::clear() {
    lines_.clearText(Align::Right);
    modified_ = true;
}

void MemoryTape::typingChanged() {
    typingId_ = lines_.intern(typing_);
}

void MemoryTape::highlightOpenLine(Color background) {
    const std::size_t open = lines_.paragraphCount() - 1;
    const RichText::Runs runs = lines_.runs(open);
    for (std::size_t r = 0; r < runs.size(); ++r) {
        TextStyle st = lines_.style(runs[r].style);
        st.hasBackground = true;
        st.background = background;
        lines_.setRunStyle(open, r, lines_.intern(st));
    }
    setTypingBackground(true, background);
}

namespace {
constexpr std::uint32_t kUnmapped = 0xFFFFFFFFu;
}

// A copy that holds only the styles its runs use.
RichText MemoryTape::richText() const {
    RichText out;
    out.reserve(lines_.paragraphCount(), lines_.runCount(), lines_.characterCount());
    std::vector<std::uint32_t> styleMap;
    for (std::size_t i = 0; i < lines_.paragraphCount(); ++i) {
        if (i > 0) out.newParagraph();
        out.setAlign(lines_.align(i));
        for (const RichText::Run& r : lines_.runs(i)) {
            if (r.style >= styleMap.size()) styleMap.resize(r.style + 1, kUnmapped);
            std::uint32_t& id = styleMap[r.style];
            if (id == kUnmapped) id = out.intern(lines_.style(r.style));
            out.append(r.text, id);
        }
    }
    return out;
}

void MemoryTape::putRuns(const RichText& text, std::size_t p,
                         std::vector<std::uint32_t>& styleMap) {
    for (const RichText::Run& r : text.runs(p)) {
        if (r.text.empty()) continue;
        if (r.style >= styleMap.size()) styleMap.resize(r.style + 1, kUnmapped);
        std::uint32_t& id = styleMap[r.style];
        if (id == kUnmapped) id = lines_.intern(text.style(r.style));
        lines_.append(r.text, id);
    }
}

void MemoryTape::load(const RichText& text) {
    lines_.clearText(Align::Right);
    lines_.reserve(text.paragraphCount(), text.runCount(), text.characterCount());
    insertRichText(text);
    lines_.setAlign(text.align(text.paragraphCount() - 1));
}

// A text's paragraphs are the tape's lines as they stand: its last one the open line.
void MemoryTape::loadTaking(RichText&& text) {
    lines_ = std::move(text);
    lines_.shrinkToFit();  // what the reading reserved and did not use
    typingChanged();
    modified_ = true;
}

void MemoryTape::insertRichText(const RichText& text) {
    std::vector<std::uint32_t> styleMap;
    for (std::size_t i = 0; i < text.paragraphCount(); ++i) {
        if (i > 0) lines_.newParagraph(Align::Right);
        putRuns(text, i, styleMap);
        // A paragraph that a mark ends keeps its alignment; the last one joins the open line.
        if (i + 1 < text.paragraphCount()) lines_.setAlign(text.align(i));
    }
    modified_ = true;
}

RichText MemoryTape::richTextFrom(std::size_t first) const {
    return paragraphsFrom(lines_, first);
}

void MemoryTape::replaceLines(std::size_t first, std::size_t count, const RichText& lines,
                              std::size_t from, std::size_t fromCount) {
    lines_ = withLinesReplaced(lines_, first, count, lines, from, fromCount);
    typingChanged();
    modified_ = true;
}

}  // namespace zumbrel::tape
