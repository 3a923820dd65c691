// The bundled sample catalogue loads cleanly and has what the searches and
// the window's tests count on.

#include <array>

#include <gtest/gtest.h>

#include "core/catalogue/loader.h"
#include "core/text/sjis.h"

namespace vk {
namespace {

TEST(SampleCatalogue, LoadsWithoutMessagesAndHoldsEveryKindOfRecord) {
    Catalogue cat;
    const LoadReport report = loadCatalogue(VK_SAMPLE_DIR, cat);
    EXPECT_FALSE(report.startupError);
    EXPECT_TRUE(report.messages.empty());

    EXPECT_GE(cat.systemCount(), 80);
    EXPECT_EQ(cat.torsoUpSystem, cat.findSkillType(utf8ToSjis("胴系倍加")));
    EXPECT_GT(cat.torsoUpSystem, 0);
    EXPECT_GE(cat.skillEqs.size(), 200u);
    EXPECT_GE(cat.decos.size(), 121u);
    for (int part = 0; part < kArmourParts; ++part) {
        EXPECT_GE(cat.equip[part].size(), 151u) << part;
        // Every non-body part has torso-up pieces; the body never does.
        bool torsoUp = false;
        for (const Equip& piece : cat.equip[part]) torsoUp = torsoUp || cat.isTorsoUp(piece.skill[0].system);
        EXPECT_EQ(torsoUp, part != Body) << part;
    }

    // Every kind of activation occurs, and the none entry never activates
    // (the none system's total is always 0).
    std::array<int, 5> kinds{};
    for (const SkillEq& eq : cat.skillEqs) ++kinds[eq.kind];
    for (int kind = 0; kind < 5; ++kind) EXPECT_GT(kinds[kind], 0) << kind;
    EXPECT_FALSE(compareTotal(cat.skillEqs[0].kind, 0, cat.skillEqs[0].threshold));
}

}  // namespace
}  // namespace vk
