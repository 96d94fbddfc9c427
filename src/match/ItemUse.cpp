#include "world/FightWorld.h"
#include "fighters/Projectile.h"
#include "match/Items.h"
#include "match/Sections.h"

namespace {

constexpr float effectDuration = 3.f;   // s of SPEED or SLOW
constexpr float speedUpFactor = 1.4f;
constexpr float slowDownFactor = 0.65f;
constexpr float normalSpeedFactor = 1.f;
constexpr float gigachillSpeedFactor = 0.8f;
constexpr float stunShotSpeed = 1500.f;  // px/s
constexpr float itemVolume = 100.f;
constexpr int gigachill = 2;

float restingSpeedFactor(const Player& player)
{
    return characterKind(player) == gigachill ? gigachillSpeedFactor : normalSpeedFactor;
}

// The item is spent: it goes and the request with it.
void usedUp(Player& user)
{
    destroyItem(user);
    user.useItemRequest = false;
}

// SPEED and SLOW: one timed factor written every frame, then the fighter's own again.
void timedFactor(Crate& item, Player& user, Player& target, float& runTime, const char* sound, float factor)
{
    if (!item.effectStarted) {
        item.effectStarted = true;
        cueSound(user, sound, itemVolume);
    }
    runTime += user.world->stepTime;
    if (runTime <= effectDuration) {
        target.speedFactor = factor;
        return;
    }
    runTime = 0.f;
    target.speedFactor = restingSpeedFactor(target);
    usedUp(user);
}

void stunShot(Player& user)
{
    cueSound(user, "STUN", itemVolume);
    spawnProjectile(*user.world, true, user.position, stunShotSpeed, user.facing, user.index);
    usedUp(user);
}

// Nobody keeps the right of way; refused while nobody has it or the opponent is down.
void stop(Player& user, Player& other)
{
    FightWorld& world = *user.world;
    if (world.match.chaseSituation == NoAttacker || other.dead) {
        user.useItemRequest = false;
        return;
    }
    cueSound(user, "STOP", itemVolume);
    world.events.stopFlash = true;
    user.advancing = false;
    other.advancing = false;
    usedUp(user);
}

// The two fighters trade places; refused while the opponent is down.
void swap(Player& user, Player& other)
{
    if (other.hitPoints < 1) {
        user.useItemRequest = false;
        return;
    }
    cueSound(user, "SWAP", itemVolume);
    std::swap(user.position, other.position);
    usedUp(user);
}

}  // namespace

void activeItems(FightWorld& world)
{
    for (Player& player : world.players) {
        if (!player.useItemRequest)
            continue;
        if (player.item)
            useItem(*player.item, player);
        else
            player.useItemRequest = false;
    }
}

void useItem(Crate& item, Player& user)
{
    Player& other = opponent(user);
    switch (item.kind) {
    case SPEED:
        timedFactor(item, user, user, item.speedTime, "SPEED", speedUpFactor);
        break;
    case STUN:
        stunShot(user);
        break;
    case SLOW:
        timedFactor(item, user, other, item.slowTime, "SLOW", slowDownFactor);
        break;
    case STOP:
        stop(user, other);
        break;
    case SWAP:
        swap(user, other);
        break;
    default:
        usedUp(user);
        break;
    }
}

void destroyItem(Player& player)
{
    player.item.reset();
}

bool effectRunning(const Player& player)
{
    return player.item && player.useItemRequest && (player.item->kind == SPEED || player.item->kind == SLOW);
}

float effectTime(const Player& player)
{
    if (!effectRunning(player))
        return 0.f;
    return player.item->kind == SPEED ? player.item->speedTime : player.item->slowTime;
}
