#include <gtest/gtest.h>

#include "core/info/machine.h"

namespace zumbrel::info {
namespace {

constexpr const char* kMeminfo =
    "MemTotal:       16384000 kB\nMemFree:         1000000 kB\nMemAvailable:    9830400 kB\n";

TEST(MachineFigures, memory_comes_from_meminfo) {
    EXPECT_EQ(memoryTotalKb(kMeminfo), 16384000u);
    EXPECT_EQ(memoryLoadPercent(kMeminfo), 40);  // 6 553 600 of 16 384 000 in use
    EXPECT_FALSE(memoryTotalKb("").has_value());
    EXPECT_FALSE(memoryLoadPercent("MemTotal: 0 kB\nMemAvailable: 0 kB\n").has_value());
    EXPECT_FALSE(memoryTotalKb("MemTotal: lots\n").has_value());
    EXPECT_FALSE(memoryTotalKb("MemTotal: 99999999999999999999999 kB\n").has_value());
}

TEST(MachineFigures, the_processor_revision_comes_from_cpuinfo) {
    EXPECT_EQ(processorRevision("processor\t: 0\ncpu family\t: 6\nmodel\t\t: 85\n"
                                "model name\t: Xeon\nstepping\t: 7\n"),
              "family 6, model 85, stepping 7");
    EXPECT_EQ(processorRevision("processor : 0\n"), "—");
}

TEST(MachineFigures, lines_group_thousands_and_say_what_is_unknown) {
    MachineFigures f;
    f.memoryKb = 16384000;
    f.memoryLoad = 40;
    EXPECT_EQ(memoryText(f, " "), "16 384 000 Ko");
    EXPECT_EQ(loadText(f), "40 %");
    EXPECT_EQ(diskTotalText(f, " "), "—");
    EXPECT_EQ(groupThousands(999, "."), "999");
    EXPECT_EQ(groupThousands(1000, "."), "1.000");
}

TEST(MachineFigures, the_used_share_of_the_disk) {
    MachineFigures f;
    f.diskTotal = 100'000'000'000u;
    f.diskFree = 25'000'000'000u;
    EXPECT_EQ(diskUsedText(f), "Espace utilisé  : 75 %");
    f.diskTotal = 0;  // no division by zero
    f.diskFree = 0;
    EXPECT_EQ(diskUsedText(f), "Espace utilisé  : —");
}

}  // namespace
}  // namespace zumbrel::info
