#pragma once

#include <cstddef>
#include <vector>

namespace zumbrel::tape {

// Lines of text whose last line is open: the shared model of the tape and the history memo.
// Line must offer empty() and clear(); writers fill the open line through a callable.
template <class Line>
class OpenLines {
  public:
    OpenLines() : lines_(1) {}

    template <class Fill>
    void append(Fill&& fill) {
        fill(lines_.back());
    }

    // A non-empty open line is ended first, so the text starts a new open line; on an
    // empty open line the text goes there and is ended, so the open line stays empty.
    template <class Fill>
    void addLine(Fill&& fill) {
        if (!lines_.back().empty()) {
            lines_.emplace_back();
            fill(lines_.back());
        } else {
            fill(lines_.back());
            lines_.emplace_back();
        }
    }

    void deleteLine(std::size_t i) {
        if (i + 1 < lines_.size()) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
        } else if (i + 1 == lines_.size()) {
            lines_.back().clear();  // the open line has no break of its own to remove
        }
    }

    // An empty open line after the last line break is not counted.
    std::size_t count() const { return lines_.size() - (lines_.back().empty() ? 1 : 0); }
    bool isEmpty() const { return lines_.size() == 1 && lines_.back().empty(); }
    void clear() { lines_.assign(1, Line{}); }

    const Line* at(std::size_t i) const { return i < lines_.size() ? &lines_[i] : nullptr; }
    Line& openLine() { return lines_.back(); }
    // Ends the open line: a line break and a new, empty open line.
    Line& breakLine() { return lines_.emplace_back(); }
    std::size_t storedLines() const { return lines_.size(); }
    const Line& openLine() const { return lines_.back(); }

  private:
    std::vector<Line> lines_;
};

}  // namespace zumbrel::tape
