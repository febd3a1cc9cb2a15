#pragma once

#include <cstdint>
#include <string_view>

// The control words the RTF reader acts on; every other word is ignored.
namespace zumbrel::tape::rtf {

enum class Kw : std::uint8_t {
    Unknown,
    Bin,
    FontTable,
    ColorTable,
    SkippedDestination,
    Red,
    Green,
    Blue,
    Par,
    U,
    Uc,
    Deff,
    Pard,
    Plain,
    Ql,
    Qr,
    Qc,
    Qj,
    B,
    I,
    Strike,
    UlNone,
    Ul,
    F,
    Fs,
    Cf,
    Background,
    Character,
    AnsiCodePage,
    FontCharset,
    FontCodePage,
    AssociatedSize,
    DoubleByte,
    SingleByte
};

struct Keyword {
    Kw kind = Kw::Unknown;
    char32_t character = 0;
};

// Every control word the reader acts on; all others are ignored. An open-addressing table
// with a short hash: looking words up is most of the work on large files.

// The meaning of a control word ("par", "fs", "colortbl"…): Unknown for the others.
Keyword keyword(std::string_view word);

}  // namespace zumbrel::tape::rtf
