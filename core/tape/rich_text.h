#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tape/style.h"
#include "tape/style_table.h"

namespace zumbrel::tape {

enum class Align : std::uint8_t { Left, Right, Center, Justify };

// A run with its style spelled out: how tests and callers build and inspect rich text.
struct RichRun {
    std::string text;  // UTF-8
    TextStyle style;
    friend bool operator==(const RichRun&, const RichRun&) = default;
};

struct Paragraph {
    Align align = Align::Left;
    std::vector<RichRun> runs;

    std::string text() const;
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

// Paragraphs of styled runs: what a tape file, a header or a footer holds. The last
// paragraph is the open one; a document that ends with a paragraph mark ends with an empty
// paragraph, exactly as the tape ends with an empty open line.
//
// Stored flat (one array of runs, one of paragraphs, styles interned), so that a file of a
// million lines costs two allocations rather than a million.
class RichText {
  public:
    struct Run {
        std::string text;
        std::uint32_t style = 0;
    };

    RichText() { paragraphs_.push_back({}); }
    explicit RichText(const std::vector<Paragraph>& paragraphs);

    std::size_t paragraphCount() const { return paragraphs_.size(); }
    Align align(std::size_t p) const { return paragraphs_[p].align; }
    std::span<const Run> runs(std::size_t p) const {
        return {runs_.data() + paragraphs_[p].firstRun, paragraphs_[p].runCount};
    }
    const TextStyle& style(std::uint32_t id) const { return styles_[id]; }
    std::string text(std::size_t p) const;
    // The paragraphs with their styles spelled out (for tests and small documents).
    std::vector<Paragraph> paragraphs() const;

    // Building: text goes to the last paragraph.
    std::uint32_t intern(const TextStyle& style) { return styles_.intern(style); }
    void append(std::string_view text, std::uint32_t style);
    void append(std::string_view text, const TextStyle& style) { append(text, intern(style)); }
    void setAlign(Align a) { paragraphs_.back().align = a; }
    void newParagraph(Align a = Align::Left);
    void reserve(std::size_t paragraphs, std::size_t runs);

    friend bool operator==(const RichText& a, const RichText& b) {
        return a.paragraphs() == b.paragraphs();
    }

  private:
    struct Para {
        Align align = Align::Left;
        std::uint32_t firstRun = 0;
        std::uint32_t runCount = 0;
    };
    std::vector<Para> paragraphs_;
    std::vector<Run> runs_;
    StyleTable styles_;
};

}  // namespace zumbrel::tape
