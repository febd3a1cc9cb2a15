#include "core/calc/key_script.h"

#include "core/calc/calculator.h"

#include <optional>

namespace zumbrel::calc {

namespace {

// "[>M2]", "[L12>]" and the other kept-number keys, or nothing.
std::optional<KeptKey> keptKey(std::string_view token) {
    using Kind = KeptKey::Kind;
    const auto number = [](std::string_view digits) -> std::optional<std::size_t> {
        if (digits.empty() || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        return std::stoul(std::string(digits));
    };
    if (token == ">L") return KeptKey{Kind::DisplayToList};
    if (token == ">PP") return KeptKey{Kind::DisplayToPanel};
    if (token == "PP>") return KeptKey{Kind::PanelToDisplay};
    if (token == "V") return KeptKey{Kind::Paste};
    if (token == "GT") return KeptKey{Kind::GrandTotal};
    if (token == "GTC") return KeptKey{Kind::GrandTotalClear};
    // [M+] [M-] [MR] [MC] for memory 1, [M2+] … [M3C] for the others.
    if (token.size() >= 2 && token.size() <= 3 && token[0] == 'M') {
        std::size_t memory = 1;
        std::string_view op = token.substr(1);
        if (token.size() == 3 && token[1] >= '2' && token[1] <= '3') {
            memory = static_cast<std::size_t>(token[1] - '0');
            op = token.substr(2);
        }
        if (op == "+") return KeptKey{Kind::MemoryPlus, memory};
        if (op == "-") return KeptKey{Kind::MemoryMinus, memory};
        if (op == "R") return KeptKey{Kind::MemoryToDisplay, memory};
        if (op == "C") return KeptKey{Kind::MemoryClear, memory};
    }
    if (token.size() == 3 && token.starts_with(">M") && token[2] >= '1' && token[2] <= '3')
        return KeptKey{Kind::DisplayToMemory, static_cast<std::size_t>(token[2] - '0')};
    if (token.size() == 3 && token[0] == 'M' && token[1] >= '1' && token[1] <= '3' &&
        token[2] == '>')
        return KeptKey{Kind::MemoryToDisplay, static_cast<std::size_t>(token[1] - '0')};
    if (token.size() >= 3 && (token[0] == 'L' || token[0] == 'H') && token.back() == '>') {
        if (auto n = number(token.substr(1, token.size() - 2)))
            return KeptKey{token[0] == 'L' ? Kind::ListItem : Kind::HistoryLine, *n};
    }
    return std::nullopt;
}

// The business buttons as scripts name them.
constexpr std::pair<std::string_view, business::BusinessKey> kBusinessNames[] = {
    {"TVA+", business::BusinessKey::TvaPlus},      {"TVA-", business::BusinessKey::TvaMinus},
    {"E>F", business::BusinessKey::EuroToOther},   {"F>E", business::BusinessKey::OtherToEuro},
    {"AE", business::BusinessKey::AeRemaining},    {"AEC", business::BusinessKey::AeCharges},
    {"OR", business::BusinessKey::Golden},         {"COST", business::BusinessKey::Cost},
    {"SELL", business::BusinessKey::Sale},         {"MARGIN", business::BusinessKey::MarginRate},
    {"MARKON", business::BusinessKey::MarkonRate},
};

// "[TVA+]" and the other business buttons, or nothing.
std::optional<business::BusinessKey> businessKey(std::string_view token) {
    for (const auto& [name, key] : kBusinessNames) {
        if (token == name) return key;
    }
    return std::nullopt;
}

std::optional<tape::DocumentKey> documentKey(std::string_view token) {
    using tape::DocumentKey;
    static constexpr std::pair<std::string_view, DocumentKey> kNames[] = {
        {"NEW", DocumentKey::New},       {"OPEN", DocumentKey::Open}, {"SAVE", DocumentKey::Save},
        {"SAVEAS", DocumentKey::SaveAs}, {"QUIT", DocumentKey::Quit},
    };
    for (const auto& [name, key] : kNames) {
        if (token == name) return key;
    }
    return std::nullopt;
}

std::optional<tape::AnnotationKey> annotationKey(std::string_view token) {
    using tape::AnnotationKey;
    static constexpr std::pair<std::string_view, AnnotationKey> kNames[] = {
        {"DATE", AnnotationKey::Date},     {"TITLE", AnnotationKey::Title},
        {"LINE", AnnotationKey::Line},     {"RESULT", AnnotationKey::Result},
        {"HEADER", AnnotationKey::Header}, {"FOOTER", AnnotationKey::Footer},
        {"ERASE", AnnotationKey::Erase},
    };
    for (const auto& [name, key] : kNames) {
        if (token == name) return key;
    }
    return std::nullopt;
}

}  // namespace

std::string_view businessKeyName(business::BusinessKey key) {
    for (const auto& [name, k] : kBusinessNames) {
        if (k == key) return name;
    }
    return {};
}

namespace {

// A key written in brackets, by its name between them ("TVA+", "FIX 3=12", "000").
std::optional<KeyAction> bracketKey(std::string_view name) {
    if (name == "000") return KeyAction{Command::TripleZero};
    if (name == "00") return KeyAction{Command::DoubleZero};
    if (auto kept = keptKey(name)) return KeyAction{*kept};
    if (auto file = documentKey(name)) return KeyAction{*file};
    if (auto business = businessKey(name)) return KeyAction{*business};
    if (auto fix = live::parseCorrectionKey(name)) return KeyAction{std::move(*fix)};
    if (auto note = annotationKey(name)) return KeyAction{*note};
    return std::nullopt;
}

}  // namespace

std::optional<std::string> unknownKey(std::string_view s) {
    for (std::size_t open = s.find('['); open != std::string_view::npos;) {
        const std::size_t close = s.find(']', open);
        if (close == std::string_view::npos)
            return "\"" + std::string(s.substr(open, 24)) + "\" has no closing ]";
        const std::string_view name = s.substr(open + 1, close - open - 1);
        if (!bracketKey(name)) return "unknown key [" + std::string(name) + "]";
        open = s.find('[', close);
    }
    return std::nullopt;
}

std::vector<KeyAction> parseKeys(std::string_view s) {
    std::vector<KeyAction> out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::string_view rest = s.substr(i);
        const std::size_t close = rest.starts_with('[') ? rest.find(']') : std::string_view::npos;
        if (close != std::string_view::npos) {
            if (auto key = bracketKey(rest.substr(1, close - 1))) {
                out.push_back(std::move(*key));
                i += close;
                continue;
            }
        }
        if (rest.starts_with("√")) {
            out.emplace_back(Command::SquareRoot);
            i += std::string_view("√").size() - 1;
        } else if (rest.starts_with("±")) {
            out.emplace_back(Command::SignChange);
            i += std::string_view("±").size() - 1;
        } else {
            switch (s[i]) {
                case ' ':
                    break;
                case '=':
                case '\n':
                case '\r':
                    out.emplace_back('\r');
                    break;
                case 'r':
                    out.emplace_back(Command::SquareRoot);
                    break;
                case 's':
                    out.emplace_back(Command::SignChange);
                    break;
                case 'p':
                    out.emplace_back(Command::PercentButton);
                    break;
                case 'R':
                    out.emplace_back(Command::Reset);
                    break;
                case 'x':
                    out.emplace_back(Command::Escape);
                    break;
                case 'b':
                    out.emplace_back(Command::Backspace);
                    break;
                case 'd':
                    out.emplace_back(Command::Delete);
                    break;
                default:
                    out.emplace_back(s[i]);
                    break;
            }
        }
    }
    return out;
}

void runAction(Calculator& calc, const KeyAction& action) {
    if (const char* c = std::get_if<char>(&action)) {
        calc.key(*c);
    } else if (const Command* command = std::get_if<Command>(&action)) {
        calc.run(*command);
    } else if (const KeptKey* kept = std::get_if<KeptKey>(&action)) {
        calc.keep(*kept);
    } else if (const auto* business = std::get_if<business::BusinessKey>(&action)) {
        calc.businessBlock(*business);
    } else if (const auto* fix = std::get_if<live::CorrectionKey>(&action)) {
        calc.correct(*fix);
    } else if (const auto* note = std::get_if<tape::AnnotationKey>(&action)) {
        calc.annotate(*note);
    } else {
        calc.document(std::get<tape::DocumentKey>(action));
    }
}

void runKeys(Calculator& calc, std::string_view script) {
    for (const KeyAction& a : parseKeys(script))
        runAction(calc, a);
}

}  // namespace zumbrel::calc
