#include "calc/key_script.h"

#include "calc/calculator.h"

namespace zumbrel::calc {

std::vector<KeyAction> parseKeys(std::string_view s) {
    std::vector<KeyAction> out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::string_view rest = s.substr(i);
        if (rest.starts_with("[000]")) {
            out.emplace_back(Command::TripleZero);
            i += 4;
        } else if (rest.starts_with("[00]")) {
            out.emplace_back(Command::DoubleZero);
            i += 3;
        } else if (rest.starts_with("√")) {
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
    } else {
        calc.run(std::get<Command>(action));
    }
}

void runKeys(Calculator& calc, std::string_view script) {
    for (const KeyAction& a : parseKeys(script))
        runAction(calc, a);
}

}  // namespace zumbrel::calc
