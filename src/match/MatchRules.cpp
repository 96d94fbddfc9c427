#include "match/MatchFlow.h"

#include "app/Game.h"
#include "audio/Audio.h"
#include "match/Goal.h"

#include <string>

namespace {

constexpr float announcerVolume = 100.f;

// Time-out: the player whose flag lies strictly nearer the middle wins.
void timeOutWin(Game& game)
{
    if (game.world.match.matchTimer > 0.f || game.world.match.suddenDeath || timeOutDeferred(game))
        return;
    for (int i = 0; i < 2; ++i)
        if (flagDistance(game, 1 - i) > flagDistance(game, i))
            declareWinner(game, i);
}

// Sudden death: the first player down loses once its death has played out,
// or at once should it be back on its feet before that (a long death clip).
void suddenDeathWin(Game& game)
{
    if (!game.world.match.suddenDeath)
        return;
    for (int i = 0; i < 2; ++i) {
        const Player& p = game.world.players[i];
        if (p.hitPoints < 1)
            game.world.match.suddenDeathFalls[i] = true;
        if (game.world.match.suddenDeathFalls[i] && (p.hitPoints >= 1 || clipOver(p)))
            declareWinner(game, 1 - i);
    }
}

// The kill race ends at the sixth kill, once the victim's death has played.
void caaWin(Game& game)
{
    if (game.world.match.p1Kills >= caaWinningKills && clipOver(game.world.players[1])) {
        stopFightMusic();
        declareWinner(game, 0);
    }
    if (game.world.match.p2Kills >= caaWinningKills && clipOver(game.world.players[0])) {
        stopFightMusic();
        declareWinner(game, 1);
    }
}

}  // namespace

void stopFightMusic()
{
    if (isMusicPlaying("JUNGLE"))
        stopMusic("JUNGLE");
}

bool clipOver(const Player& p)
{
    if (!p.character || !p.game)
        return true;
    const Animation& clip = p.character->animations[static_cast<std::size_t>(p.currentState)];
    return clip.duration <= 0.f || p.animClock.elapsed(p.game->world.time) >= clip.duration;
}

void matchRules(Game& game)
{
    // Every test of this frame sees the fight as it stood: two players whose
    // deaths play out in the same frame both win.
    if (game.state != SceneState::Fight)
        return;
    if (game.world.match.caaMode) {
        caaWin(game);
        return;
    }
    captureStep(game);
    timeOutWin(game);
    suddenDeathWin(game);
}

void declareWinner(Game& game, int winner)
{
    playSound(winner == 0 ? "P1WINS" : "P2WINS", announcerVolume);
    if (!game.world.match.caaMode) {
        MainHub& hub = game.mainHub;
        hub.winCount[winner] += 1;
        hub.winText[winner].setString(std::to_string(hub.winCount[winner]));
    }
    game.world.players[winner].isWinner = true;
    game.state = SceneState::Victory;
}
