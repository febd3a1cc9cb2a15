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

// The name a screen reader gives a control (or, without a control, a name the windows use
// as they need it: the voice pictures, the tape window's title), with its French text.
struct AccessibleNameKey {
    std::string_view key;
    std::string_view control;
    std::string_view french;
    bool description = false;  // the control's description (and hint bubble), not its name
};
const std::vector<AccessibleNameKey>& accessibleNameKeys();
// The French name of a key of that list, or an empty text.
std::string_view frenchAccessibleName(std::string_view key);

}  // namespace zumbrel::config
