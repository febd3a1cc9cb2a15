#pragma once

#include <string>
#include <string_view>

namespace zumbrel::testing_names {

// A stable test name from a readable label: ASCII letters and digits stay, a minus sign
// reads "minus", anything else becomes one underscore; the case index keeps names unique.
inline std::string caseName(std::string_view label, std::size_t index) {
    std::string out;
    for (char c : label) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80 && std::isalnum(u)) {
            out.push_back(c);
        } else if (c == '-') {
            out += "minus";
        } else if (!out.empty() && out.back() != '_') {
            out.push_back('_');
        }
    }
    while (!out.empty() && out.back() == '_')
        out.pop_back();
    if (out.empty()) out = "empty";
    return out + "_" + std::to_string(index);
}

// The name generator of INSTANTIATE_TEST_SUITE_P for a label taken from each case.
template <class Label>
auto namedBy(Label label) {
    return [label](const auto& info) { return caseName(label(info.param), info.index); };
}

}  // namespace zumbrel::testing_names
