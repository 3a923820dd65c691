#include <string>

#include <gtest/gtest.h>

#include "core/text/sjis.h"

namespace {

using vk::sjisToUtf8;
using vk::utf8ToSjis;

const std::string kReplacement = "\xEF\xBF\xBD";  // U+FFFD

TEST(Sjis, IdeographicSpaceAndKanjiRoundTrip) {
    EXPECT_EQ(sjisToUtf8("\x81\x40"), "\xE3\x80\x80");  // U+3000
    EXPECT_EQ(utf8ToSjis("　"), "\x81\x40");

    const std::string torsoUp = "\x93\xB7\x8C\x6E\x94\x7B\x89\xC1";  // 胴系倍加
    EXPECT_EQ(utf8ToSjis("胴系倍加"), torsoUp);
    EXPECT_EQ(sjisToUtf8(torsoUp), "胴系倍加");

    // Code page 932 specifics: wave dash, full-width minus, circled digits,
    // half-width katakana.
    EXPECT_EQ(utf8ToSjis("～－①ｱ"), "\x81\x60\x81\x7C\x87\x40\xB1");
    EXPECT_EQ(sjisToUtf8("\x81\x60\x81\x7C\x87\x40\xB1"), "～－①ｱ");
}

TEST(Sjis, MixedAsciiAndKanjiKeepsEveryByte) {
    const std::string utf8 = "Lv1 防御力+10, あア\r\n";
    const std::string sjis = utf8ToSjis(utf8);
    EXPECT_EQ(sjis, "Lv1 \x96\x68\x8C\xE4\x97\xCD+10, \x82\xA0\x83\x41\r\n");
    EXPECT_EQ(sjisToUtf8(sjis), utf8);
    EXPECT_EQ(sjisToUtf8(""), "");
    EXPECT_EQ(utf8ToSjis(""), "");
    // Embedded NUL bytes are data, not an end.
    EXPECT_EQ(sjisToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Sjis, BadShiftJisBecomesReplacementCharacter) {
    // A lead byte cut off at the end.
    EXPECT_EQ(sjisToUtf8("AB\x82"), "AB" + kReplacement);
    // Bytes that begin no character.
    EXPECT_EQ(sjisToUtf8("x\xFFy"), "x" + kReplacement + "y");
    EXPECT_EQ(sjisToUtf8("\xA0"), kReplacement);
    // A lead byte followed by a byte that cannot trail: only the lead byte is
    // lost, the comma after it survives.
    EXPECT_EQ(sjisToUtf8("\x82,5"), kReplacement + ",5");
    // A long run of garbage converts without stopping early.
    std::string garbage(5000, '\xFF');
    garbage += "end";
    const std::string out = sjisToUtf8(garbage);
    EXPECT_EQ(out.size(), 5000 * kReplacement.size() + 3);
    EXPECT_EQ(out.substr(out.size() - 3), "end");
}

TEST(Sjis, UnconvertibleUtf8BecomesQuestionMark) {
    EXPECT_EQ(utf8ToSjis("a😀b"), "a?b");    // outside the code page, one mark per character
    EXPECT_EQ(utf8ToSjis("x\xFFy"), "x?y");   // not UTF-8 at all
    EXPECT_EQ(utf8ToSjis("z\xE3\x80"), "z?");  // cut-off sequence at the end
    EXPECT_EQ(utf8ToSjis("\xE3\x80" "A"), "?A");  // broken sequence does not swallow the next character
}

}  // namespace
