#include "assets/CharacterFiles.h"
#include "assets/Pictures.h"

#include "fighters/Character.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <algorithm>

// The frame pictures as a player meets them (that they load is the start-up
// test's job): the fighters stand on the ground, a swing reaches an opponent
// in front, each player wears its colour.

namespace {

const int pictureHalf = 96;

int hitboxHeight(int kind) { return static_cast<int>(kindHitbox(kind).y); }

bool opaqueAt(const sf::Image& image, int x, int y)
{
    const sf::Vector2u size = image.getSize();
    return x >= 0 && y >= 0 && x < static_cast<int>(size.x) && y < static_cast<int>(size.y) &&
           image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a != 0;
}

// A picture placed as the game places a fighter: centred on its hitbox,
// mirrored when it faces left.
struct Placed {
    const sf::Image* image;
    int centreX, centreY;
    bool facingLeft;
    bool opaqueAtWorld(int x, int y) const
    {
        const int w = static_cast<int>(image->getSize().x), h = static_cast<int>(image->getSize().y);
        int u = x - (centreX - w / 2);
        const int v = y - (centreY - h / 2);
        if (facingLeft)
            u = w - 1 - u;
        return opaqueAt(*image, u, v);
    }
};

// Both pictures opaque at one screen pixel, the way the fight's hit test asks.
bool overlap(const Placed& a, const Placed& b)
{
    const int half = pictureHalf;
    const int left = std::max(a.centreX, b.centreX) - half, right = std::min(a.centreX, b.centreX) + half;
    const int top = std::max(a.centreY, b.centreY) - half, bottom = std::min(a.centreY, b.centreY) + half;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (a.opaqueAtWorld(x, y) && b.opaqueAtWorld(x, y))
                return true;
    return false;
}

int lowestOpaqueRow(const sf::Image& image)
{
    for (int y = static_cast<int>(image.getSize().y) - 1; y >= 0; --y)
        for (unsigned x = 0; x < image.getSize().x; ++x)
            if (image.getPixel(x, static_cast<unsigned>(y)).a != 0)
                return y;
    return -1;
}

class CharacterPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        enterFreshRunFolder();
        const std::vector<std::string> roster = readRoster();
        ASSERT_GE(roster.size(), static_cast<std::size_t>(characterSlotCount));
        for (int slot = 0; slot < characterSlotCount; ++slot)
            files.push_back(readCharacterFile(roster[static_cast<std::size_t>(slot)]));
    }
    const std::vector<std::string>& frames(int slot) const { return files[static_cast<std::size_t>(slot)].frames; }
    std::vector<CharacterFile> files;
};

}  // namespace

TEST_F(CharacterPictures, FightersStandOnTheBottomOfTheirHitbox)
{
    // The picture is centred on the hitbox, so the soles belong on the row
    // just above centre + half the hitbox height: no floating, no sinking.
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const int height = hitboxHeight(slot % kindCount);
        const sf::Image idle = readPicture(frames(slot).front());
        EXPECT_EQ(lowestOpaqueRow(idle), (2 * pictureHalf + height) / 2 - 1) << frames(slot).front();
    }
}

TEST_F(CharacterPictures, EverySwingFrameReachesAnOpponentAtMeleeRange)
{
    // Hitboxes touching, and a third of a hitbox apart. The Swapper's swing never hits.
    const int distances[] = {60, 80};
    for (int attackerSlot = 0; attackerSlot < kindCount; ++attackerSlot)
        for (const auto& [first, last] : kindFrames[attackerSlot].hits)
            for (int frame = first; frame <= last; ++frame) {
                const sf::Image swing = readPicture(frames(attackerSlot)[static_cast<std::size_t>(frame)]);
                const Placed attacker{&swing, 0, -hitboxHeight(attackerSlot) / 2, false};
                for (int defenderKind = 0; defenderKind < kindCount; ++defenderKind) {
                    const sf::Image idle = readPicture(frames(kindCount + defenderKind).front());
                    for (int distance : distances)
                        for (bool facingLeft : {true, false}) {
                            const Placed defender{&idle, distance, -hitboxHeight(defenderKind) / 2, facingLeft};
                            EXPECT_TRUE(overlap(attacker, defender))
                                << kindNames[attackerSlot] << " frame " << frame << " misses a "
                                << kindNames[defenderKind] << " " << distance << " px ahead";
                        }
                }
            }
}

TEST_F(CharacterPictures, EveryFrameShowsSomethingInItsPlayersColour)
{
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        long cyan = 0, red = 0;
        for (const std::string& path : frames(slot)) {
            const sf::Image image = readPicture(path);
            EXPECT_GE(lowestOpaqueRow(image), 0) << path << " is blank";
            for (unsigned y = 0; y < image.getSize().y; ++y)
                for (unsigned x = 0; x < image.getSize().x; ++x) {
                    const sf::Color c = image.getPixel(x, y);
                    if (c.a < 128)
                        continue;
                    cyan += c.b > c.r + 60 && c.g > c.r + 60;
                    red += c.r > c.g + 80 && c.r > c.b + 60;
                }
        }
        if (slot < kindCount)
            EXPECT_GT(cyan, 10 * red) << "P1 slot " << slot;
        else
            EXPECT_GT(red, 10 * cyan) << "P2 slot " << slot;
    }
}

TEST_F(CharacterPictures, MarkersAndShotAreDrawn)
{
    for (const char* path : {"Assets/Placeholder/SummonB.png", "Assets/Placeholder/SummonR.png"}) {
        const sf::Image marker = readPicture(path);
        ASSERT_GT(marker.getSize().x, 0u) << path;
        // The picture is the marker's collision box: it rests on its stone.
        EXPECT_EQ(lowestOpaqueRow(marker), static_cast<int>(marker.getSize().y) - 1) << path;
    }
    const sf::Image shot = readPicture("Assets/Sprites/Attack Distance/0.png");
    ASSERT_GT(shot.getSize().x, shot.getSize().y);
    // The shot flies left as drawn (the game mirrors it for shots flying
    // right): its head, the bulk of it, is on the left.
    int left = 0, right = 0;
    const unsigned w = shot.getSize().x;
    for (unsigned y = 0; y < shot.getSize().y; ++y)
        for (unsigned x = 0; x < w; ++x)
            if (shot.getPixel(x, y).a > 200)
                (x < w / 2 ? left : right) += 1;
    EXPECT_GT(left, right);
}
