#include "opponent/Waiting.h"

#include "opponent/Ledges.h"

#include <cmath>

namespace {

constexpr float endRoom = 160.f;     // px kept from the end of its ground when it waits there (more than it looks ahead)
constexpr float waitReach = 520.f;   // px: the other fighter leaping this near is waited for
constexpr float foeReach = 160.f;    // px: the other fighter this near on its ground is fought, not jumped
constexpr float sameGround = 32.f;   // px of feet height that count as the same ground
constexpr float stepTime = 1.f / 300.f;  // s, the fight's step

const FighterView& foeOf(const Opponent& o, const OpponentView& seen)
{
    return seen.fighters[static_cast<std::size_t>(1 - o.player)];
}

}  // namespace

int stopAtTheEnd(int direction, const OpponentView& seen, const SelfMotion& self, const FighterView& foe)
{
    if (direction == 0 || !self.onGround)
        return direction;
    const Ledge here = ledgeBelow(seen, self.x, self.feet, self.width / 2.f);
    const Ledge there = ledgeBelow(seen, foe.x, foe.y + foe.height / 2.f, foe.onGround ? foe.width / 2.f : 0.f);
    if (!here.found || sameLedge(here, there))
        return direction;
    const float end = direction > 0 ? here.right - self.width / 2.f - endRoom : here.left + self.width / 2.f + endRoom;
    return there.found || (end - self.x) * static_cast<float>(direction) > 0.f ? direction : 0;
}

bool foeLeapsAtIt(const Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    const FighterView& foe = foeOf(o, seen);
    const bool atFoe = goesForFoe(o.errand);
    return atFoe && foe.alive && !foe.onGround && (foe.x - self.x) * static_cast<float>(o.moveDirection) > 0.f &&
           std::fabs(foe.x - self.x) < waitReach;
}

bool foeInTheWay(const Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    const FighterView& foe = foeOf(o, seen);
    const bool atFoe = goesForFoe(o.errand);
    const float foeFeet = foe.y + foe.height / 2.f;
    return atFoe && foe.alive && std::fabs(foe.x - self.x) < foeReach && std::fabs(foeFeet - self.feet) < sameGround;
}

bool foeComesOver(const Opponent& o, const OpponentView& seen, const SelfMotion& self)
{
    const FighterView& foe = foeOf(o, seen);
    const int direction = o.moveDirection;
    const float foeFeet = foe.y + foe.height / 2.f;
    const bool coming = foe.vx * static_cast<float>(direction) < 0.f;
    if (!goesForFoe(o.errand) || !foe.alive || !foe.onGround || direction == 0 || !coming)
        return false;
    const Ledge here = ledgeBelow(seen, self.x, self.feet, self.width / 2.f);
    const Ledge there = ledgeBelow(seen, foe.x, foeFeet, foe.width / 2.f);
    const bool across = (there.left - here.left) * static_cast<float>(direction) > 0.f;
    if (!here.found || !there.found || sameLedge(here, there) || !across || std::fabs(there.feet - here.feet) > sameGround)
        return false;
    // Where the other fighter is by now, had it walked on since it was seen.
    const float foeNow = foe.x + foe.vx * static_cast<float>(o.profile.delaySteps) * stepTime;
    const float mine = direction > 0 ? here.right - self.x : self.x - here.left;
    const float theirs = direction > 0 ? foeNow - there.left : there.right - foeNow;
    return theirs < mine;
}
