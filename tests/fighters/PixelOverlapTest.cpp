#include "fighters/CombatWorld.h"

#include "fighters/PixelOverlap.h"

#include <gtest/gtest.h>

// The cached test gives the read-back test's answer on the fighters' own
// frames, across frames, offsets and facings.
TEST(PixelOverlap, CachedTestAgreesWithReadBackOnRealFrames)
{
    CombatWorld w;
    const Character& p1 = w.game.characterSets[characterSlot(0, 1)];
    const Character& p2 = w.game.characterSets[characterSlot(1, 2)];
    PixelMasks masks;
    int hits = 0, misses = 0;
    for (std::size_t f = 0; f + 3 < std::min(p1.sprites.size(), p2.sprites.size()); f += 3) {
        sf::Sprite a = p1.sprites[f];
        sf::Sprite b = p2.sprites[f + 3];
        for (float dx = -10.f; dx <= 110.f; dx += 7.f) {
            for (float facing : {-1.f, 1.f}) {
                a.setScale(facing, 1.f);
                a.setPosition(500.f, 500.f);
                b.setPosition(500.f + dx, 497.f);
                const bool expected = pixelOverlapReadBack(a, b);
                ASSERT_EQ(pixelOverlap(a, b, masks), expected) << "frame " << f << " dx " << dx;
                (expected ? hits : misses) += 1;
            }
        }
    }
    EXPECT_GT(hits, 0);
    EXPECT_GT(misses, 0);
    EXPECT_LE(masks.byTexture.size(), p1.sprites.size() + p2.sprites.size());
}
