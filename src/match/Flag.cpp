#include "match/Flag.h"

#include "app/Game.h"
#include "audio/Audio.h"
#include "match/FloorSearch.h"
#include "match/Sections.h"

#include <cmath>

namespace {

constexpr float pickUpVolume = 100.f;
constexpr float levelBottom = 1280.f;  // px: below this a flag fell out of the level
constexpr int lowestRow = sectionRows - 1;
constexpr int offLevel = -1;  // the section of a flag no fight has placed

bool inClassicFight(const Game& game)
{
    return game.state == SceneState::Fight && !game.world.match.caaMode;
}

bool sectionLive(const Game& game, const Flag& flag)
{
    return flag.section == game.tileMap.sectionIndex;
}

float liveLeft(const Game& game)
{
    return static_cast<float>(game.tileMap.sectionIndex) * game.world.sectionWidth;
}

// Lets a lying flag fall down its column onto the first ground below it. A
// column with no ground down to the last row (a pit), or with spikes under
// the flag, sends it to the nearest floor instead.
void fall(Game& game, Flag& flag)
{
    const TileMap& map = game.tileMap;
    const int column = static_cast<int>(std::floor((flag.position.x - liveLeft(game)) / tileSize));
    int row = static_cast<int>(std::floor(flag.position.y / tileSize));
    if (row < 0)
        row = 0;
    while (row < lowestRow && tileCode(map, map.sectionIndex, column, row + 1) == emptyCode)
        ++row;
    const int below = tileCode(map, map.sectionIndex, column, row + 1);
    if (row >= lowestRow || below == spikeCode) {
        placeFlag(game, flag);
        return;
    }
    flag.position.y = static_cast<float>(row * tileSize);
}

// 2. The ground logic of a flag that is not being captured.
void settle(Game& game, Flag& flag)
{
    if (!flag.placed && sectionLive(game, flag)) {
        flag.position.y = 0.f;
        placeFlag(game, flag);
    }
    if (!sectionLive(game, flag) || flag.carried)
        return;
    // Fallen out of the level (a carrier's pit): back on the nearest floor.
    const float halfHeight = static_cast<float>(flag.sprite.getTextureRect().height) / 2.f;
    if (halfHeight + flag.position.y >= levelBottom)
        placeFlag(game, flag);
    fall(game, flag);
}

}  // namespace

void initFlags(Game& game)
{
    for (int i = 0; i < 2; ++i) {
        Flag& flag = game.world.flags[i];
        flag.sprite = game.flagPictures[i];
        flag.searchLeft = i == 1;
        // Off the level until a classic fight puts it at its base.
        putAtBase(flag, offLevel, 0.f);
    }
}

void putAtBase(Flag& flag, int section, float x)
{
    flag.section = section;
    flag.position = sf::Vector2f(x, 0.f);
    flag.placed = false;
    flag.carried = false;
}

void placeFlag(Game& game, Flag& flag)
{
    // The first placement searches left; later ones toward the flag's own side.
    const int direction = !flag.placed || flag.searchLeft ? -1 : 1;
    flag.position = findFloorCell(game.tileMap, flag.position.x, direction, flag.size.x).position;
    flag.placed = true;
}

void followCarrier(Game& game, int flagIndex)
{
    Flag& flag = game.world.flags[flagIndex];
    if (!flag.carried)
        return;
    const Player& carrier = game.world.players[flagIndex];
    flag.section = game.tileMap.sectionIndex;
    flag.position = sf::Vector2f(carrier.position.x, carrier.position.y - carryHeight);
}

void updateFlag(Game& game, int flagIndex)
{
    Flag& flag = game.world.flags[flagIndex];
    // 1. The picture shows where the flag is.
    flag.sprite.setPosition(flag.position);
    // 2. Ground logic, unless the flag is flying into the goal.
    if (game.state == SceneState::Fight && !game.world.match.flagTaken)
        settle(game, flag);
    // 3. A carried flag rides with its player.
    followCarrier(game, flagIndex);
}

void updateFlags(Game& game)
{
    updateFlag(game, 0);
    updateFlag(game, 1);
}

bool flagTouchesGoal(const Game& game, int flagIndex)
{
    const Flag& flag = game.world.flags[flagIndex];
    return sectionLive(game, flag) && flag.sprite.getGlobalBounds().intersects(game.goal.getGlobalBounds());
}

void tryPickUp(Player& player)
{
    Game& game = *player.game;
    if (!inClassicFight(game))
        return;
    Flag& flag = game.world.flags[player.index];
    if (player.hitPoints < 1 || !player.advancing || !sectionLive(game, flag))
        return;
    if (!flag.sprite.getGlobalBounds().intersects(frameBounds(player)))
        return;
    if (!flag.carried)
        playSound("FLAGOBTAINED", pickUpVolume);
    flag.carried = true;
}

void dropIfDown(Player& player)
{
    if (player.hitPoints < 1 && player.game)
        player.game->world.flags[player.index].carried = false;
}
