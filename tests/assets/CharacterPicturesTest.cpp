#include "assets/CharacterFiles.h"

#include "fighters/Character.h"
#include "resources/Loading.h"
#include "resources/Paths.h"
#include "support/Headless.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Context.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

// The frame pictures as a player meets them: they load, the fighters stand
// on the ground, a swing reaches an opponent in front, each player wears its
// colour. A contact sheet of every slot is left in the temp folder to look at.

namespace {

const int pictureHalf = 96;

int hitboxHeight(int kind) { return static_cast<int>(kindHitbox(kind).y); }

sf::Image picture(const std::string& path)
{
    sf::Image image;
    image.loadFromFile(resolvePath(path));
    return image;
}

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

TEST_F(CharacterPictures, EverySlotLoadsWithTheGamesLoader)
{
    // One context for all the loads: without it each texture opens a
    // transient one, and hundreds of them exhaust the X server's clients.
    sf::Context context;
    const int failuresBefore = loadReport().failures;
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        Character character;
        loadRoster(character);
        loadCharacter(character, slot);
        EXPECT_EQ(character.spriteCount, static_cast<int>(frames(slot).size())) << slot;
        for (const sf::Sprite& sprite : character.sprites) {
            ASSERT_NE(sprite.getTexture(), nullptr) << slot;
            EXPECT_EQ(sprite.getTexture()->getSize(), sf::Vector2u(2 * pictureHalf, 2 * pictureHalf)) << slot;
        }
    }
    const std::vector<std::string>& failed = loadReport().failedPaths;
    for (std::size_t i = static_cast<std::size_t>(failuresBefore); i < failed.size(); ++i)
        ADD_FAILURE() << failed[i] << " failed to load";
}

TEST_F(CharacterPictures, FightersStandOnTheBottomOfTheirHitbox)
{
    // The picture is centred on the hitbox, so the soles belong on the row
    // just above centre + half the hitbox height: no floating, no sinking.
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const int height = hitboxHeight(slot % kindCount);
        const sf::Image idle = picture(frames(slot).front());
        EXPECT_EQ(lowestOpaqueRow(idle), (2 * pictureHalf + height) / 2 - 1) << frames(slot).front();
    }
}

TEST_F(CharacterPictures, EverySwingFrameReachesAnOpponentAtMeleeRange)
{
    // Hitting frames of the two swings; the Swapper's swing never hits.
    const std::vector<std::pair<int, int>> hitting[kindCount] = {
        {{20, 23}, {34, 36}}, {{20, 23}, {33, 35}}, {{17, 19}, {27, 29}}, {}};
    // Hitboxes touching, and a third of a hitbox apart.
    const int distances[] = {60, 80};
    for (int attackerSlot = 0; attackerSlot < kindCount; ++attackerSlot)
        for (const auto& [first, last] : hitting[attackerSlot])
            for (int frame = first; frame <= last; ++frame) {
                const sf::Image swing = picture(frames(attackerSlot)[static_cast<std::size_t>(frame)]);
                const Placed attacker{&swing, 0, -hitboxHeight(attackerSlot) / 2, false};
                for (int defenderKind = 0; defenderKind < kindCount; ++defenderKind) {
                    const sf::Image idle = picture(frames(kindCount + defenderKind).front());
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

TEST_F(CharacterPictures, EachPlayerWearsItsColour)
{
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        long cyan = 0, red = 0;
        for (const std::string& path : frames(slot)) {
            const sf::Image image = picture(path);
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
        const sf::Image marker = picture(path);
        ASSERT_GT(marker.getSize().x, 0u) << path;
        // The picture is the marker's collision box: it rests on its stone.
        EXPECT_EQ(lowestOpaqueRow(marker), static_cast<int>(marker.getSize().y) - 1) << path;
        EXPECT_LE(marker.getSize().y, 64u) << path;
    }
    const sf::Image shot = picture("Assets/Sprites/Attack Distance/0.png");
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

TEST_F(CharacterPictures, ContactSheetShowsEveryFrame)
{
    const unsigned cell = 2 * pictureHalf, columns = 12;
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const std::vector<std::string>& list = frames(slot);
        const unsigned rows = static_cast<unsigned>((list.size() + columns - 1) / columns);
        sf::Image sheet;
        sheet.create(columns * cell, rows * cell, sf::Color(74, 92, 80));
        for (std::size_t i = 0; i < list.size(); ++i) {
            const sf::Image frame = picture(list[i]);
            EXPECT_GE(lowestOpaqueRow(frame), 0) << list[i] << " is blank";
            const unsigned left = static_cast<unsigned>(i % columns) * cell;
            const unsigned top = static_cast<unsigned>(i / columns) * cell;
            for (unsigned y = 0; y < cell; ++y)
                for (unsigned x = 0; x < cell; ++x) {
                    const sf::Color c = frame.getPixel(x, y);
                    const sf::Color under = (x / 16 + y / 16) % 2 ? sf::Color(84, 102, 90) : sf::Color(92, 110, 98);
                    const float a = c.a / 255.f;
                    auto channel = [a](sf::Uint8 top, sf::Uint8 bottom) {
                        return static_cast<sf::Uint8>(top * a + bottom * (1.f - a));
                    };
                    sheet.setPixel(left + x, top + y,
                                   x == 0 || y == 0 ? sf::Color(30, 30, 30)
                                                    : sf::Color(channel(c.r, under.r), channel(c.g, under.g),
                                                                channel(c.b, under.b)));
                }
        }
        const std::filesystem::path out =
            std::filesystem::temp_directory_path() / ("kestrelfall-contact-" + std::to_string(slot) + ".png");
        EXPECT_TRUE(sheet.saveToFile(out.string()));
    }
}
