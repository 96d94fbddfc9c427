#include "WorldMatches.h"

#include "opponent/FightView.h"
#include "opponent/Opponent.h"
#include "world/FightSetUp.h"
#include "world/FightStep.h"
#include "world/FightWorld.h"
#include "world/JungleGround.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>

namespace {

constexpr int stepsPerSecond = 300;
constexpr int blowMemory = 300;      // steps (1 s) the other's doing is held responsible for a fall after it
constexpr float fallOutLine = 1280.f;  // px: below the level
constexpr float touchSlack = 4.f;    // px around the body that still touch a spike
constexpr float swapDistance = 200.f;  // px in one step: only a swap moves a fighter so far

bool struck(const Player& p)
{
    return p.currentState == AnimState::DEFLECT || p.currentState == AnimState::STUN || p.knockbackLock;
}

// Whether the two bodies touch (their pictures meet): one in the other's way
// can stop a jump short.
bool bodiesTouch(const Player& a, const Player& b)
{
    return frameBounds(a).intersects(frameBounds(b));
}

// Whether the fighter's body touches a spike cell of the live section or has fallen out.
bool inHazard(const FightWorld& world, const Player& p)
{
    if (p.position.y > fallOutLine - p.size.y)
        return true;
    const Section& section = tiles(world).grid[static_cast<std::size_t>(world.sectionIndex)];
    const float left = p.position.x - p.size.x / 2.f - touchSlack - world.sectionWidth * world.sectionIndex;
    const float right = left + p.size.x + 2.f * touchSlack;
    const float top = p.position.y - p.size.y / 2.f, bottom = p.position.y + p.size.y / 2.f + touchSlack;
    const auto cell = [](float v) { return static_cast<int>(std::floor(v / tileSize)); };
    for (int c = std::max(0, cell(left)); c <= cell(right) && c < static_cast<int>(section.size()); ++c)
        for (int r = std::max(0, cell(top)); r <= cell(bottom) && r < sectionRows; ++r)
            if (section[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] == spikeCode)
                return true;
    return false;
}

struct FighterWatch {
    int sinceOther = blowMemory;  // steps since a blow, a swap or the other body last touched it
    float lastX = 0.f;
    bool placed = false;
    int still = 0;
    bool standing = true;
};

void watchFighter(const FightWorld& world, int i, FighterWatch& w, FightInput pressed, WatchedMatch& out)
{
    const Player& p = world.players[i];
    const Player& other = world.players[1 - i];
    const bool swapped = w.placed && std::fabs(p.position.x - w.lastX) > swapDistance;
    w.lastX = p.position.x;
    w.placed = true;
    w.sinceOther = struck(p) || swapped || (other.hitPoints >= 1 && bodiesTouch(p, other)) ? 0 : w.sinceOther + 1;
    // Once the flag is home the match is decided: nobody needs to move while it ends.
    const bool decided = world.match.flagTaken;
    const bool free = world.match.fightLive && !decided && p.hitPoints >= 1 && !world.camera.inTransition;
    const bool moving = pressed.held(ButtonLeft) || pressed.held(ButtonRight) || pressed.held(ButtonJump);
    w.still = free && !moving ? w.still + 1 : 0;
    out.longestStill[i] = std::max(out.longestStill[i], w.still);
    const bool standing = p.hitPoints >= 1;
    if (w.standing && !standing && w.sinceOther >= blowMemory && inHazard(world, p))
        ++out.ownDeaths[i];
    w.standing = standing;
}

}  // namespace

WatchedMatch playWorldMatch(bool caa, Seat p1, Seat p2, std::uint64_t seed, int limitSeconds)
{
    std::filesystem::current_path(KESTRELFALL_RUN_DIR);  // the level files, read only
    static FightWorld world;  // large: kept out of the stack
    setUpFight(world, jungleGround(), FightChoice{caa, "", {1, 1}, seed, {}});
    const Seat seats[2] = {p1, p2};
    std::optional<Opponent> opponents[2];
    for (int i = 0; i < 2; ++i)
        if (seats[i].computer)
            opponents[i] = makeOpponent(seats[i].strength, opponentSeed(world.random), i);
    WatchedMatch out;
    FighterWatch watches[2];
    std::int64_t live = 0;
    while (fightWinner(world) < 0 && live < std::int64_t{limitSeconds} * stepsPerSecond) {
        const OpponentView view = viewOfFight(world);
        FightInput inputs[2];
        for (int i = 0; i < 2; ++i)
            if (opponents[i])
                inputs[i] = decideInput(*opponents[i], view);
        stepFight(world, inputs);
        for (int i = 0; i < 2; ++i)
            watchFighter(world, i, watches[i], inputs[i], out);
        live += world.match.fightLive ? 1 : 0;
    }
    out.winner = fightWinner(world);
    out.seconds = static_cast<double>(live) / stepsPerSecond;
    out.kills[0] = world.match.p1Kills;
    out.kills[1] = world.match.p2Kills;
    return out;
}
