#include "fighters/Skills.h"

#include "world/FightWorld.h"
#include "fighters/Death.h"
#include "fighters/Projectile.h"

namespace {

constexpr float skillVolume = 100.f;
constexpr int fullAmmo = 4;
constexpr float shotSpeed = 1500.f;        // px/s
constexpr float fullDashCharge = 1000.f;   // px walked
constexpr int shieldedHitPoints = 2;
constexpr float gigachillSpeed = 0.8f;
constexpr float swapperSpeed = 1.f;
constexpr float shieldRegeneration = 8.f;  // s
constexpr int poundFirstStunFrame = 48;
constexpr int poundLastStunFrame = 49;
constexpr float markerAhead = 150.f;       // px in front of the Swapper
constexpr float markerAbove = -50.f;       // px above it
constexpr float swapSettle = 0.1f;         // s after a swap before the skill is done

float frameDt(const Player& player)
{
    return player.world ? player.world->stepTime : 0.f;
}

bool inFight(const Player& player)
{
    return player.world && player.world->match.fightScene;
}

void endDash(Skill& skill, Player& player)
{
    skill.active = false;
    skill.pressed = false;
    player.dashing = false;
}

// 4. A grounded opponent is stunned on the pound's impact frames, anywhere in the level.
void poundStun(Skill& skill, Player& player, Player& other)
{
    if (!other.onGround || !(isVulnerable(other) || !inFight(player)))
        return;
    const bool impact = player.frame == poundFirstStunFrame || player.frame == poundLastStunFrame;
    if (impact && player.currentState == AnimState::SEISME && skill.active)
        setBothStates(other, AnimState::STUN);
}

// 5. The shield comes back 8 s after it was last lost.
void regenerateShield(Skill& skill, Player& player)
{
    if (skill.shieldReady)
        return;
    skill.shieldTimer += frameDt(player);
    if (skill.shieldTimer < shieldRegeneration)
        return;
    skill.shieldReady = true;
    skill.shieldTimer = shieldRegeneration;
    skill.active = false;
    if (player.hitPoints != 0)
        player.hitPoints = shieldedHitPoints;
}

}  // namespace

void selectSkill(Skill& skill, Player& player, int kind)
{
    skill.kind = kind;
    switch (kind) {
    case 0:
        skill.activate = napolloShoot;
        skill.ammo = fullAmmo;
        break;
    case 1:
        skill.activate = atoolaDash;
        player.dashCharge = fullDashCharge;
        break;
    case 2:
        skill.activate = gigachillPound;
        player.hitPoints = shieldedHitPoints;
        player.speedFactor = gigachillSpeed;
        skill.shieldTimer = shieldRegeneration;
        break;
    case 3:
        skill.activate = swapperSwap;
        player.speedFactor = swapperSpeed;
        break;
    default:
        break;
    }
}

void napolloShoot(Skill& skill, Player& player)
{
    // 1. A press with rounds left fires; it wounds in the fight and stuns elsewhere.
    if (skill.pressed && skill.ammo >= 1 && player.world) {
        cueSound(player, "N_SHOOT", skillVolume, true);
        skill.ammo -= 1;
        player.requestedState = AnimState::SHOOT;
        skill.active = true;
        spawnProjectile(*player.world, !inFight(player), player.position, shotSpeed, player.facing,
                        player.index);
    } else {
        // 2.
        skill.active = false;
    }
    // 3.
    skill.pressed = false;
}

void atoolaDash(Skill& skill, Player& player)
{
    // 1. Only a full gauge dashes.
    if (player.dashCharge < fullDashCharge || !skill.pressed || !player.world) {
        endDash(skill, player);
        return;
    }
    // 2.
    cueSound(player, "A_DASH", skillVolume);
    skill.active = true;
    player.dashing = true;
    player.requestedState = AnimState::DASH;
    // 3.
    if (!skill.dashStarted) {
        skill.dashStarted = true;
        skill.dashClock.restart(player.world->time);
    }
    // 4. Over: the gauge is spent.
    if (skill.dashClock.elapsed(player.world->time) >= skill.dashDuration) {
        player.dashCharge = 0.f;
        skill.dashStarted = false;
        endDash(skill, player);
        player.requestedState = AnimState::IDLE;
        return;
    }
    // 5. Straight ahead, gravity cancelled.
    player.velocity = sf::Vector2f(player.facing < 0 ? -skill.dashSpeed : skill.dashSpeed, 0.f);
}

void gigachillPound(Skill& skill, Player& player)
{
    if (!player.world)
        return;
    Player& other = opponent(player);
    // 1. The shield's second hit point, on the first call.
    if (!skill.shieldInitialised) {
        player.hitPoints = shieldedHitPoints;
        player.speedFactor = gigachillSpeed;
        skill.shieldInitialised = true;
    }
    // 2. The pound spends the shield.
    if (skill.pressed && skill.shieldReady && other.currentState != AnimState::DEFLECT && player.onGround) {
        skill.active = true;
        skill.shieldTimer = 0.f;
        player.hitPoints -= 1;
        player.requestedState = AnimState::SEISME;
        skill.shieldReady = false;
    }
    // 3.
    skill.pressed = false;
    // 4-5.
    poundStun(skill, player, other);
    regenerateShield(skill, player);
}

void swapperSwap(Skill& skill, Player& player)
{
    SwapMarker& marker = player.marker;
    // 1-2. Place the marker, or swap places with it.
    if (skill.pressed) {
        if (!marker.placed) {
            const float ahead = player.facing < 0 ? -markerAhead : markerAhead;
            marker.position = player.position + sf::Vector2f(ahead, markerAbove);
            marker.placed = true;
        } else {
            skill.active = true;
            skill.swapTimer = 0.f;
            std::swap(player.position, marker.position);
            skill.swapReady = 0.f;
        }
        skill.pressed = false;
    }
    // 3. The skill is done a moment after a swap.
    if (skill.swapReady == 0.f) {
        skill.swapTimer += frameDt(player);
        if (skill.swapTimer >= swapSettle) {
            skill.swapReady = 1.f;
            skill.swapTimer = swapSettle;
            skill.active = false;
        }
    }
}
