#include "fighters/Death.h"
#include "app/FixedSteps.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

// A scripted duel on the Jungle level's middle section, played through the
// game's own frames with the keys of both players, and looked at: each kind's
// swing, parry and skill reach the other fighter, and a fighter dies on the
// spikes and comes back protected.

namespace {

constexpr int napollo = 0, atoola = 1, gigachill = 2, swapper = 3;
constexpr int liveSection = 2;
constexpr int groundRow = 14;   // the long floor of the middle section
constexpr int meleeColumn = 16; // open floor, no platform overhead
constexpr int spikeColumn = 52;

struct Duel {
    HeadlessGame run{true};
    Game& game;
    std::string shots;
    float left = 0.f;

    Duel() : game(*run.game)
    {
        run.drawEachFrame = false;  // drawn only for the pictures: the rules never depend on drawing
        game.world.time.now = 10.0;  // well past every clock's cool-down
        TileMap& map = game.tileMap;
        map.sectionIndex = liveSection;
        game.world.sectionIndex = liveSection;
        map.solidTiles.clear();
        buildCollision(map);
        left = sectionLeft(map, liveSection);
        game.state = SceneState::Fight;
        tellWorld(game);
        game.world.match.fightLive = true;
        game.screenFade.active = false;
        game.screenFade.clock.startedAt = -10.0;
        for (Player& p : game.world.players)
            p.keyboardMode = true;
        shots = (std::filesystem::temp_directory_path() / "kestrelfall-duel").string();
        std::filesystem::create_directories(shots);
    }

    Player& p(int i) { return game.world.players[i]; }

    // A fresh fighter of `kind` standing on the floor at `column`.
    void ready(int i, int kind, int column, int facing)
    {
        Player& f = p(i);
        f.character = &game.characterSets[characterSlot(i, kind)];
        selectSkill(f.skill, f, kind);
        applyCharacterStats(f);
        f.skill.shieldInitialised = false;
        f.skill.shieldReady = true;
        f.skill.active = false;
        f.position = sf::Vector2f(left + column * 64.f + 32.f, groundRow * 64.f - f.size.y / 2.f);
        f.velocity = sf::Vector2f(0.f, 0.f);
        f.alive = true;
        f.dead = false;
        f.dashing = false;
        f.attacking = false;
        f.deathTimer = 10.f;
        setBothStates(f, AnimState::IDLE);
        setFacingScale(f, static_cast<float>(facing), 1.f);
        f.input.stateTimer = 0.f;
        f.input.attackClock.startedAt = game.world.time.now - 1.0;  // ready to swing again
    }
    // P1 of `kind` facing P2 (Atoola or `other`) `gap` px to its right.
    void faceOff(int kind, float gap, int other = atoola)
    {
        ready(0, kind, meleeColumn, 1);
        ready(1, other, meleeColumn, -1);
        p(1).position.x += gap;
        frames(2);
    }
    void key(int i, KeyAction action, bool down)
    {
        game.input.keys[p(i).input.bindings.keys[static_cast<std::size_t>(action)]] = down;
    }
    // A tap of one frame.
    void tap(int i, KeyAction action)
    {
        key(i, action, true);
        frames(1);
        key(i, action, false);
    }
    void frames(int count, float dt = 1.f / 60.f) { run.step(count, dt); }
    void save(const std::string& name) { ASSERT_TRUE(run.saveScreenshot(shots + "/" + name)); }
};

}  // namespace

// One game for the whole script: opening the window and loading the level
// is most of the cost.
TEST(CombatDuel, SwingsParriesSkillsAndASpikeDeath)
{
    Duel duel;
    Player& a = duel.p(0);
    Player& b = duel.p(1);
    const auto stunnedWithin = [&](int frames) {
        for (int i = 0; i < frames; ++i) {
            duel.frames(1);
            if (b.currentState == AnimState::STUN)
                return true;
        }
        return false;
    };
    {
        SCOPED_TRACE("swings");
        duel.faceOff(atoola, 45.f, gigachill);  // Atoola wounds Gigachill through its shield
        duel.tap(0, AttackKey);
        duel.frames(28);
        EXPECT_EQ(b.hitPoints, 1);
        duel.faceOff(gigachill, 45.f);
        duel.tap(0, AttackKey);
        duel.frames(30);
        EXPECT_LT(b.hitPoints, 1);
        duel.faceOff(napollo, 45.f);  // launches instead of wounding
        duel.tap(0, AttackKey);
        duel.frames(10);
        duel.save("1-napollo-launch.png");
        EXPECT_EQ(b.hitPoints, 1);
        EXPECT_EQ(b.currentState, AnimState::DEFLECT);
        EXPECT_GT(b.position.x, a.position.x + 60.f);
        duel.faceOff(swapper, 45.f);  // never hits
        duel.tap(0, AttackKey);
        duel.frames(30);
        EXPECT_EQ(b.hitPoints, 1);
        EXPECT_NE(b.currentState, AnimState::DEFLECT);
    }
    for (int kind : {napollo, atoola, gigachill, swapper}) {
        SCOPED_TRACE("parry of kind " + std::to_string(kind));
        duel.faceOff(kind, 45.f);
        const int hitPoints = a.hitPoints;
        duel.key(0, ParryKey, true);
        duel.frames(kind == gigachill ? 5 : 1);  // Gigachill's parry frames come later
        duel.tap(1, AttackKey);
        duel.key(0, ParryKey, false);
        EXPECT_TRUE(stunnedWithin(30));
        EXPECT_EQ(a.hitPoints, hitPoints);
    }
    {
        SCOPED_TRACE("skills");
        duel.faceOff(napollo, 500.f);  // the shot wounds from afar
        duel.tap(0, SkillKey);
        duel.frames(42);
        EXPECT_LT(b.hitPoints, 1);
        EXPECT_EQ(a.skill.ammo, 3);
        duel.faceOff(atoola, 150.f);  // the dash goes straight through
        duel.tap(0, SkillKey);
        duel.frames(25);
        EXPECT_GT(a.position.x, b.position.x);
        EXPECT_EQ(b.hitPoints, 1);
        duel.faceOff(gigachill, 900.f);  // the pound stuns across the screen
        duel.tap(0, SkillKey);
        EXPECT_TRUE(stunnedWithin(60));
        duel.save("2-gigachill-pound.png");
        duel.faceOff(swapper, 100.f);  // marker beyond the other, then swap behind it
        duel.tap(0, SkillKey);
        duel.frames(30);
        duel.tap(0, SkillKey);
        duel.frames(2);
        EXPECT_GT(a.position.x, b.position.x);
    }
    {
        SCOPED_TRACE("spike death and respawn");
        duel.ready(0, atoola, spikeColumn - 7, 1);
        duel.ready(1, gigachill, spikeColumn, -1);
        b.position.y -= 200.f;  // drops onto the spikes
        a.advancing = true;
        Camera& camera = duel.game.world.camera;  // looking at the spikes from the start
        camera.view.setCenter(a.position.x, camera.centre.y);
        camera.centre = camera.view.getCenter();
        duel.frames(30);
        EXPECT_TRUE(b.dead);
        EXPECT_EQ(b.currentState, AnimState::DEATH);
        duel.save("3-spike-death.png");
        for (int frames = 0; !b.alive && frames < 100; ++frames)
            duel.frames(1, 1.f / 20.f);  // nothing moves while it waits: longer frames
        ASSERT_TRUE(b.alive);
        EXPECT_EQ(b.hitPoints, 1);
        EXPECT_TRUE(isProtected(b));
        EXPECT_GT(std::fabs(b.position.x - a.position.x), 700.f);
        duel.frames(10);
        EXPECT_TRUE(b.onGround);
        duel.frames(30);
        EXPECT_FALSE(isProtected(b));
    }
}
