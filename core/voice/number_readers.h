#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zumbrel::voice {

// The words of a whole number in one language, as the files of its voice folder: digits
// holds only 0 to 9, without leading zeros ("0" for zero).
using IntegerReader = void (*)(std::string_view digits, std::vector<std::string>& files);

void readEnglish(std::string_view digits, std::vector<std::string>& files);
void readGerman(std::string_view digits, std::vector<std::string>& files);
// Italian and Corsican share their grammar; their folders say the words.
void readItalian(std::string_view digits, std::vector<std::string>& files);
void readSpanish(std::string_view digits, std::vector<std::string>& files);
void readPortuguese(std::string_view digits, std::vector<std::string>& files);

// The reader of a language folder ("Engl", "Germ", ...); nothing for French and Quebec
// French, which keep their own reader.
IntegerReader readerOf(std::string_view languageFolder);

}  // namespace zumbrel::voice
