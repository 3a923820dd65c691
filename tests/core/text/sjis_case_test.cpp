// Case folding of Shift-JIS text: only single-byte letters fold.

#include <gtest/gtest.h>

#include "core/text/sjis.h"
#include "core/text/sjis_case.h"

namespace vk {
namespace {

TEST(SjisCase, FoldsSingleByteLettersOnly) {
    // "ヂ" is 0x83 0x61: its trail byte lies in the range of a..z.
    const std::string trail = utf8ToSjis("ヂ");
    ASSERT_EQ(trail, "\x83\x61");
    EXPECT_EQ(sjisUpper(trail + "ab"), trail + "AB");
    EXPECT_EQ(compareNoCase("abc", "ABC"), 0);
    EXPECT_LT(compareNoCase("ab", "ABC"), 0);
    EXPECT_GT(compareNoCase("b", "A"), 0);
    EXPECT_LT(compareNoCase("A", "\x83\x41"), 0);  // bytes compare unsigned
    EXPECT_TRUE(containsNoCase("SwordHelm", "DHE"));
    EXPECT_TRUE(containsNoCase(utf8ToSjis("翠殻冠Ex"), "ex"));
    // "A" may not match the trail byte of "ア" (0x83 0x41).
    EXPECT_FALSE(containsNoCase(utf8ToSjis("ア"), "A"));
    EXPECT_FALSE(containsNoCase("ab", "abc"));
}

}  // namespace
}  // namespace vk
