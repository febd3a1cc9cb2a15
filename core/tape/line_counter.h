#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zumbrel::tape {

// The five texts of the line counter, French by default.
struct LineCounterTexts {
    std::string lines0 = "lignes";                          // INDICATE_NUMBER_LINES_0
    std::string lines1 = "Cette liste comporte";            // INDICATE_NUMBER_LINES_1
    std::string lines2 = "lignes sur une page à imprimer";  // INDICATE_NUMBER_LINES_2
    std::string lines3 = "lignes sur";                      // INDICATE_NUMBER_LINES_3
    std::string lines4 = "pages à imprimer";                // INDICATE_NUMBER_LINES_4
};

// The caption of the line counter for n lines in the configured tape font. Pages are only
// counted for 12-point "Courier New", at 59 lines a printed page.
std::string GetNrbLinesEditor(std::size_t lines, std::string_view fontName, double sizePt,
                              const LineCounterTexts& texts = {});

}  // namespace zumbrel::tape
