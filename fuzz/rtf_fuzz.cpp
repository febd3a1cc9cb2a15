// Arbitrary bytes through the tape file reader: no crash, no hang, valid UTF-8 out, and what
// was read survives a write and a second read unchanged.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/config/codepage.h"
#include "core/tape/rtf_reader.h"
#include "core/tape/rtf_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zumbrel::tape;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadDefaults defaults{};
    const ReadResult first = readRichOrPlain(bytes, defaults);
    if (first.problem == ReadProblem::NotText) return 0;
    for (std::size_t p = 0; p < first.text.paragraphCount(); ++p) {
        if (!zumbrel::codepage::isValidUtf8(first.text.text(p))) {
            std::fprintf(stderr, "invalid UTF-8 in paragraph %zu\n", p);
            std::abort();
        }
    }
    const ReadResult second = readRtf(writeRtf(first.text), defaults);
    if (second.problem != ReadProblem::None || !(second.text == first.text)) {
        std::fprintf(stderr, "a written document reads differently\n");
        std::abort();
    }
    return 0;
}
