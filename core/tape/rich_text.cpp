#include "core/tape/rich_text.h"

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

// Runs follow their paragraphs' order, and characters their runs' order: a paragraph's
// runs and characters are each one stretch, and those after it move back.
void RichText::eraseParagraph(std::size_t p) {
    const Para para = paragraphs_[p];
    std::size_t charBegin = chars_.size();
    std::size_t charCount = 0;
    if (para.runCount > 0) {
        const StoredRun& first = runs_[para.firstRun];
        const StoredRun& last = runs_[para.firstRun + para.runCount - 1];
        charBegin = first.begin;
        charCount = last.begin + last.size - first.begin;
    }
    chars_.erase(charBegin, charCount);
    const auto runAt = runs_.begin() + para.firstRun;
    runs_.erase(runAt, runAt + para.runCount);
    for (auto r = runs_.begin() + para.firstRun; r != runs_.end(); ++r)
        r->begin -= static_cast<std::uint32_t>(charCount);
    if (p + 1 == paragraphs_.size()) {
        paragraphs_.back().runCount = 0;
        return;
    }
    paragraphs_.erase(paragraphs_.begin() + static_cast<std::ptrdiff_t>(p));
    for (auto q = paragraphs_.begin() + static_cast<std::ptrdiff_t>(p); q != paragraphs_.end(); ++q)
        q->firstRun -= para.runCount;
}

void RichText::clearText(Align a) {
    paragraphs_.assign(1, Para{a, 0, 0});
    runs_.clear();
    chars_.clear();
}

void RichText::shrinkToFit() {
    paragraphs_.shrink_to_fit();
    runs_.shrink_to_fit();
    chars_.shrink_to_fit();
}

void appendParagraphs(RichText& to, const RichText& from, std::size_t first, std::size_t count,
                      bool join, std::size_t skip) {
    constexpr std::uint32_t kUnmapped = 0xFFFFFFFFu;
    std::vector<std::uint32_t> styleMap;
    for (std::size_t p = first; p < first + count && p < from.paragraphCount(); ++p) {
        if (p > first || !join) to.newParagraph(from.align(p));
        to.setAlign(from.align(p));
        for (const RichText::Run& r : from.runs(p)) {
            std::string_view text = r.text;
            if (p == first && skip > 0) {
                const std::size_t cut = std::min(skip, text.size());
                text.remove_prefix(cut);
                skip -= cut;
            }
            if (text.empty()) continue;
            if (r.style >= styleMap.size()) styleMap.resize(r.style + 1, kUnmapped);
            std::uint32_t& id = styleMap[r.style];
            if (id == kUnmapped) id = to.intern(from.style(r.style));
            to.append(text, id);
        }
    }
}

}  // namespace zumbrel::tape
