#include "core/version.h"

#include <gtest/gtest.h>

#include <string>

namespace zumbrel {
namespace {

// One version everywhere: the program's text, its constant and the package's version.
TEST(Version, the_text_the_constant_and_the_package_agree) {
    EXPECT_EQ(std::string(kVersion), ZUMBREL_PROJECT_VERSION);
    const std::string text(kVersion);
    const std::size_t a = text.find('.');
    const std::size_t b = text.find('.', a + 1);
    const long major = std::stol(text.substr(0, a));
    const long minor = std::stol(text.substr(a + 1, b - a - 1));
    const long patch = std::stol(text.substr(b + 1));
    EXPECT_EQ(kVersionConstant, major * 1000000 + minor * 1000 + patch);
    EXPECT_EQ(std::to_string(kVersionConstant).size(), 7u);  // the start-up check wants seven
}

}  // namespace
}  // namespace zumbrel
