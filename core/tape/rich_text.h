#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tape/style.h"

namespace zumbrel::tape {

enum class Align : std::uint8_t { Left, Right, Center, Justify };

// Paragraphs of styled runs: what a tape file, a header or a footer holds. The last
// paragraph is the open one; a document that ends with a paragraph mark ends with an empty
// paragraph, exactly as the tape ends with an empty open line.
struct RichRun {
    std::string text;  // UTF-8
    TextStyle style;
    friend bool operator==(const RichRun&, const RichRun&) = default;
};

struct Paragraph {
    Align align = Align::Left;
    std::vector<RichRun> runs;

    std::string text() const {
        std::string t;
        for (const RichRun& r : runs)
            t += r.text;
        return t;
    }
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct RichText {
    std::vector<Paragraph> paragraphs{Paragraph{}};
    friend bool operator==(const RichText&, const RichText&) = default;
};

}  // namespace zumbrel::tape
