#include "match/Sections.h"

#include "app/Game.h"
#include "fighters/Death.h"
#include "match/FighterReset.h"

namespace {

// A fighter thrown back into view at a screen edge.
constexpr float edgeThrowX = 1500.f;   // px/s
constexpr float edgeThrowY = -1000.f;  // px/s
constexpr float halfViewWidth = 960.f;  // px

void throwBack(Game& game, Player& p, float direction)
{
    if (game.world.match.caaMode)
        return;
    p.velocity = sf::Vector2f(direction * edgeThrowX, edgeThrowY);
    p.knockbackLock = true;
}

// 1. The player without the right of way stays in view, unless a flag is
// being carried toward that edge.
void screenEdges(Game& game, Player& p, float halfWidth)
{
    const Player& p1 = game.world.players[0];
    const Player& p2 = game.world.players[1];
    const bool flag0Carried = game.world.flags[0].carried;
    const bool flag1Carried = game.world.flags[1].carried;
    const float viewLeft = game.world.camera.view.getCenter().x - halfViewWidth;
    const float viewRight = game.world.camera.view.getCenter().x + halfViewWidth;
    if (viewLeft >= p.position.x - halfWidth && (!p2.advancing || flag1Carried) && !flag0Carried) {
        throwBack(game, p, 1.f);
        p.position.x = viewLeft + halfWidth;
    }
    if (p.position.x + halfWidth >= viewRight && (!p1.advancing || flag0Carried) && !flag1Carried) {
        throwBack(game, p, -1.f);
        p.position.x = viewRight - halfWidth;
    }
}

// 2. The left edge of the live section.
void leftEdge(Game& game, Player& p, float left, float halfWidth)
{
    const int index = game.tileMap.sectionIndex;
    const bool inMiddle = index == middleSection(game);
    if (p.index == 1 && p.advancing && (!game.world.flags[1].carried || inMiddle) && index > game.world.flags[1].section) {
        changeSection(game, p, index - 1);
        return;
    }
    if (p.index == 0 && p.advancing && game.world.flags[0].carried && !inMiddle) {
        changeSection(game, p, index - 1);
        return;
    }
    p.position.x = left + halfWidth;
}

// 3. The right edge, mirrored.
void rightEdge(Game& game, Player& p, float right, float halfWidth)
{
    const int index = game.tileMap.sectionIndex;
    const bool inMiddle = index == middleSection(game);
    if (p.index == 1 && p.advancing) {
        if (game.world.flags[1].carried && !inMiddle)
            changeSection(game, p, index + 1);
        else
            p.position.x = right - halfWidth;
        return;
    }
    if (p.index == 0 && p.advancing && (!game.world.flags[0].carried || inMiddle) && index < game.world.flags[0].section) {
        changeSection(game, p, index + 1);
        return;
    }
    p.position.x = right - halfWidth;
}

}  // namespace

int middleSection(const Game& game)
{
    return game.tileMap.lastSection / 2;
}

void makeLive(Game& game, int section)
{
    game.tileMap.sectionIndex = section;
    game.tileMap.solidTiles.clear();
    buildCollision(game.tileMap);
}

void updateChaseSituation(Game& game)
{
    if (game.world.players[0].advancing)
        game.world.match.chaseSituation = game.world.flags[0].carried ? P1CarryingFlag : P1Attacking;
    else if (game.world.players[1].advancing)
        game.world.match.chaseSituation = game.world.flags[1].carried ? P2CarryingFlag : P2Attacking;
    else
        game.world.match.chaseSituation = NoAttacker;
}

void rightOfWay(Game& game)
{
    Player& p1 = game.world.players[0];
    Player& p2 = game.world.players[1];
    // 1-2. A fallen player hands the right of way to the standing one.
    if (p1.hitPoints < 1) {
        if (p2.hitPoints > 0 && !game.world.match.bothDown)
            p2.advancing = true;
        p1.advancing = false;
    } else if (p2.hitPoints < 1) {
        if (p1.hitPoints > 0 && !game.world.match.bothDown)
            p1.advancing = true;
        p2.advancing = false;
    }
    // 3. While both stand, whoever has it keeps it.
}

void sectionEdges(Player& p)
{
    Game& game = *p.game;
    const float halfWidth = p.size.x / 2.f;
    if (!p.advancing && !game.world.camera.inTransition && p.hitPoints >= 1)
        screenEdges(game, p, halfWidth);
    const float left = static_cast<float>(game.tileMap.sectionIndex) * game.world.sectionWidth;
    const float right = left + game.world.sectionWidth;
    if (p.position.x - halfWidth <= left)
        leftEdge(game, p, left, halfWidth);
    else if (p.position.x + halfWidth >= right)
        rightEdge(game, p, right, halfWidth);
}

void changeSection(Game& game, Player& crosser, int newIndex)
{
    // 1-2. No crate for a while; the new section becomes live.
    game.world.match.crateTimer = 0.f;
    makeLive(game, newIndex);
    // 3. The camera pans across.
    game.world.camera.targetFixed = false;
    game.world.camera.inTransition = true;
    // 4. The defender is brought along, protected for a moment, standing.
    Player& other = opponent(crosser);
    placeForRespawn(other, game);
    other.deathTimer = respawnDelay;
    if (other.hitPoints < 1)
        reviveFighter(other);
    // 5. Both start the section at rest.
    for (Player& p : game.world.players) {
        p.alive = true;
        p.velocity = sf::Vector2f(0.f, 0.f);
        setBothStates(p, AnimState::IDLE);
    }
}
