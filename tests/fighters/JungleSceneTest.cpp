#include "fighters/Animation.h"
#include "fighters/PlayersTick.h"
#include "render/Composition.h"
#include "support/Headless.h"
#include "level/TileMap.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// The longest run of cells in one row of the live section with ground under
// them and three free cells above, between two columns: the fighters stand
// there. Returns (first column, last column, ground row).
struct Runway {
    int first = 0, last = -1, groundRow = 0;
};

Runway findRunway(const TileMap& map, int fromColumn, int toColumn)
{
    const int s = map.sectionIndex;
    const auto solid = [&](int c, int r) {
        const int code = tileCode(map, s, c, r);
        return code != emptyCode && code != waterCode && code != spikeCode;
    };
    const auto standable = [&](int c, int r) {
        bool clear = solid(c, r);
        for (int above = 1; above <= 3; ++above)
            clear = clear && tileCode(map, s, c, r - above) == emptyCode;
        return clear;
    };
    Runway best;
    for (int row = 4; row < sectionRows; ++row)
        for (int column = fromColumn, start = -1; column <= toColumn + 1; ++column) {
            const bool ok = column <= toColumn && standable(column, row);
            if (ok && start < 0)
                start = column;
            if (!ok && start >= 0) {
                if (column - 1 - start > best.last - best.first)
                    best = Runway{start, column - 1, row};
                start = -1;
            }
        }
    return best;
}

struct JungleScene {
    HeadlessGame run;
    Game& game;
    std::string shots;
    int viewColumn = 0;  // the first column of the live section in view

    // A view that shows the section's first pool, if it has one.
    static int firstViewColumn(const TileMap& map)
    {
        for (int column = 0; column < map.columns; ++column)
            for (int row = 0; row < sectionRows; ++row)
                if (tileCode(map, map.sectionIndex, column, row) == waterCode)
                    return std::clamp(column - 4, 0, map.columns - 30);
        return std::max(map.columns / 2 - 15, 0);
    }

    JungleScene() : game(*run.game)
    {
        TileMap& map = game.tileMap;
        map.sectionIndex = map.lastSection / 2;
        map.solidTiles.clear();
        map.hazards.clear();
        buildCollision(map);
        viewColumn = firstViewColumn(map);
        game.camera.view.setCenter(sectionLeft(map, map.sectionIndex) + (viewColumn + 15) * 64.f, 604.f);
        game.state = SceneState::Fight;
        game.fightLive = true;
        game.screenFade.active = false;
        game.screenFade.clock.startedAt = -10.0;
        for (Player& p : game.players) {
            applyCharacterStats(p);
            p.deathTimer = 10.f;
            p.keyboardMode = true;
        }
        shots = (std::filesystem::temp_directory_path() / "kestrelfall-shots").string();
        std::filesystem::create_directories(shots);
    }
    void step(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            game.frameTime = 1.f / 60.f;
            game.time.now += game.frameTime;
            playersTick(game);
        }
    }
    void hold(int player, KeyAction action, bool down)
    {
        const int key = game.players[player].input->bindings.keys[static_cast<std::size_t>(action)];
        game.input.keys[key] = down;
    }
    // What a player would see, through the fight's own layers and composition.
    sf::Image picture()
    {
        sf::RenderTexture screen;
        screen.create(1920, 1080);
        clearFrameLayers(game);
        drawFightScene(game);
        composeToWindow(game, screen);
        screen.display();
        return screen.getTexture().copyToImage();
    }
    void save(const std::string& name)
    {
        picture().saveToFile(shots + "/" + name);
    }
    bool landed(const Player& p) const { return p.onGround && !p.airborne; }
};

}  // namespace

TEST(JungleScene, FightersFallRunJumpDoubleJumpLandAndBlockEachOther)
{
    JungleScene scene;
    Game& game = scene.game;
    const Runway runway = findRunway(game.tileMap, scene.viewColumn + 1, scene.viewColumn + 28);
    ASSERT_GE(runway.last - runway.first, 10) << "the live section needs a floor to fight on";
    Player& p1 = game.players[0];
    Player& p2 = game.players[1];
    const float left = sectionLeft(game.tileMap, game.tileMap.sectionIndex);
    const float groundY = static_cast<float>(runway.groundRow * tileSize);
    p1.position = sf::Vector2f(left + (runway.first + 2) * 64.f, groundY - 120.f);
    p2.position = sf::Vector2f(left + (runway.last - 1) * 64.f, groundY - 120.f);

    // They fall onto the live section.
    scene.step(90);
    for (const Player* p : {&p1, &p2}) {
        EXPECT_TRUE(scene.landed(*p));
        EXPECT_FLOAT_EQ(p->position.y + p->size.y / 2.f, groundY);
    }
    // They run at each other and stop at each other's hitbox edge.
    scene.hold(0, MoveRightKey, true);
    scene.hold(1, MoveLeftKey, true);
    scene.step(150);
    EXPECT_LT(p1.position.x, p2.position.x);
    EXPECT_NEAR(p2.position.x - p1.position.x, 30.f, 15.f);
    EXPECT_TRUE(scene.landed(p1));
    scene.save("JungleBlocked.png");
    scene.hold(0, MoveRightKey, false);
    scene.hold(1, MoveLeftKey, false);

    // Both jump, jump again in the air, and land where they took off.
    const float standY = p1.position.y;
    float highest = standY;
    for (int player : {0, 1})
        scene.hold(player, JumpKey, true);
    scene.step(1);
    EXPECT_FLOAT_EQ(p1.velocity.y, -1600.f);
    scene.step(11);  // held: the full jump
    for (int player : {0, 1})
        scene.hold(player, JumpKey, false);
    scene.step(1);
    for (int player : {0, 1})
        scene.hold(player, JumpKey, true);
    scene.step(1);
    EXPECT_TRUE(p1.doubleJumpUsed);
    EXPECT_TRUE(p2.doubleJumpUsed);
    EXPECT_LT(p1.velocity.y, -1000.f);
    for (int frame = 0; frame < 12; ++frame) {
        scene.step(1);
        highest = std::min(highest, p1.position.y);
    }
    scene.save("JungleDoubleJump.png");
    for (int player : {0, 1})
        scene.hold(player, JumpKey, false);
    for (int frame = 0; frame < 180 && !(scene.landed(p1) && scene.landed(p2)); ++frame) {
        scene.step(1);
        highest = std::min(highest, p1.position.y);
    }
    EXPECT_TRUE(scene.landed(p1));
    EXPECT_TRUE(scene.landed(p2));
    EXPECT_FLOAT_EQ(p1.position.y, standY);
    EXPECT_GT(standY - highest, 4 * 64.f) << "a jump and a double jump rise well over four tiles";

    // P1 shows in the picture: the pixels around it change when it leaves.
    const sf::Vector2f onScreen = p1.position - game.camera.view.getCenter() + sf::Vector2f(960.f, 540.f);
    const sf::Image withFighters = scene.picture();
    p1.position.x += 5000.f;
    stepAnimation(p1);
    const sf::Image without = scene.picture();
    int changed = 0;
    for (int y = -40; y < 40; ++y)
        for (int x = -25; x < 25; ++x) {
            const unsigned px = static_cast<unsigned>(onScreen.x) + x, py = static_cast<unsigned>(onScreen.y) + y;
            changed += withFighters.getPixel(px, py) != without.getPixel(px, py);
        }
    EXPECT_GT(changed, 400);
}
