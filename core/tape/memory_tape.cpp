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

std::vector<Run> MemoryTape::lineRuns(std::size_t i) const {
    std::vector<Run> out;
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

void MemoryTape::setTypingColor(Color c) {
    typing_.color = c;
    typingChanged();
}

void MemoryTape::setTypingBold(bool bold) {
    typing_.bold = bold;
    typingChanged();
}

void MemoryTape::setTypingFont(std::string_view name, int sizePt) {
    typing_.fontName = std::string(name);
    typing_.sizePt = sizePt;
    typingChanged();
}

void MemoryTape::setTypingBackground(bool on, Color c) {
    typing_.hasBackground = on;
    typing_.background = c;
    typingChanged();
}

void MemoryTape::restoreDefaultStyle() {
    typing_ = default_;
    typingChanged();
}

void MemoryTape::setDefaultStyle(const TextStyle& style) {
    default_ = style;
}

// Styles are few (a tape uses a handful), so a linear search is cheaper than a map.
std::uint32_t MemoryTape::intern(const TextStyle& style) {
    auto it = std::find(styles_.begin(), styles_.end(), style);
    if (it == styles_.end()) {
        styles_.push_back(style);
        it = styles_.end() - 1;
    }
    return static_cast<std::uint32_t>(it - styles_.begin());
}

void MemoryTape::typingChanged() {
    typingId_ = intern(typing_);
}

void MemoryTape::highlightOpenLine(Color background) {
    StyledLine& open = lines_.openLine();
    for (StyledRun& r : open.runs) {
        TextStyle st = styles_[r.style];
        st.hasBackground = true;
        st.background = background;
        r.style = intern(st);
    }
    setTypingBackground(true, background);
}

RichText MemoryTape::richText() const {
    RichText out;
    out.paragraphs.clear();
    out.paragraphs.reserve(lines_.storedLines());
    for (std::size_t i = 0; i < lines_.storedLines(); ++i) {
        const StyledLine& l = *lines_.at(i);
        Paragraph& p = out.paragraphs.emplace_back();
        p.align = l.align;
        p.runs.reserve(l.runs.size());
        for (const StyledRun& r : l.runs)
            p.runs.push_back({r.text, styles_[r.style]});
    }
    return out;
}

void MemoryTape::putRuns(StyledLine& line, const Paragraph& p) {
    for (const RichRun& r : p.runs) {
        if (r.text.empty()) continue;
        const std::uint32_t id = intern(r.style);
        if (!line.runs.empty() && line.runs.back().style == id) {
            line.runs.back().text += r.text;
        } else {
            line.runs.push_back({r.text, id});
        }
    }
}

void MemoryTape::load(const RichText& text) {
    lines_.clear();
    insertRichText(text);
    if (!text.paragraphs.empty()) lines_.openLine().align = text.paragraphs.back().align;
}

void MemoryTape::insertRichText(const RichText& text) {
    for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
        const Paragraph& p = text.paragraphs[i];
        StyledLine& line = i == 0 ? lines_.openLine() : lines_.breakLine();
        putRuns(line, p);
        // A paragraph that a mark ends keeps its alignment; the last one joins the open line.
        if (i + 1 < text.paragraphs.size()) line.align = p.align;
    }
    modified_ = true;
}

}  // namespace zumbrel::tape
