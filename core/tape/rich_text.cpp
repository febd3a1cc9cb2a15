#include "tape/rich_text.h"

#include <algorithm>

namespace zumbrel::tape {

std::string Paragraph::text() const {
    std::string t;
    for (const RichRun& r : runs)
        t += r.text;
    return t;
}

RichText::RichText(const std::vector<Paragraph>& paragraphs) {
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i == 0)
            paragraphs_.push_back({});
        else
            newParagraph();
        setAlign(paragraphs[i].align);
        for (const RichRun& r : paragraphs[i].runs)
            append(r.text, r.style);
    }
    if (paragraphs_.empty()) paragraphs_.push_back({});
}

std::string RichText::text(std::size_t p) const {
    std::string t;
    for (const Run& r : runs(p))
        t += r.text;
    return t;
}

std::vector<Paragraph> RichText::paragraphs() const {
    std::vector<Paragraph> out;
    out.reserve(paragraphs_.size());
    for (std::size_t p = 0; p < paragraphs_.size(); ++p) {
        Paragraph& para = out.emplace_back();
        para.align = paragraphs_[p].align;
        for (const Run& r : runs(p))
            para.runs.push_back({std::string(r.text), styles_[r.style]});
    }
    return out;
}

// Adjacent text of one style is one run.
void RichText::append(std::string_view text, std::uint32_t style) {
    if (text.empty()) return;
    Para& p = paragraphs_.back();
    const auto begin = static_cast<std::uint32_t>(chars_.size());
    chars_ += text;
    if (p.runCount > 0 && runs_.back().style == style) {
        runs_.back().size += static_cast<std::uint32_t>(text.size());
        return;
    }
    runs_.push_back({begin, static_cast<std::uint32_t>(text.size()), style});
    if (p.runCount == 0) p.firstRun = static_cast<std::uint32_t>(runs_.size() - 1);
    ++p.runCount;
}

void RichText::newParagraph(Align a) {
    paragraphs_.push_back({a, static_cast<std::uint32_t>(runs_.size()), 0});
}

void RichText::reserve(std::size_t paragraphs, std::size_t runs, std::size_t characters) {
    paragraphs_.reserve(paragraphs);
    runs_.reserve(runs);
    chars_.reserve(characters);
}

void RichText::shrinkToFit() {
    paragraphs_.shrink_to_fit();
    runs_.shrink_to_fit();
    chars_.shrink_to_fit();
}

}  // namespace zumbrel::tape
