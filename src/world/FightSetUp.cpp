#include "world/FightSetUp.h"

#include "match/Goal.h"
#include "match/MatchFlow.h"
#include "resources/Loading.h"
#include "world/FightWorld.h"

namespace {

const char* const jungleLevelPath = "Assets/Map/Officiel/Jungle/Jungle.txt";
const char* const shotPicture = "Assets/Sprites/Attack Distance/0.png";
constexpr int offLevel = -1;             // the section of a flag no fight has placed
constexpr double settledCurtain = 10.0;  // s: the curtain's settle time is long past

}  // namespace

sf::FloatRect boxAround(const sf::Sprite& picture)
{
    const sf::FloatRect local = picture.getLocalBounds();
    return {local.left - picture.getOrigin().x, local.top - picture.getOrigin().y, local.width, local.height};
}

void loadFightGround(FightGround& ground)
{
    // 1. The level and the characters.
    ground.tileMap.columns = classicColumns;
    loadLevel(ground.tileMap, jungleLevelPath);
    loadCharacterSlots(ground.characters);
    // 2. The pictures whose sizes the rules use, loaded as the game loads them.
    ground.goal = loadSprite("Assets/Placeholder/a.png", true, false);
    ground.crate = loadSprite("Assets/Placeholder/boite.png", true, false);
    for (int i = 0; i < 5; ++i)
        ground.itemIcons[i] = loadSprite(numberedPath("Assets/Placeholder/item", i, ".png"), true, false);
    ground.markers[0] = loadSprite("Assets/Placeholder/SummonB.png", true, false);
    ground.markers[1] = loadSprite("Assets/Placeholder/SummonR.png", true, false);
    for (int i = 0; i < 2; ++i)
        ground.flags[i] = loadSprite(numberedPath("flag", i + 1, "_placeholder.png"), true, false);
    loadTextureFile(ground.shot, shotPicture);
    // 3. The setting points into the ground.
    FightSetting& setting = ground.setting;
    setting.tileMap = &ground.tileMap;
    setting.characters = ground.characters;
    setting.masks = &ground.masks;
    setting.goalBox = boxAround(ground.goal);
    setting.shotSize = sf::Vector2f(ground.shot.getSize());
    setting.crate = &ground.crate;
    setting.itemIcons = ground.itemIcons;
    setting.markers[0] = &ground.markers[0];
    setting.markers[1] = &ground.markers[1];
}

void startFlags(FightWorld& world, const sf::Sprite flagPictures[2])
{
    for (int i = 0; i < 2; ++i) {
        Flag& flag = world.flags[i];
        flag.sprite = flagPictures[i];
        flag.searchLeft = i == 1;
        // Off the level until a classic fight puts it at its base.
        putAtBase(flag, offLevel, 0.f);
    }
}

void startWorld(FightWorld& world, const FightSetting& setting, Character* slots, const sf::Sprite flagPictures[2])
{
    world.setting = &setting;
    for (int i = 0; i < 2; ++i)
        startPlayer(world.players[i], i, slots);
    startFlags(world, flagPictures);
}

void setUpFight(FightWorld& world, FightGround& ground, const FightChoice& choice)
{
    setUpFight(world, ground.setting, ground.characters, ground.flags, choice);
}

void setUpFight(FightWorld& world, const FightSetting& setting, Character* slots, const sf::Sprite flagPictures[2],
                const FightChoice& choice)
{
    // 1. A fresh world on the setting, the generator, the fighters' kinds.
    world = FightWorld{};
    startWorld(world, setting, slots, flagPictures);
    world.stepTime = fixedStep;
    seedRandom(world.random, choice.seed);
    for (int i = 0; i < 2; ++i)
        setFighterKind(world.players[i], choice.kinds[i]);
    // 2. The level and the match, entered from the room that leads to them.
    if (choice.caa) {
        setUpCaaFight(world);
    } else {
        setUpClassicFight(world, choice.level);
        placeGoal(world);
    }
    // 3. The fight's own rules, the curtain long settled, buttons from outside.
    world.match.fightScene = true;
    world.curtain = Curtain{};
    world.time.now += settledCurtain;
    for (Player& p : world.players)
        p.keyboardMode = true;
}
