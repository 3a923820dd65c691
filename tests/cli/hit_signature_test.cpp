#include <gtest/gtest.h>

#include "cli/hit_signature.h"

namespace {

using vk::cli::HitSignature;

TEST(HitSignature, IsFnv1aOverLittleEndianBytes) {
    EXPECT_EQ(HitSignature().value(), 0xCBF29CE484222325ull);  // offset basis: nothing added
    HitSignature one;
    one.addInt(0x61);  // bytes 61 00 00 00
    EXPECT_EQ(one.value(), 0xAC804B820E4FE984ull);
    HitSignature counter;
    counter.addCounter(5);  // bytes 05 00 .. 00
    EXPECT_EQ(counter.value(), 0x0DE21504F16DC720ull);
}

TEST(HitSignature, SeesEveryFieldAndTheOrderButNotTheNumber) {
    vk::Result a;
    a.Index = {1, 2, 3, 4, 5};
    vk::Result b = a;
    b.Decos.place(vk::Weapon, 7, 1);

    auto signatureOf = [](const vk::ResultStore& hits) {
        HitSignature s;
        s.addHits(hits);
        return s.value();
    };
    const auto ab = signatureOf({a, b});
    EXPECT_NE(ab, signatureOf({b, a}));
    EXPECT_NE(ab, signatureOf({a, a}));

    vk::Result numbered = a;
    numbered.No = 42;
    numbered.Defence = 99;  // shown values, filled after the search
    EXPECT_EQ(signatureOf({numbered, b}), ab);

    vk::Result countOnly = b;
    countOnly.Decos.DecoTotal = 2;  // a single int of the DecoSet
    EXPECT_NE(signatureOf({a, countOnly}), ab);
}

}  // namespace
