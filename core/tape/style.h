#pragma once

#include <cstdint>
#include <string>

namespace zumbrel {

// A colour as the settings file stores it: 0x00BBGGRR, red in the lowest byte.
struct Color {
    std::uint32_t bgr = 0;

    constexpr std::uint8_t red() const { return bgr & 0xFFu; }
    constexpr std::uint8_t green() const { return (bgr >> 8) & 0xFFu; }
    constexpr std::uint8_t blue() const { return (bgr >> 16) & 0xFFu; }
    friend constexpr bool operator==(Color, Color) = default;
};

namespace colors {
inline constexpr Color kBlack{0};
inline constexpr Color kRed{255};
inline constexpr Color kGreen{32768};
inline constexpr Color kNavy{8388608};
inline constexpr Color kTapeBackground{16766935};
}  // namespace colors

namespace tape {

// The attributes a run of tape text carries.
struct TextStyle {
    Color color = colors::kBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::string fontName = "Courier New";
    int halfPoints = 24;  // the font size in half points, as RTF keeps it (25: 12,5 pt)
    bool hasBackground = false;
    Color background;

    double sizePt() const { return halfPoints / 2.0; }

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

}  // namespace tape
}  // namespace zumbrel
