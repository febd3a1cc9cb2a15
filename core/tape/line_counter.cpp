#include "core/tape/line_counter.h"

namespace zumbrel::tape {

std::string GetNrbLinesEditor(std::size_t lines, std::string_view fontName, double sizePt,
                              const LineCounterTexts& t) {
    const std::string n = std::to_string(lines);
    if (fontName != "Courier New" || sizePt != 12) return t.lines1 + " " + n + " " + t.lines0;
    if (lines <= 59) return t.lines1 + " " + n + " " + t.lines2;
    const std::size_t pages = lines / 59 + 1;
    return t.lines1 + " " + n + " " + t.lines3 + " " + std::to_string(pages) + " " + t.lines4;
}

}  // namespace zumbrel::tape
