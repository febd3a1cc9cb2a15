#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/tape/style.h"

namespace zumbrel::tape {

struct TextStyleHash {
    std::size_t operator()(const TextStyle& s) const noexcept {
        std::size_t h = std::hash<std::string>{}(s.fontName);
        auto mix = [&](std::uint64_t v) { h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2); };
        mix(s.color.bgr);
        mix(s.background.bgr);
        mix(static_cast<std::uint64_t>(s.halfPoints));
        mix((s.bold ? 1u : 0u) | (s.italic ? 2u : 0u) | (s.underline ? 4u : 0u) |
            (s.strikeOut ? 8u : 0u) | (s.hasBackground ? 16u : 0u));
        return h;
    }
};

// Styles stored once and referred to by number; a file may hold very many of them. Each
// style is kept once: the index is a table of numbers, open addressing, at most half full.
class StyleTable {
  public:
    std::uint32_t intern(const TextStyle& style) {
        if (!styles_.empty() && styles_[last_] == style) return last_;
        if (2 * (styles_.size() + 1) > slots_.size()) grow();
        std::size_t at = slotOf(style);
        while (slots_[at] != 0) {
            if (styles_[slots_[at] - 1] == style) return last_ = slots_[at] - 1;
            at = (at + 1) & (slots_.size() - 1);
        }
        styles_.push_back(style);
        slots_[at] = static_cast<std::uint32_t>(styles_.size());
        return last_ = slots_[at] - 1;
    }
    const TextStyle& operator[](std::uint32_t id) const { return styles_[id]; }
    std::size_t size() const { return styles_.size(); }

  private:
    std::size_t slotOf(const TextStyle& style) const {
        return TextStyleHash{}(style) & (slots_.size() - 1);
    }
    void grow() {
        slots_.assign(std::max<std::size_t>(16, 2 * slots_.size()), 0);
        for (std::uint32_t id = 0; id < styles_.size(); ++id) {
            std::size_t at = slotOf(styles_[id]);
            while (slots_[at] != 0)
                at = (at + 1) & (slots_.size() - 1);
            slots_[at] = id + 1;
        }
    }

    std::vector<TextStyle> styles_;
    std::vector<std::uint32_t> slots_;  // a style's number + 1; 0 is a free slot
    std::uint32_t last_ = 0;
};

}  // namespace zumbrel::tape
