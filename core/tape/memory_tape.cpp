#include "tape/memory_tape.h"

#include <algorithm>

namespace zumbrel::tape {

MemoryTape::MemoryTape() {
    typingChanged();
}

void MemoryTape::put(StyledLine& line, std::string_view text) {
    if (text.empty()) return;
    if (!line.runs.empty() && line.runs.back().style == typingId_) {
        line.runs.back().text.append(text);
    } else {
        line.runs.push_back({std::string(text), typingId_});
    }
}

void MemoryTape::append(std::string_view text) {
    lines_.append([&](StyledLine& l) { put(l, text); });
    if (!text.empty()) modified_ = true;
}

void MemoryTape::addLine(std::string_view text) {
    lines_.addLine([&](StyledLine& l) { put(l, text); });
    modified_ = true;
}

void MemoryTape::deleteLine(std::size_t i) {
    if (i >= lines_.storedLines()) return;
    lines_.deleteLine(i);
    modified_ = true;
}

std::string MemoryTape::line(std::size_t i) const {
    std::string out;
    if (const StyledLine* l = lines_.at(i)) {
        for (const StyledRun& r : l->runs)
            out += r.text;
    }
    return out;
}

std::vector<RichRun> MemoryTape::lineRuns(std::size_t i) const {
    std::vector<RichRun> out;
    for (const StyledRun& r : runs(i))
        out.push_back({r.text, styles_[r.style]});
    return out;
}

const std::vector<StyledRun>& MemoryTape::runs(std::size_t i) const {
    static const std::vector<StyledRun> kNone;
    const StyledLine* l = lines_.at(i);
    return l ? l->runs : kNone;
}

void MemoryTape::clear() {
    lines_.clear();
    modified_ = true;
}

void MemoryTape::typingChanged() {
    typingId_ = styles_.intern(typing_);
}

void MemoryTape::highlightOpenLine(Color background) {
    StyledLine& open = lines_.openLine();
    for (StyledRun& r : open.runs) {
        TextStyle st = styles_[r.style];
        st.hasBackground = true;
        st.background = background;
        r.style = styles_.intern(st);
    }
    setTypingBackground(true, background);
}

namespace {
constexpr std::uint32_t kUnmapped = 0xFFFFFFFFu;
}

RichText MemoryTape::richText() const {
    RichText out;
    std::size_t runCount = 0;
    for (std::size_t i = 0; i < lines_.storedLines(); ++i)
        runCount += lines_.at(i)->runs.size();
    out.reserve(lines_.storedLines(), runCount);
    std::vector<std::uint32_t> styleMap(styles_.size(), kUnmapped);
    for (std::size_t i = 0; i < lines_.storedLines(); ++i) {
        const StyledLine& l = *lines_.at(i);
        if (i > 0) out.newParagraph();
        out.setAlign(l.align);
        for (const StyledRun& r : l.runs) {
            std::uint32_t& id = styleMap[r.style];
            if (id == kUnmapped) id = out.intern(styles_[r.style]);
            out.append(r.text, id);
        }
    }
    return out;
}

void MemoryTape::putRuns(StyledLine& line, const RichText& text, std::size_t p,
                         std::vector<std::uint32_t>& styleMap) {
    for (const RichText::Run& r : text.runs(p)) {
        if (r.text.empty()) continue;
        if (r.style >= styleMap.size()) styleMap.resize(r.style + 1, kUnmapped);
        std::uint32_t& id = styleMap[r.style];
        if (id == kUnmapped) id = styles_.intern(text.style(r.style));
        if (!line.runs.empty() && line.runs.back().style == id) {
            line.runs.back().text += r.text;
        } else {
            line.runs.push_back({std::string(r.text), id});
        }
    }
}

void MemoryTape::load(const RichText& text) {
    lines_.clear();
    insertRichText(text);
    lines_.openLine().align = text.align(text.paragraphCount() - 1);
}

void MemoryTape::insertRichText(const RichText& text) {
    std::vector<std::uint32_t> styleMap;
    for (std::size_t i = 0; i < text.paragraphCount(); ++i) {
        StyledLine& line = i == 0 ? lines_.openLine() : lines_.breakLine();
        putRuns(line, text, i, styleMap);
        // A paragraph that a mark ends keeps its alignment; the last one joins the open line.
        if (i + 1 < text.paragraphCount()) line.align = text.align(i);
    }
    modified_ = true;
}

}  // namespace zumbrel::tape
