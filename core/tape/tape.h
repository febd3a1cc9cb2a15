#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/tape/rich_text.h"
#include "core/tape/style.h"

namespace zumbrel::tape {

// The paper roll. Its last line is the open line: append continues it, addLine ends it.
// Every implementation must pass the contract tests in tests/core/tape_contract.h.
class Tape {
  public:
    virtual ~Tape() = default;

    // Insert text at the end of the open line with the current typing style.
    virtual void append(std::string_view text) = 0;
    // On a non-empty open line: a line break, then text (text becomes the open line).
    // On an empty open line: text, then a line break (the open line stays empty).
    virtual void addLine(std::string_view text) = 0;
    // Remove line i (from 0) with its line break; out-of-range indexes are ignored.
    virtual void deleteLine(std::size_t i) = 0;
    // Plain text of line i; empty when out of range.
    virtual std::string line(std::size_t i) const = 0;
    // The styled pieces of line i; empty when out of range.
    virtual std::vector<RichRun> lineRuns(std::size_t i) const = 0;
    // Number of lines; an empty open line after a final line break is not counted.
    virtual std::size_t lineCount() const = 0;
    virtual bool isEmpty() const = 0;
    virtual void clear() = 0;

    virtual void setTypingColor(Color c) = 0;
    virtual void setTypingBold(bool bold) = 0;
    virtual void setTypingFont(std::string_view name, int halfPoints) = 0;
    virtual void setTypingBackground(bool on, Color c) = 0;
    virtual TextStyle typingStyle() const = 0;
    // Back to the tape's default attributes (colour, font, size, plain).
    virtual void restoreDefaultStyle() = 0;
    virtual void setDefaultStyle(const TextStyle& style) = 0;
    virtual TextStyle defaultStyle() const = 0;

    // Sets the background of the open line's text and of the text typed next (the golden
    // number's highlight).
    virtual void highlightOpenLine(Color background) = 0;

    // The whole tape as paragraphs, the open line last; what a tape file holds.
    virtual RichText richText() const = 0;
    // Replaces the whole tape; the typing style is kept.
    virtual void load(const RichText& text) = 0;
    // The same with a text read for it: the tape may keep it rather than copy it.
    virtual void loadTaking(RichText&& text) { load(text); }
    // Inserts rich text at the end: its first paragraph continues the open line, each of
    // its paragraph marks ends a line with that paragraph's alignment.
    virtual void insertRichText(const RichText& text) = 0;

    // Lines stored, the open line counted even when empty.
    virtual std::size_t storedLines() const { return richText().paragraphCount(); }
    // The tape from line `first` (the open line last).
    virtual RichText richTextFrom(std::size_t first) const;
    // Lines [first, first + count) replaced by lines [from, from + fromCount) of `lines`; when
    // the open line is among those replaced, the last line put is the open line. The typing
    // style is kept. Only the lines replaced are redrawn.
    virtual void replaceLines(std::size_t first, std::size_t count, const RichText& lines,
                              std::size_t from, std::size_t fromCount);

    virtual void scrollToEnd() = 0;
    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;

    // The explicit edit mode in which the user may type into the tape.
    virtual bool editMode() const = 0;
    virtual void setEditMode(bool on) = 0;
};

// Paragraphs [first, end) of a text: what richTextFrom gives.
RichText paragraphsFrom(const RichText& text, std::size_t first);

// replaceLines on a whole copy of the tape: for tapes that have nothing faster.
RichText withLinesReplaced(const RichText& tape, std::size_t first, std::size_t count,
                           const RichText& lines, std::size_t from, std::size_t fromCount);

}  // namespace zumbrel::tape
