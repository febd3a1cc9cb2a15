#pragma once

#include <cstdint>
#include <vector>

#include "tape/open_lines.h"
#include "tape/style_table.h"
#include "tape/typing_style.h"

namespace zumbrel::tape {

// A run of text in one style; styles are interned so that a million lines stay small.
struct StyledRun {
    std::string text;
    std::uint32_t style = 0;
};

struct StyledLine {
    std::vector<StyledRun> runs;
    Align align = Align::Right;  // tape paragraphs are right-aligned
    bool empty() const { return runs.empty(); }
    void clear() { runs.clear(); }
};

// The tape kept in memory: for tests, the headless driver and benchmarks.
class MemoryTape final : public TypingStyleTape {
  public:
    MemoryTape();

    void append(std::string_view text) override;
    void addLine(std::string_view text) override;
    void deleteLine(std::size_t i) override;
    std::string line(std::size_t i) const override;
    std::vector<RichRun> lineRuns(std::size_t i) const override;
    std::size_t lineCount() const override { return lines_.count(); }
    bool isEmpty() const override { return lines_.isEmpty(); }
    void clear() override;

    void highlightOpenLine(Color background) override;
    RichText richText() const override;
    void load(const RichText& text) override;
    void insertRichText(const RichText& text) override;

    void scrollToEnd() override {}
    bool isModified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }
    bool editMode() const override { return editMode_; }
    void setEditMode(bool on) override { editMode_ = on; }

    // The runs of line i (the open line included), for output and for the file codec.
    const std::vector<StyledRun>& runs(std::size_t i) const;
    const TextStyle& style(std::uint32_t id) const { return styles_[id]; }
    Align lineAlign(std::size_t i) const {
        const StyledLine* l = lines_.at(i);
        return l ? l->align : Align::Right;
    }
    // Lines stored, the open line included even when empty.
    std::size_t storedLines() const { return lines_.storedLines(); }

  private:
    void put(StyledLine& line, std::string_view text);
    void putRuns(StyledLine& line, const RichText& text, std::size_t p,
                 std::vector<std::uint32_t>& styleMap);
    void typingChanged() override;

    OpenLines<StyledLine> lines_;
    StyleTable styles_;
    std::uint32_t typingId_ = 0;
    bool modified_ = false;
    bool editMode_ = false;
};

}  // namespace zumbrel::tape
