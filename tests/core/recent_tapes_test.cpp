// The recent tapes: newest first, each once, eight at most; kept in [RECENT] File1…File8.
#include "core/tape/recent_tapes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zumbrel::tape {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentTapes, newest_first_each_once_eight_at_most) {
    RecentTapes recent;
    for (int i = 1; i <= 10; ++i)
        recent.add("/t/" + std::to_string(i) + ".rtf");
    EXPECT_EQ(recent.paths(), (Paths{"/t/10.rtf", "/t/9.rtf", "/t/8.rtf", "/t/7.rtf", "/t/6.rtf",
                                     "/t/5.rtf", "/t/4.rtf", "/t/3.rtf"}));
    recent.add("/t/5.rtf");  // opened again: first, and not twice
    EXPECT_EQ(recent.paths().front(), "/t/5.rtf");
    EXPECT_EQ(recent.paths().size(), 8u);
    EXPECT_EQ(std::count(recent.paths().begin(), recent.paths().end(), "/t/5.rtf"), 1);
    recent.remove("/t/9.rtf");  // gone from the disk
    EXPECT_EQ(recent.paths().size(), 7u);
    recent.add("");
    EXPECT_EQ(recent.paths().size(), 7u);
    recent.clear();
    EXPECT_TRUE(recent.paths().empty());
}

TEST(RecentTapes, read_from_the_settings_in_their_order_without_gaps_or_repeats) {
    const RecentTapes recent(Paths{"/a.rtf", "", "/b.rtf", "/a.rtf", "/c.txt"});
    EXPECT_EQ(recent.paths(), (Paths{"/a.rtf", "/b.rtf", "/c.txt"}));
    Paths many;
    for (int i = 0; i < 12; ++i)
        many.push_back("/m" + std::to_string(i));
    EXPECT_EQ(RecentTapes(many).paths().size(), 8u);
    EXPECT_EQ(RecentTapes(many).paths().front(), "/m0");
}

TEST(RecentTapes, names_a_file_and_its_folder) {
    EXPECT_EQ(fileNameOf("/home/anne/Documents/courses.rtf"), "courses.rtf");
    EXPECT_EQ(folderOf("/home/anne/Documents/courses.rtf"), "/home/anne/Documents");
    EXPECT_EQ(folderOf("/courses.rtf"), "/");
    EXPECT_EQ(fileNameOf("courses.rtf"), "courses.rtf");
    EXPECT_EQ(folderOf("courses.rtf"), "");
}

}  // namespace
}  // namespace zumbrel::tape
