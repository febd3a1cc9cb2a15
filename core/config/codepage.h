#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252 exists only at file boundaries (settings, language files, RTF); inside the
// program every text is UTF-8.
namespace zumbrel::codepage {

char32_t cp1252ToCodePoint(unsigned char byte);
// The Windows-1252 byte of a code point, when it has one.
std::optional<unsigned char> codePointToCp1252(char32_t cp);

std::string cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string utf8ToCp1252(std::string_view text);

// Bytes in a Windows code page (1250, 1251, 932, 936, …) as UTF-8, through the C library's
// iconv; a byte sequence the code page does not know gives U+FFFD, control characters other
// than the tab are left out. A code page that is not a Windows or DOS one is read as
// Windows-1252.
std::string codePageToUtf8(std::string_view bytes, int codePage);
// The code page of an RTF font's \fcharset, or nothing for the document's own (0, 1).
std::optional<int> codePageOfCharset(int charset);

bool isValidUtf8(std::string_view bytes);
// How a settings or language file tells its encoding: UTF-8 when it starts with a byte-order
// mark, or has bytes above 127 that are all valid UTF-8; Windows-1252 otherwise.
bool looksUtf8(std::string_view bytes);
void appendUtf8(std::string& out, char32_t cp);
// Decodes the code point at i and moves i past it; an invalid byte gives U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t& i);

}  // namespace zumbrel::codepage
