#include "match/MatchFlow.h"

#include "world/FightWorld.h"
#include "match/FighterReset.h"

namespace {

// caaStage marks: P1 and P2 became Napollo, then P1 and P2 became Gigachill.
constexpr int napolloMark[2] = {1 << 0, 1 << 1};
constexpr int gigachillMark[2] = {1 << 2, 1 << 3};

// 1. A fighter's death counts once for the other.
void countDeath(Player& victim, int& killerKills)
{
    if (victim.dead && !victim.killCounted) {
        killerKills += 1;
        victim.killCounted = true;
    }
}

void becomeKind(FightWorld& world, Player& p, int kind)
{
    selectSkill(p.skill, p, kind);
    p.character = &world.setting->characters[characterSlot(p.index, kind)];
    applyCharacterStats(p);
    setFacingScale(p, static_cast<float>(p.facing), 1.f);
    p.requestedState = AnimState::IDLE;
}

// 2-3. A change falls due at 2 and 4 kills; a fighter that is down takes it
// on its first frame standing again, so its death still plays out.
void changeIfDue(FightWorld& world, int index, int kills)
{
    Player& p = world.players[index];
    if (p.hitPoints < 1 || p.dead)
        return;
    if (kills >= caaNapolloKills && !(world.match.caaStage & napolloMark[index])) {
        becomeKind(world, p, napolloKind);
        world.match.caaStage |= napolloMark[index];
    }
    if (kills >= caaGigachillKills && !(world.match.caaStage & gigachillMark[index])) {
        becomeKind(world, p, gigachillKind);
        world.match.caaStage |= gigachillMark[index];
    }
}

}  // namespace

void caaRules(FightWorld& world)
{
    countDeath(world.players[0], world.match.p2Kills);
    countDeath(world.players[1], world.match.p1Kills);
    changeIfDue(world, 0, world.match.p1Kills);
    changeIfDue(world, 1, world.match.p2Kills);
}
