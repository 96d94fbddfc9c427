#include "match/Flag.h"

#include "world/FightWorld.h"
#include "match/FloorSearch.h"
#include "match/Sections.h"

#include <cmath>

namespace {

constexpr float pickUpVolume = 100.f;
constexpr float levelBottom = 1280.f;  // px: below this a flag fell out of the level
constexpr int lowestRow = sectionRows - 1;

bool inClassicFight(const FightWorld& world)
{
    return world.match.fightScene && !world.match.caaMode;
}

bool sectionLive(const FightWorld& world, const Flag& flag)
{
    return flag.section == world.sectionIndex;
}

float flagPictureHeight(const FightWorld& world, const Flag& flag)
{
    return world.setting ? world.setting->flags[&flag == &world.flags[1] ? 1 : 0].size.y : 0.f;
}

float liveLeft(const FightWorld& world)
{
    return static_cast<float>(world.sectionIndex) * world.sectionWidth;
}

// Lets a lying flag fall down its column onto the first ground below it. A
// column with no ground down to the last row (a pit), or with spikes under
// the flag, sends it to the nearest floor instead.
void fall(FightWorld& world, Flag& flag)
{
    const TileMap& map = tiles(world);
    const int column = static_cast<int>(std::floor((flag.position.x - liveLeft(world)) / tileSize));
    int row = static_cast<int>(std::floor(flag.position.y / tileSize));
    if (row < 0)
        row = 0;
    while (row < lowestRow && tileCode(map, world.sectionIndex, column, row + 1) == emptyCode)
        ++row;
    const int below = tileCode(map, world.sectionIndex, column, row + 1);
    if (row >= lowestRow || below == spikeCode) {
        placeFlag(world, flag);
        return;
    }
    flag.position.y = static_cast<float>(row * tileSize);
}

// 2. The ground logic of a flag that is not being captured.
void settle(FightWorld& world, Flag& flag)
{
    if (!flag.placed && sectionLive(world, flag)) {
        flag.position.y = 0.f;
        placeFlag(world, flag);
    }
    if (!sectionLive(world, flag) || flag.carried)
        return;
    // Fallen out of the level (a carrier's pit): back on the nearest floor.
    const float halfHeight = flagPictureHeight(world, flag) / 2.f;
    if (halfHeight + flag.position.y >= levelBottom)
        placeFlag(world, flag);
    fall(world, flag);
}

}  // namespace


void putAtBase(Flag& flag, int section, float x)
{
    flag.section = section;
    flag.position = sf::Vector2f(x, 0.f);
    flag.placed = false;
    flag.carried = false;
}

void placeFlag(FightWorld& world, Flag& flag)
{
    // The first placement searches left; later ones toward the flag's own side.
    const int direction = !flag.placed || flag.searchLeft ? -1 : 1;
    flag.position = findFloorCell(tiles(world), world.sectionIndex, flag.position.x, direction, flag.size.x).position;
    flag.placed = true;
}

void followCarrier(FightWorld& world, int flagIndex)
{
    Flag& flag = world.flags[flagIndex];
    if (!flag.carried)
        return;
    const Player& carrier = world.players[flagIndex];
    flag.section = world.sectionIndex;
    flag.position = sf::Vector2f(carrier.position.x, carrier.position.y - carryHeight);
}

void updateFlag(FightWorld& world, int flagIndex)
{
    Flag& flag = world.flags[flagIndex];
    // 1. The picture shows where the flag is.
    flag.shownAt = flag.position;
    // 2. Ground logic, unless the flag is flying into the goal.
    if (world.match.fightScene && !world.match.flagTaken)
        settle(world, flag);
    // 3. A carried flag rides with its player.
    followCarrier(world, flagIndex);
}

void updateFlags(FightWorld& world)
{
    updateFlag(world, 0);
    updateFlag(world, 1);
}

sf::FloatRect flagBox(const FightWorld& world, int flagIndex)
{
    const PictureShape shape = world.setting ? world.setting->flags[flagIndex] : PictureShape{};
    return placedBox(shape, world.flags[flagIndex].shownAt);
}

bool flagTouchesGoal(const FightWorld& world, int flagIndex)
{
    const Flag& flag = world.flags[flagIndex];
    return sectionLive(world, flag) && flagBox(world, flagIndex).intersects(goalBounds(world));
}

void tryPickUp(Player& player)
{
    FightWorld& world = *player.world;
    if (!inClassicFight(world))
        return;
    Flag& flag = world.flags[player.index];
    if (player.hitPoints < 1 || !player.advancing || !sectionLive(world, flag))
        return;
    if (!flagBox(world, player.index).intersects(frameBounds(player)))
        return;
    if (!flag.carried)
        cueSound(player, "FLAGOBTAINED", pickUpVolume);
    flag.carried = true;
}

void dropIfDown(Player& player)
{
    if (player.hitPoints < 1 && player.world)
        player.world->flags[player.index].carried = false;
}
