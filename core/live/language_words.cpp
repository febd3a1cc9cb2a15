#include "core/live/language_words.h"

namespace zumbrel::live {

void LanguageWords::keep(std::optional<char> letter, std::shared_ptr<const Translator> words) {
    for (auto& [l, w] : words_) {
        if (l == letter) {
            w = std::move(words);
            return;
        }
    }
    words_.emplace_back(letter, std::move(words));
}

const Translator* LanguageWords::of(std::optional<char> letter) const {
    for (const auto& [l, w] : words_) {
        if (l == letter) return w.get();
    }
    if (!letter || !load_) return nullptr;
    // Kept even when there is none: a file is read once.
    words_.emplace_back(letter, load_(*letter));
    return words_.back().second.get();
}

}  // namespace zumbrel::live
