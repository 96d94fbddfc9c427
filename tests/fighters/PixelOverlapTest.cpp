#include "fighters/PixelOverlap.h"
#include "world/JungleGround.h"

#include <gtest/gtest.h>

namespace {

PlacedFrame placed(const Character& character, std::size_t frame, sf::Vector2f position, float facing)
{
    const FrameShape& shape = character.frames.at(frame);
    return {&shape.shape, &character.pictures.at(static_cast<std::size_t>(shape.picture)).mask, position,
            sf::Vector2f(facing, 1.f)};
}

}  // namespace

// The narrowed test gives the every-pixel test's answer on the fighters' own
// frames (alpha read from their files), across frames, offsets and facings.
TEST(PixelOverlap, NarrowedTestAgreesWithEveryPixelOnRealFrames)
{
    const Character& p1 = jungleGround().characters[characterSlot(0, 1)];
    const Character& p2 = jungleGround().characters[characterSlot(1, 2)];
    int hits = 0, misses = 0;
    for (std::size_t f = 0; f + 3 < std::min(p1.frames.size(), p2.frames.size()); f += 3) {
        for (float dx = -10.f; dx <= 110.f; dx += 7.f) {
            for (float facing : {-1.f, 1.f}) {
                const PlacedFrame a = placed(p1, f, {500.f, 500.f}, facing);
                const PlacedFrame b = placed(p2, f + 3, {500.f + dx, 497.f}, 1.f);
                const bool expected = pixelOverlapEveryPixel(a, b);
                ASSERT_EQ(pixelOverlap(a, b), expected) << "frame " << f << " dx " << dx;
                (expected ? hits : misses) += 1;
            }
        }
    }
    EXPECT_GT(hits, 0);
    EXPECT_GT(misses, 0);
}
