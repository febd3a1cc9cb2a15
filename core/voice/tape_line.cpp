#include "core/voice/tape_line.h"

#include "core/tape/tape_export.h"
#include "core/text_util.h"
#include "core/voice/number_words.h"

namespace zumbrel::voice {
namespace {

const char* operatorFile(std::string_view op) {
    if (op == "+") return "plus.wav";
    if (op == "–" || op == "-") return "moins.wav";
    if (op == "*") return "multipl.wav";
    if (op == "/") return "divis.wav";
    if (op == "%") return "pourcent.wav";
    return nullptr;
}

}  // namespace

std::vector<std::string> readTapeLineFiles(std::string_view line, const calc::FormatOptions& opt,
                                           std::string_view language) {
    const std::string_view text = trimSpaces(line);
    std::string number = tape::lineAmount(text, opt);
    if (number.empty()) return {};
    for (char& c : number) {
        if (c == '.') c = opt.decimalSeparator;
    }
    std::vector<std::string> files;
    if (const char* op = operatorFile(tape::lineOperator(text))) files.push_back(op);
    const std::vector<std::string> said =
        readNumberFiles(number, opt.decimalSeparator, opt.nbrDec, language);
    if (said.empty()) return {};
    files.insert(files.end(), said.begin(), said.end());
    return files;
}

}  // namespace zumbrel::voice
