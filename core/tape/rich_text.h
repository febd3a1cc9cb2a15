#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/tape/style.h"
#include "core/tape/style_table.h"

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
    // A run as it is read: its text (valid while the RichText lives and is not changed) and
    // its style's number.
    struct Run {
        std::string_view text;
        std::uint32_t style = 0;
    };

  private:
    // A run as it is kept: 12 bytes and a place in the one character buffer, so that a
    // flood of runs costs a few times its file's size, not forty bytes a run.
    struct StoredRun {
        std::uint32_t begin = 0;
        std::uint32_t size = 0;
        std::uint32_t style = 0;
    };

  public:
    // The runs of one paragraph.
    class Runs {
      public:
        class iterator {
          public:
            using difference_type = std::ptrdiff_t;
            using value_type = Run;
            iterator() = default;
            iterator(const RichText* t, const StoredRun* r) : t_(t), r_(r) {}
            Run operator*() const { return t_->view(*r_); }
            iterator& operator++() {
                ++r_;
                return *this;
            }
            iterator operator++(int) {
                iterator old = *this;
                ++r_;
                return old;
            }
            friend bool operator==(const iterator&, const iterator&) = default;

          private:
            const RichText* t_ = nullptr;
            const StoredRun* r_ = nullptr;
        };
        Runs(const RichText* t, std::span<const StoredRun> runs) : t_(t), runs_(runs) {}
        iterator begin() const { return {t_, runs_.data()}; }
        iterator end() const { return {t_, runs_.data() + runs_.size()}; }
        std::size_t size() const { return runs_.size(); }
        bool empty() const { return runs_.empty(); }
        Run operator[](std::size_t i) const { return t_->view(runs_[i]); }
        Run back() const { return t_->view(runs_.back()); }

      private:
        const RichText* t_;
        std::span<const StoredRun> runs_;
    };

    RichText() { paragraphs_.push_back({}); }
    explicit RichText(const std::vector<Paragraph>& paragraphs);

    std::size_t paragraphCount() const { return paragraphs_.size(); }
    Align align(std::size_t p) const { return paragraphs_[p].align; }
    Runs runs(std::size_t p) const {
        return {this, {runs_.data() + paragraphs_[p].firstRun, paragraphs_[p].runCount}};
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
    void reserve(std::size_t paragraphs, std::size_t runs, std::size_t characters = 0);
    std::size_t runCount() const { return runs_.size(); }
    std::size_t characterCount() const { return chars_.size(); }

    // Editing, as the tape edits its lines. Styles stay interned.
    // Removes paragraph p with its mark; the last paragraph has none, it is only emptied.
    void eraseParagraph(std::size_t p);
    // Gives run r of paragraph p another style (runs of one style are not merged).
    void setRunStyle(std::size_t p, std::size_t r, std::uint32_t style) {
        runs_[paragraphs_[p].firstRun + r].style = style;
    }
    // One empty paragraph of the given alignment; the styles stay.
    void clearText(Align a = Align::Left);
    // Gives back what the building reserved and did not use.
    void shrinkToFit();

    friend bool operator==(const RichText& a, const RichText& b) {
        return a.paragraphs() == b.paragraphs();
    }

  private:
    Run view(const StoredRun& r) const {
        return {std::string_view(chars_).substr(r.begin, r.size), r.style};
    }
    struct Para {
        Align align = Align::Left;
        std::uint32_t firstRun = 0;
        std::uint32_t runCount = 0;
    };
    std::vector<Para> paragraphs_;
    std::vector<StoredRun> runs_;
    std::string chars_;
    StyleTable styles_;
};

// Paragraphs [first, first + count) of `from` added at the end of `to`: the first of them
// continues `to`'s last paragraph when `join`, each one after starts a new paragraph; the
// first one's leading `skip` bytes are left out. `to`'s last paragraph takes the alignment
// of the last one copied.
void appendParagraphs(RichText& to, const RichText& from, std::size_t first, std::size_t count,
                      bool join, std::size_t skip = 0);

}  // namespace zumbrel::tape
