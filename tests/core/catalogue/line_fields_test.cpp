#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/line_fields.h"

namespace {

std::vector<std::string> tokens(std::string_view line) {
    std::vector<std::string> out;
    vk::FieldSplitter fields(line);
    std::string_view token;
    while (fields.next(token)) out.emplace_back(token);
    return out;
}

using Tokens = std::vector<std::string>;

TEST(LineFields, RunsOfCommasCountAsOneSeparator) {
    EXPECT_EQ(tokens("a,1,b"), (Tokens{"a", "1", "b"}));
    EXPECT_EQ(tokens("a,,b,"), (Tokens{"a", "b"}));
    EXPECT_EQ(tokens(",,a"), (Tokens{"a"}));
    EXPECT_EQ(tokens(",,,,"), Tokens{});
    EXPECT_EQ(tokens(""), Tokens{});
    EXPECT_EQ(tokens(" , x"), (Tokens{" ", " x"}));  // spaces are data
}

TEST(LineFields, IntegersReadSignAndDigitsUpToAnyOtherByte) {
    EXPECT_EQ(vk::parseInt("12"), 12);
    EXPECT_EQ(vk::parseInt("-5"), -5);
    EXPECT_EQ(vk::parseInt("+7"), 7);
    EXPECT_EQ(vk::parseInt("3x4"), 3);
    EXPECT_EQ(vk::parseInt("007"), 7);
    EXPECT_EQ(vk::parseInt("x3"), 0);
    EXPECT_EQ(vk::parseInt(""), 0);
    EXPECT_EQ(vk::parseInt("-"), 0);
    EXPECT_EQ(vk::parseInt("--1"), 0);
    EXPECT_EQ(vk::parseInt(" 5"), 0);  // no leading blanks: the field is taken as it stands
    // Out of range values are held at the limits instead of wrapping.
    EXPECT_EQ(vk::parseInt("2147483647"), INT_MAX);
    EXPECT_EQ(vk::parseInt("-2147483648"), INT_MIN);
    EXPECT_EQ(vk::parseInt("2147483648"), INT_MAX);
    EXPECT_EQ(vk::parseInt("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(vk::parseInt(std::string(400, '9')), INT_MAX);
}

TEST(LineFields, NamesKeepAtMost255Bytes) {
    EXPECT_EQ(vk::copyName("abc"), "abc");
    const std::string longName(300, 'n');
    EXPECT_EQ(vk::copyName(longName), std::string(255, 'n'));
}

}  // namespace
