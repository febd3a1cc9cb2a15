#include "core/tape/memory_tape.h"

#include "core/memory_ports.h"
#include "tape_contract.h"

namespace zumbrel::tape {
namespace {

struct MemoryTapeFactory {
    static std::unique_ptr<Tape> make() { return std::make_unique<MemoryTape>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, TapeContract, testing::Types<MemoryTapeFactory>);

TEST(MemoryTape, a_million_lines_share_a_few_styles) {
    MemoryTape t;
    for (int i = 0; i < 1000000; ++i) {
        t.setTypingColor(i % 2 ? colors::kRed : colors::kBlack);
        t.addLine("12,00");
    }
    EXPECT_EQ(t.lineCount(), 1000000u);
    EXPECT_EQ(t.lineRuns(999999).front().style.color, colors::kRed);
}

TEST(MemoryHistory, writes_lines_as_the_tape_does) {
    MemoryHistory h;
    h.addLine("200,00 +");
    h.append("5,00 %");
    h.addLine("");
    h.addLine("= 210,00");
    h.addLine("");
    EXPECT_EQ(h.lines(), (std::vector<std::string>{"200,00 +", "5,00 %", "= 210,00", ""}));
}

}  // namespace
}  // namespace zumbrel::tape
