#pragma once

#include <cstdint>
#include <vector>

#include "core/tape/rich_text.h"
#include "core/tape/typing_style.h"

namespace zumbrel::tape {

// The tape kept in memory: for tests, the headless driver and benchmarks.
//
// Its lines are the paragraphs of one flat RichText, the last one the open line: a line costs
// 12 bytes, and each run of it 12 bytes more plus its characters, so a tape of two million
// lines stays within tens of megabytes.
class MemoryTape final : public TypingStyleTape {
  public:
    MemoryTape();

    void append(std::string_view text) override;
    void addLine(std::string_view text) override;
    void deleteLine(std::size_t i) override;
    std::string line(std::size_t i) const override;
    std::vector<RichRun> lineRuns(std::size_t i) const override;
    std::size_t lineCount() const override;
    bool isEmpty() const override { return lines_.paragraphCount() == 1 && openLineEmpty(); }
    void clear() override;

    void highlightOpenLine(Color background) override;
    RichText richText() const override;
    void load(const RichText& text) override;
    void loadTaking(RichText&& text) override;
    void insertRichText(const RichText& text) override;

    void scrollToEnd() override {}
    bool isModified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }
    bool editMode() const override { return editMode_; }
    void setEditMode(bool on) override { editMode_ = on; }

    // The runs of line i (the open line included), for output and for the file codec.
    RichText::Runs runs(std::size_t i) const;
    const TextStyle& style(std::uint32_t id) const { return lines_.style(id); }
    Align lineAlign(std::size_t i) const {
        return i < lines_.paragraphCount() ? lines_.align(i) : Align::Right;
    }
    // Room for a tape of that many lines, runs and characters.
    void reserve(std::size_t lines, std::size_t runs, std::size_t characters) {
        lines_.reserve(lines, runs, characters);
    }
    // The lines as they are kept, the open line last.
    const RichText& text() const { return lines_; }
    // Lines stored, the open line included even when empty.
    std::size_t storedLines() const override { return lines_.paragraphCount(); }
    RichText richTextFrom(std::size_t first) const override;
    void replaceLines(std::size_t first, std::size_t count, const RichText& lines, std::size_t from,
                      std::size_t fromCount) override;

  private:
    bool openLineEmpty() const { return lines_.runs(lines_.paragraphCount() - 1).empty(); }
    void putRuns(const RichText& text, std::size_t p, std::vector<std::uint32_t>& styleMap);
    void typingChanged() override;

    RichText lines_;  // tape paragraphs are right-aligned, as on the paper roll
    std::uint32_t typingId_ = 0;
    bool modified_ = false;
    bool editMode_ = false;
};

}  // namespace zumbrel::tape
