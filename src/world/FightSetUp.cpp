#include "world/FightSetUp.h"

#include "match/Goal.h"
#include "match/MatchFlow.h"
#include "resources/PictureSize.h"
#include "world/FightWorld.h"

#include <string>

namespace {

const char* const jungleLevelPath = "Assets/Map/Officiel/Jungle/Jungle.txt";
const char* const shotPicture = "Assets/Sprites/Attack Distance/0.png";
constexpr int offLevel = -1;             // the section of a flag no fight has placed
constexpr double settledCurtain = 10.0;  // s: the curtain's settle time is long past

// A picture's shape, centred on what it stands for.
PictureShape centredPicture(const std::string& path)
{
    PictureShape shape;
    shape.size = sf::Vector2f(pictureSize(path));
    shape.origin = shape.size / 2.f;
    return shape;
}

}  // namespace

void loadFightGround(FightGround& ground)
{
    // 1. The level and the characters.
    ground.tileMap.columns = classicColumns;
    loadLevel(ground.tileMap, jungleLevelPath);
    loadCharacterSlots(ground.characters);
    // 2. The sizes of the pictures the rules measure, as the game shows them (centred).
    FightSetting& setting = ground.setting;
    setting.goalBox = placedBox(centredPicture("Assets/Placeholder/a.png"), sf::Vector2f(0.f, 0.f));
    setting.shotSize = sf::Vector2f(pictureSize(shotPicture));
    setting.crate = centredPicture("Assets/Placeholder/boite.png");
    setting.markers[0] = centredPicture("Assets/Placeholder/SummonB.png");
    setting.markers[1] = centredPicture("Assets/Placeholder/SummonR.png");
    for (int i = 0; i < 2; ++i)
        setting.flags[i] = centredPicture("flag" + std::to_string(i + 1) + "_placeholder.png");
    // 3. The setting points into the ground.
    setting.tileMap = &ground.tileMap;
    setting.characters = ground.characters;
}

void startFlags(FightWorld& world)
{
    for (int i = 0; i < 2; ++i) {
        Flag& flag = world.flags[i];
        flag.searchLeft = i == 1;
        // Off the level until a classic fight puts it at its base.
        putAtBase(flag, offLevel, 0.f);
    }
}

void startWorld(FightWorld& world, const FightSetting& setting, Character* slots)
{
    world.setting = &setting;
    for (int i = 0; i < 2; ++i)
        startPlayer(world.players[i], i, slots);
    startFlags(world);
}

void setUpFight(FightWorld& world, FightGround& ground, const FightChoice& choice)
{
    setUpFight(world, ground.setting, ground.characters, choice);
}

void setUpFight(FightWorld& world, const FightSetting& setting, Character* slots, const FightChoice& choice)
{
    // 1. A fresh world on the setting, the generator, the fighters' kinds.
    world = FightWorld{};
    startWorld(world, setting, slots);
    world.stepTime = fixedStep;
    seedRandom(world.random, choice.seed);
    for (int i = 0; i < 2; ++i)
        setFighterKind(world.players[i], choice.kinds[i]);
    // 2. The level and the match, entered from the room that leads to them.
    if (choice.caa) {
        setUpCaaFight(world);
    } else {
        setUpClassicFight(world, choice.level, choice.heldLevel.empty() ? nullptr : &choice.heldLevel);
        placeGoal(world);
    }
    // 3. The fight's own rules, the curtain long settled, buttons from outside.
    world.match.fightScene = true;
    world.curtain = Curtain{};
    world.time.now += settledCurtain;
    for (Player& p : world.players)
        p.keyboardMode = true;
}
