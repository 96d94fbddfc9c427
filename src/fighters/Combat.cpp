#include "fighters/Combat.h"

#include "world/FightWorld.h"
#include "fighters/Death.h"
#include "fighters/PixelOverlap.h"

namespace {

constexpr float combatVolume = 100.f;
constexpr float clashPush = 1000.f;      // px/s, each fighter away from the other
constexpr float launchSpeed = 1700.f;    // px/s, Napollo's melee, sideways and up
constexpr float hubKnockSpeed = 1000.f;  // px/s, a hub hit, sideways and up
constexpr int napolloAmmo = 4;           // a Napollo hit reloads its shots
constexpr float fullDashCharge = 1000.f; // px, a kill fills Atoola's gauge
constexpr int gigachillShieldedPoints = 1;  // still standing after losing the shield

constexpr int napollo = 0;
constexpr int atoola = 1;
constexpr int gigachill = 2;

// Inclusive frame ranges of a kind's swings and parry.
struct FrameWindow {
    int first;
    int last;
};
struct KindWindows {
    FrameWindow attack[2];
    int attackWindows;
    const char* attackSound;
    FrameWindow parry;
};

const KindWindows kindWindows[kindCount] = {
    {{{20, 23}, {34, 36}}, 2, "N_ATTACK", {46, 47}},  // Napollo
    {{{20, 23}, {33, 35}}, 2, "A_ATTACK", {46, 47}},  // Atoola
    {{{17, 19}, {27, 29}}, 2, "G_ATTACK", {38, 39}},  // Gigachill
    {{{0, -1}, {0, -1}}, 0, nullptr, {54, 57}},        // Swapper: its swing never hits
};

const KindWindows* windowsOf(const Player& p)
{
    const int kind = characterKind(p);
    return kind >= 0 && kind < kindCount ? &kindWindows[kind] : nullptr;
}

bool inWindow(int frame, const FrameWindow& window)
{
    return frame >= window.first && frame <= window.last;
}

bool downOrKnocked(const Player& p)
{
    return p.currentState == AnimState::DEATH || p.currentState == AnimState::DEFLECT;
}

// Both clips change at once, and the swing (if any) is over.
void interrupt(Player& p, AnimState state)
{
    setBothStates(p, state);
    p.attacking = false;
}

// 1. An active attack frame whose picture touches the defender's picture.
bool swingReaches(Player& attacker, Player& defender)
{
    if (!attacker.hitboxActive)
        return false;
    const std::optional<PlacedFrame> a = placedFrame(attacker);
    const std::optional<PlacedFrame> d = placedFrame(defender);
    return a && d && attacker.world && pixelOverlap(*a, *d);
}

// 2. Two swings meeting face to face: both are stunned and pushed apart.
bool clash(Player& a, Player& d)
{
    if (!d.attacking || a.facing == d.facing || !facesForParry(a, d))
        return false;
    for (Player* p : {&a, &d}) {
        interrupt(*p, AnimState::STUN);
        p->velocity.x += p->facing < 0 ? clashPush : -clashPush;
    }
    return true;
}

// 3. A parry facing the swing: the defender recovers, the attacker is stunned.
void parry(Player& a, Player& d)
{
    if (!facesForParry(a, d))
        return;
    interrupt(d, AnimState::IDLE);
    interrupt(a, AnimState::STUN);
    cueSound(a, "PARRYSUCESS", combatVolume);
}

// The defender flies off, away from the attacker and upward.
void knockBack(const Player& a, Player& d, float speed)
{
    setBothStates(d, AnimState::DEFLECT);
    d.velocity = sf::Vector2f(a.velocity.x + (a.facing < 0 ? -speed : speed), -speed);
}

void napolloLaunch(Player& a, Player& d)
{
    knockBack(a, d, launchSpeed);
    a.skill.ammo = napolloAmmo;
}

void wound(Player& a, Player& d)
{
    if (facesForWound(a, d))
        loseHitPoint(d, false);
    if (d.hitPoints == 0 && characterKind(a) == atoola)
        a.dashCharge = fullDashCharge;
    a.hitLanded = true;
}

void passRightOfWay(Player& a, Player& d)
{
    d.advancing = false;
    a.advancing = true;
}

}  // namespace

bool facesForParry(const Player& a, const Player& d)
{
    return (a.facing == -1 && a.position.x >= d.position.x) || (a.facing == 1 && d.position.x > a.position.x);
}

bool facesForWound(const Player& a, const Player& d)
{
    return (a.facing == -1 && d.position.x <= a.position.x + a.size.x / 2.f) ||
           (a.facing == 1 && a.position.x < d.position.x);
}

bool facesForKnock(const Player& a, const Player& d, bool hub)
{
    const float reachLeft = hub ? a.position.x + a.size.x / 2.f : a.position.x;
    return (a.facing == -1 && d.position.x <= reachLeft) ||
           (a.facing == 1 && a.position.x - a.size.x / 2.f < d.position.x);
}

void attackFrames(Player& p)
{
    p.hitboxActive = false;
    const KindWindows* windows = windowsOf(p);
    if (!p.attacking || !windows)
        return;
    for (int i = 0; i < windows->attackWindows; ++i)
        if (inWindow(p.frame, windows->attack[i]))
            p.hitboxActive = true;
    if (windows->attackSound)
        cueSound(p, windows->attackSound, combatVolume);
}

void parryFrames(Player& p)
{
    const KindWindows* windows = windowsOf(p);
    p.parryActive = windows && inWindow(p.frame, windows->parry);
    if (p.parryActive)
        cueSound(p, "PARRY", combatVolume);
}

void loseHitPoint(Player& p, bool lethal)
{
    if (p.dashing)
        return;
    if (lethal) {
        setBothStates(p, AnimState::DEATH);
        p.hitPoints = 0;
        return;
    }
    p.skill.shieldTimer = 0.f;
    p.skill.shieldReady = false;
    p.hitPoints -= 1;
    if (characterKind(p) == gigachill && p.hitPoints >= gigachillShieldedPoints)
        cueSound(p, "G_LOSESHIELD", combatVolume);
    if (p.hitPoints < 1 && p.world)
        p.world->match.crateTimer = 0.f;
}

void resolveHit(Player& a, Player& d)
{
    // 1. Only an active frame that touches the defender counts.
    if (!swingReaches(a, d))
        return;
    // 2. Clash.
    if (d.attacking && clash(a, d))
        return;
    // 3. Parry, whether or not it faces the swing.
    if (d.parryActive) {
        parry(a, d);
        return;
    }
    // 4. A protected defender takes nothing.
    if (!isVulnerable(d))
        return;
    const bool isNapollo = characterKind(a) == napollo;
    if (!a.hitLanded && d.hitPoints > 0 && !isNapollo && !downOrKnocked(d))
        wound(a, d);
    else if (isNapollo && !downOrKnocked(d) && facesForKnock(a, d, false))
        napolloLaunch(a, d);
}

void resolveHubHit(Player& a, Player& d)
{
    // 1. Only an active frame that touches the defender counts.
    if (!swingReaches(a, d))
        return;
    // 2. Clash.
    if (d.attacking && clash(a, d))
        return;
    // 3. A parry stuns the attacker but does not stop the hit.
    if (d.parryActive)
        parry(a, d);
    // 4-5. Knock-back and the right of way.
    const bool isNapollo = characterKind(a) == napollo;
    if (!a.hitLanded && !isNapollo) {
        if (facesForKnock(a, d, true)) {
            knockBack(a, d, hubKnockSpeed);
            d.attacking = false;
            a.attacking = false;
            passRightOfWay(a, d);
        }
    } else if (isNapollo && !downOrKnocked(d) && facesForKnock(a, d, true)) {
        napolloLaunch(a, d);
        passRightOfWay(a, d);
    }
}
