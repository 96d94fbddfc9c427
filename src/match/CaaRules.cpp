#include "match/MatchFlow.h"

#include "app/Game.h"
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

void becomeKind(Game& game, Player& p, int kind)
{
    selectSkill(p.skill, p, kind);
    p.character = &game.characterSets[characterSlot(p.index, kind)];
    applyCharacterStats(p);
    setFacingScale(p, static_cast<float>(p.facing), 1.f);
    p.requestedState = AnimState::IDLE;
}

// 2-3. A change falls due at 2 and 4 kills; a fighter that is down takes it
// on its first frame standing again, so its death still plays out.
void changeIfDue(Game& game, int index, int kills)
{
    Player& p = game.world.players[index];
    if (p.hitPoints < 1 || p.dead)
        return;
    if (kills >= caaNapolloKills && !(game.world.match.caaStage & napolloMark[index])) {
        becomeKind(game, p, napolloKind);
        game.world.match.caaStage |= napolloMark[index];
    }
    if (kills >= caaGigachillKills && !(game.world.match.caaStage & gigachillMark[index])) {
        becomeKind(game, p, gigachillKind);
        game.world.match.caaStage |= gigachillMark[index];
    }
}

}  // namespace

void caaRules(Game& game)
{
    countDeath(game.world.players[0], game.world.match.p2Kills);
    countDeath(game.world.players[1], game.world.match.p1Kills);
    changeIfDue(game, 0, game.world.match.p1Kills);
    changeIfDue(game, 1, game.world.match.p2Kills);
}
