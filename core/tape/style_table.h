#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "tape/style.h"

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

// Styles stored once and referred to by number; a file may hold very many of them.
class StyleTable {
  public:
    std::uint32_t intern(const TextStyle& style) {
        if (!styles_.empty() && styles_[last_] == style) return last_;
        auto [it, added] = index_.try_emplace(style, static_cast<std::uint32_t>(styles_.size()));
        if (added) styles_.push_back(style);
        last_ = it->second;
        return last_;
    }
    const TextStyle& operator[](std::uint32_t id) const { return styles_[id]; }
    std::size_t size() const { return styles_.size(); }

  private:
    std::vector<TextStyle> styles_;
    std::unordered_map<TextStyle, std::uint32_t, TextStyleHash> index_;
    std::uint32_t last_ = 0;
};

}  // namespace zumbrel::tape
