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
void MemoryTape::typingChanged() {
    auto it = std::find(styles_.begin(), styles_.end(), typing_);
    if (it == styles_.end()) {
        styles_.push_back(typing_);
        it = styles_.end() - 1;
    }
    typingId_ = static_cast<std::uint32_t>(it - styles_.begin());
}

}  // namespace zumbrel::tape
