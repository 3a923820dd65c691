#include <gtest/gtest.h>

#include "core/collections/result_except_list.h"

namespace vk {
namespace {

// Each part choice lists the flagged rows of its own table, row 0 included,
// with their rarity; nothing flagged lists nothing.
TEST(ResultExceptList, EachChoiceListsItsOwnTable) {
    Catalogue cat;
    const char* word[kArmourParts] = {"leg", "head", "body", "arm", "wst"};
    for (int p = 0; p < kArmourParts; ++p)
        for (int i = 0; i < 3; ++i) {
            Equip e;
            e.name = std::string(word[p]) + std::to_string(i);
            e.rarity = p * 10 + i;
            cat.equip[p].push_back(e);
        }
    cat.decos.resize(3);
    cat.decos[2].name = "deco2";
    cat.decos[2].rarity = 7;
    ExceptFlags flags = ExceptFlags::sizedFor(cat);
    for (int item = 0; item < kResultExceptPartItems; ++item) EXPECT_TRUE(resultExceptRows(cat, flags, item).empty());

    for (int p = 0; p < kArmourParts; ++p) flags.equip[p][p % 3] = 1;
    flags.deco[2] = 1;
    const std::pair<const char*, int> expected[kResultExceptPartItems] = {
        {"head1", 11}, {"body2", 22}, {"arm0", 30}, {"wst1", 41}, {"leg0", 0}, {"deco2", 7}};
    for (int item = 0; item < kResultExceptPartItems; ++item) {
        const std::vector<ResultExceptRow> rows = resultExceptRows(cat, flags, item);
        ASSERT_EQ(rows.size(), 1u) << item;
        EXPECT_EQ(rows[0].name, expected[item].first);
        EXPECT_EQ(rows[0].rarity, expected[item].second);
    }
    EXPECT_TRUE(resultExceptRows(cat, flags, kResultExceptPartItems).empty());
}

}  // namespace
}  // namespace vk
