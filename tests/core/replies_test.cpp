#include <gtest/gtest.h>

#include "core/net/replies.h"
#include "test_names.h"

namespace zumbrel::net {
namespace {

struct VersionCase {
    const char* label;
    std::string reply;
    UpdateStatus status;
    long version;
};

class VersionFile : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionFile, says_up_to_date_only_for_a_number_read) {
    const VersionCheck c = checkVersion(GetParam().reply, 2006000);
    EXPECT_EQ(c.status, GetParam().status);
    EXPECT_EQ(c.version, GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, VersionFile,
    testing::Values(
        VersionCase{"same_version", "[version]\r\ndispo=2006000\r\n", UpdateStatus::UpToDate,
                    2006000},
        VersionCase{"older_version", "[version]\ndispo=2005009\n", UpdateStatus::UpToDate, 2005009},
        VersionCase{"newer_version", "[version]\ndispo=2006001\n[info]\nline1=2.6.1\n",
                    UpdateStatus::Newer, 2006001},
        VersionCase{"section_names_in_any_case", "[VERSION]\nDispo = 2006001\n",
                    UpdateStatus::Newer, 2006001},
        VersionCase{"empty_reply", "", UpdateStatus::Impossible, 0},
        VersionCase{"no_version_section", "[info]\nline1=x\n", UpdateStatus::Impossible, 0},
        VersionCase{"no_dispo", "[version]\nother=1\n", UpdateStatus::Impossible, 0},
        VersionCase{"dispo_not_a_number", "[version]\ndispo=soon\n", UpdateStatus::Impossible, 0},
        VersionCase{"dispo_hexadecimal", "[version]\ndispo=0x1E9A21\n", UpdateStatus::Impossible,
                    0},
        VersionCase{"dispo_zero", "[version]\ndispo=0\n", UpdateStatus::Impossible, 0},
        VersionCase{"an_error_page", "<html><body>404 Not Found</body></html>",
                    UpdateStatus::Impossible, 0},
        VersionCase{"too_large", "[version]\ndispo=2006001\n" + std::string(70000, 'x'),
                    UpdateStatus::Impossible, 0}),
    testing_names::namedBy([](const VersionCase& c) { return std::string(c.label); }));

TEST(VersionFile, a_newer_version_brings_its_headline_and_news) {
    const VersionCheck c = checkVersion(
        "[version]\ndispo=2007000\n[info]\nline1=Zumbrel 2.7.0\nline2=Faster\nline3=Safer\n");
    ASSERT_EQ(c.status, UpdateStatus::Newer);
    EXPECT_EQ(c.headline, "Zumbrel 2.7.0");
    ASSERT_EQ(c.news.size(), 7u);
    EXPECT_EQ(c.news[0], "Faster");
    EXPECT_EQ(c.news[1], "Safer");
    EXPECT_EQ(c.news[6], "");
}

std::string page(int lines, const std::string& eleventh) {
    std::string p;
    for (int i = 0; i < lines; ++i)
        p += (i == 10 ? eleventh : std::string("line")) + "\r\n";
    return p;
}

TEST(PublicIpPage, the_eleventh_line_is_the_address) {
    EXPECT_EQ(readPublicIP(page(11, "  203.0.113.7 ")), "203.0.113.7");
    EXPECT_EQ(readPublicIP(page(12, "2001:db8::1")), "2001:db8::1");
    EXPECT_EQ(readPublicIP(page(10, "")), "échoué");
    EXPECT_EQ(readPublicIP(page(11, "   ")), "échoué");
    EXPECT_EQ(readPublicIP(page(11, "<body>")), "échoué 404");
    EXPECT_EQ(readPublicIP(""), "échoué");
    EXPECT_EQ(readPublicIP(page(11, std::string(20000, '1'))), "échoué");  // too large
}

}  // namespace
}  // namespace zumbrel::net
