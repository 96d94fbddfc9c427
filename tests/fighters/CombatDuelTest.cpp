#include "fighters/Death.h"
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
        game.time.now = 10.0;  // well past every clock's cool-down
        TileMap& map = game.tileMap;
        map.sectionIndex = liveSection;
        map.solidTiles.clear();
        buildCollision(map);
        left = sectionLeft(map, liveSection);
        game.state = SceneState::Fight;
        game.fightLive = true;
        game.screenFade.active = false;
        game.screenFade.clock.startedAt = -10.0;
        for (Player& p : game.players)
            p.keyboardMode = true;
        shots = (std::filesystem::temp_directory_path() / "kestrelfall-duel").string();
        std::filesystem::create_directories(shots);
    }

    Player& p(int i) { return game.players[i]; }

    // A fresh fighter of `kind` standing on the floor at `column`.
    void ready(int i, int kind, int column, int facing)
    {
        Player& f = p(i);
        f.character = &game.characterSets[characterSlot(i, kind)];
        selectSkill(*f.skill, f, kind);
        applyCharacterStats(f);
        f.skill->shieldInitialised = false;
        f.skill->shieldReady = true;
        f.skill->active = false;
        f.position = sf::Vector2f(left + column * 64.f + 32.f, groundRow * 64.f - f.size.y / 2.f);
        f.velocity = sf::Vector2f(0.f, 0.f);
        f.alive = true;
        f.dead = false;
        f.dashing = false;
        f.attacking = false;
        f.deathTimer = 10.f;
        setBothStates(f, AnimState::IDLE);
        setFacingScale(f, static_cast<float>(facing), 1.f);
        f.input->stateTimer = 0.f;
        f.input->attackClock.startedAt = game.time.now - 1.0;  // ready to swing again
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
        game.input.keys[p(i).input->bindings.keys[static_cast<std::size_t>(action)]] = down;
    }
    // A tap of one frame.
    void tap(int i, KeyAction action)
    {
        key(i, action, true);
        frames(1);
        key(i, action, false);
    }
    void frames(int count) { run.step(count, 1.f / 60.f); }
    void save(const std::string& name) { ASSERT_TRUE(run.saveScreenshot(shots + "/" + name)); }
};

}  // namespace

TEST(CombatDuel, EachKindsSwingReachesTheOther)
{
    Duel duel;
    // Atoola wounds Gigachill through its shield.
    duel.faceOff(atoola, 45.f, gigachill);
    duel.tap(0, AttackKey);
    duel.frames(8);
    duel.save("1-atoola-swing.png");
    duel.frames(20);
    EXPECT_EQ(duel.p(1).hitPoints, 1);
    // Gigachill's swing brings Atoola down.
    duel.faceOff(gigachill, 45.f);
    duel.tap(0, AttackKey);
    duel.frames(30);
    EXPECT_LT(duel.p(1).hitPoints, 1);
    // Napollo's swing launches instead of wounding.
    duel.faceOff(napollo, 45.f);
    duel.tap(0, AttackKey);
    duel.frames(10);
    duel.save("2-napollo-launch.png");
    EXPECT_EQ(duel.p(1).hitPoints, 1);
    EXPECT_EQ(duel.p(1).currentState, AnimState::DEFLECT);
    EXPECT_GT(duel.p(1).position.x, duel.p(0).position.x + 60.f);
    // The Swapper's swing never hits.
    duel.faceOff(swapper, 45.f);
    duel.tap(0, AttackKey);
    duel.frames(30);
    EXPECT_EQ(duel.p(1).hitPoints, 1);
    EXPECT_NE(duel.p(1).currentState, AnimState::DEFLECT);
}

TEST(CombatDuel, EachKindsParryStunsTheSwinger)
{
    Duel duel;
    for (int kind : {napollo, atoola, gigachill, swapper}) {
        duel.faceOff(kind, 45.f);
        const int hitPoints = duel.p(0).hitPoints;
        duel.key(0, ParryKey, true);
        duel.frames(kind == gigachill ? 5 : 1);  // Gigachill's parry frames come later
        duel.tap(1, AttackKey);
        duel.key(0, ParryKey, false);
        bool stunned = false;
        for (int i = 0; i < 30 && !stunned; ++i) {
            duel.frames(1);
            stunned = duel.p(1).currentState == AnimState::STUN;
        }
        EXPECT_TRUE(stunned) << "kind " << kind;
        EXPECT_EQ(duel.p(0).hitPoints, hitPoints) << "kind " << kind;
        if (kind == gigachill)
            duel.save("3-gigachill-parry.png");
    }
}

TEST(CombatDuel, EachKindsSkillActsOnTheOther)
{
    Duel duel;
    // Napollo's shot wounds from afar.
    duel.faceOff(napollo, 500.f);
    duel.tap(0, SkillKey);
    duel.frames(12);
    duel.save("4-napollo-shot.png");
    duel.frames(30);
    EXPECT_LT(duel.p(1).hitPoints, 1);
    EXPECT_EQ(duel.p(0).skill->ammo, 3);
    // Atoola dashes straight through the other.
    duel.faceOff(atoola, 150.f);
    duel.tap(0, SkillKey);
    duel.frames(5);
    duel.save("5-atoola-dash.png");
    duel.frames(20);
    EXPECT_GT(duel.p(0).position.x, duel.p(1).position.x);
    EXPECT_EQ(duel.p(1).hitPoints, 1);
    // Gigachill's pound stuns the grounded opponent across the screen.
    duel.faceOff(gigachill, 900.f);
    duel.tap(0, SkillKey);
    bool stunned = false;
    for (int i = 0; i < 60 && !stunned; ++i) {
        duel.frames(1);
        stunned = duel.p(1).currentState == AnimState::STUN;
    }
    EXPECT_TRUE(stunned);
    duel.save("6-gigachill-pound.png");
    // The Swapper sets its marker beyond the other and swaps behind it.
    duel.faceOff(swapper, 100.f);
    duel.tap(0, SkillKey);
    duel.frames(30);
    duel.save("7-swapper-marker.png");
    duel.tap(0, SkillKey);
    duel.frames(2);
    EXPECT_GT(duel.p(0).position.x, duel.p(1).position.x);
}

TEST(CombatDuel, SpikesKillAndTheFighterComesBackProtected)
{
    Duel duel;
    duel.ready(0, atoola, spikeColumn - 7, 1);
    duel.ready(1, gigachill, spikeColumn, -1);
    duel.p(1).position.y -= 200.f;  // drops onto the spikes
    duel.p(0).advancing = true;
    Camera& camera = duel.game.camera;  // looking at the spikes from the start
    camera.view.setCenter(duel.p(0).position.x, camera.centre.y);
    camera.centre = camera.view.getCenter();
    duel.frames(30);
    EXPECT_TRUE(duel.p(1).dead);
    EXPECT_EQ(duel.p(1).currentState, AnimState::DEATH);
    duel.save("8-spike-death.png");
    int frames = 0;
    while (!duel.p(1).alive && frames++ < 300)
        duel.frames(1);
    ASSERT_TRUE(duel.p(1).alive);
    EXPECT_EQ(duel.p(1).hitPoints, 1);
    EXPECT_TRUE(isProtected(duel.p(1)));
    EXPECT_GT(std::fabs(duel.p(1).position.x - duel.p(0).position.x), 700.f);
    duel.frames(10);
    duel.save("9-respawn-protected.png");
    EXPECT_TRUE(duel.p(1).onGround);
    duel.frames(30);
    EXPECT_FALSE(isProtected(duel.p(1)));
}
