#pragma once

#include <string_view>
#include <vector>

namespace zumbrel::config {

// A key of a language file and the control whose caption it gives (empty for a message).
struct LanguageKey {
    std::string_view key;
    std::string_view control;
};

// What each window's translation reads, in its order.
struct WindowKeys {
    std::string_view window;
    std::vector<LanguageKey> keys;
};

// Every key that a translation reads; a language file holds exactly these.
const std::vector<WindowKeys>& languageKeyLists();
// The keys of every window once each, in a stable order.
std::vector<std::string_view> allLanguageKeys();
// The status-line hints of the keypad window, by control.
const std::vector<LanguageKey>& keypadHintKeys();

}  // namespace zumbrel::config
