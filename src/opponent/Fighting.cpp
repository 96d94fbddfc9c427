#include "opponent/Fighting.h"

#include <cmath>

namespace {

constexpr float meleeReach = 130.f;       // px between centres at which a swing lands
constexpr float wastedReach = 260.f;      // px: a misjudged swing comes from this far
constexpr float threatReach = 230.f;      // px: a swing from nearer must be answered
constexpr float reachHeight = 100.f;      // px of height difference a swing still meets
constexpr float shotHeight = 70.f;        // px: a shot this near in height will hit
constexpr float shotWarning = 750.f;      // px: a shot nearer than this gets parried
constexpr int lateParrySteps = 36;        // a late parry comes 120 ms after the right moment
constexpr float shootNear = 220.f, shootFar = 1400.f;  // px: Napollo's shooting range
constexpr float dashNear = 250.f, dashFar = 560.f;     // px: Atoola's dash range
constexpr float dashFull = 1000.f;        // px of gauge
constexpr float poundRange = 700.f;       // px: a pound is worth it with the other fighter this near
constexpr float swapEscape = 320.f;       // px: the marker must lie this far from the attacker
constexpr float itemRange = 1500.f;       // px
constexpr int stopItem = 3;               // the item that takes the right of way away

int sign(float v)
{
    return v > 0.f ? 1 : v < 0.f ? -1 : 0;
}

struct Sight {
    const FighterView& self;
    const FighterView& foe;
    float x;    // where the fighter is reckoned to be
    float dx;   // foe - self
    float dy;
    bool facingFoe;
};

bool swingComing(const Sight& s)
{
    return s.foe.alive && s.foe.action == FighterAction::Attacking && s.foe.facing == sign(s.x - s.foe.x) &&
           std::fabs(s.dx) < threatReach && std::fabs(s.dy) < reachHeight;
}

bool shotComing(const OpponentView& view, int me, const Sight& s)
{
    for (int i = 0; i < view.shotCount && i < maxShotsSeen; ++i) {
        const ShotView& shot = view.shots[static_cast<std::size_t>(i)];
        const float along = (s.x - shot.x) * static_cast<float>(shot.direction);
        if (shot.owner != me && along > 0.f && along < shotWarning && std::fabs(shot.y - s.self.y) < shotHeight)
            return true;
    }
    return false;
}

bool canWound(const Sight& s)
{
    return s.foe.alive && !s.foe.glowing && s.facingFoe && std::fabs(s.dy) < reachHeight;
}

bool skillFits(const Sight& s, bool threatened)
{
    const float distance = std::fabs(s.dx);
    const bool level = std::fabs(s.dy) < shotHeight && s.foe.alive && s.facingFoe;
    switch (s.self.kind) {
    case 0:
        return s.self.ammo > 0 && level && distance > shootNear && distance < shootFar;
    case 1:
        return s.self.dashCharge >= dashFull && level && distance > dashNear && distance < dashFar;
    case 2:
        return s.self.shieldReady && s.self.onGround && s.foe.onGround && s.foe.alive && !s.foe.glowing &&
               distance < poundRange;
    case 3:
        if (!s.self.markerPlaced)
            return s.self.onGround;
        return threatened && std::fabs(s.self.markerX - s.foe.x) > swapEscape;
    default:
        return false;
    }
}

bool itemFits(const OpponentView& view, int me, const Sight& s)
{
    if (s.self.item == noItem || !s.foe.alive || std::fabs(s.dx) > itemRange)
        return false;
    return s.self.item != stopItem || view.rightOfWay == 1 - me;
}

}  // namespace

CombatChoice chooseCombat(const OpponentView& view, int me, float x, Errand errand, const StrengthProfile& profile,
                          OpponentRandom& random)
{
    CombatChoice choice;
    const FighterView& self = view.fighters[static_cast<std::size_t>(me)];
    const FighterView& foe = view.fighters[static_cast<std::size_t>(1 - me)];
    const Sight s{self, foe, x, foe.x - x, foe.y - self.y, self.facing == sign(foe.x - x)};
    // 1. Answer a swing or a shot with a parry, if it is seen in time.
    const bool threatened = swingComing(s) || shotComing(view, me, s);
    if (threatened && chance(random, profile.parryPermille)) {
        choice.parry = true;
        choice.parryAfter = chance(random, profile.lateParryPermille) ? lateParrySteps : 0;
    }
    // 2. Swing at a fighter in reach, at a crate, or misjudge the distance.
    const float distance = std::fabs(s.dx);
    if (canWound(s) && distance < meleeReach && !choice.parry)
        choice.attack = true;
    else if (canWound(s) && distance < wastedReach && chance(random, profile.wastedSwingPermille))
        choice.attack = true;
    if (errand == Errand::OpenCrate && std::fabs(view.crateX - x) < meleeReach)
        choice.attack = true;
    // 3. The fighter's skill and the item, when they fit.
    choice.skill = skillFits(s, threatened) && chance(random, profile.skillPermille);
    choice.item = itemFits(view, me, s) && chance(random, profile.itemPermille);
    return choice;
}
