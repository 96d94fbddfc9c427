#include "app/FightAssets.h"

#include "app/Game.h"
#include "fighters/Bindings.h"
#include "fighters/BindsFile.h"
#include "resources/Loading.h"
#include "resources/TextFile.h"
#include "resources/TextureCache.h"
#include "world/FightSetUp.h"
#include "settings/PlayerFile.h"

#include <iostream>

namespace {

const char* const jungleLevelPath = "Assets/Map/Officiel/Jungle/Jungle.txt";
const char* const tilesetPath = "Assets/Sprites/Map/Tileset.png";
const char* const shotPicture = "Assets/Sprites/Attack Distance/0.png";

// What the rules measure of a picture the game shows.
PictureShape shapeOf(const sf::Sprite& picture)
{
    const sf::FloatRect local = picture.getLocalBounds();
    return {sf::Vector2f(local.width, local.height), picture.getOrigin()};
}

// The same picture measured around its centre (the swap markers are).
PictureShape centredShapeOf(const sf::Sprite& picture)
{
    PictureShape shape = shapeOf(picture);
    shape.origin = shape.size / 2.f;
    return shape;
}

}  // namespace

void initTileMap(Game& game)
{
    game.tilesetSprite = loadSprite(tilesetPath, false, false);
    TileMap& map = game.tileMap;
    map.columns = classicColumns;
    game.world.sectionWidth = static_cast<float>(classicColumns * tileSize);
    loadLevel(map, jungleLevelPath);
}

void initFighters(Game& game)
{
    // The frames' pictures are decoded once: for the rules' masks and for drawing.
    loadCharacterSlots(game.characterSets, keepDecodedFrame);
    loadFighterFrames(game.fighterFrames, game.characterSets);
    for (int i = 0; i < 2; ++i)
        startPlayer(game.world.players[i], i, game.characterSets);
    loadBindings(game);
}

void initFlags(Game& game)
{
    startFlags(game.world);
}

void initShotPictures(Game& game)
{
    for (sf::Texture& texture : game.projectiles.textures)
        loadTextureFile(texture, shotPicture);
}

void linkFightSetting(Game& game)
{
    FightSetting& setting = game.fightSetting;
    setting.tileMap = &game.tileMap;
    setting.characters = game.characterSets;
    setting.goalBox = placedBox(shapeOf(game.goal), sf::Vector2f(0.f, 0.f));
    setting.screen = game.resolution;
    setting.shotSize = sf::Vector2f(game.projectiles.textures[0].getSize());
    setting.crate = shapeOf(game.crateSprite);
    setting.markers[0] = centredShapeOf(game.summonB);
    setting.markers[1] = centredShapeOf(game.summonR);
    for (int i = 0; i < 2; ++i)
        setting.flags[i] = shapeOf(game.flagPictures[i]);
    game.world.setting = &setting;
}

void loadBindings(Game& game)
{
    BindsRecord record;
    const bool read = readBindsFile(game.keyNames, record);
    reportProblems(shownPath(bindsReadPath), record.problems);
    game.playerFiles.binds.damaged = read && !record.problems.empty();
    game.playerFiles.binds.read = true;
    for (int i = 0; i < 2; ++i)
        game.world.players[i].input.bindings = record.players[i];
}

void saveBindings(Game& game)
{
    // A game ended while it was still loading never had the player's keys:
    // writing its empty ones would wipe the file.
    if (!game.playerFiles.binds.read)
        return;
    const std::string text = bindingsText(game.world.players[0].input.bindings, game.world.players[1].input.bindings);
    if (savePlayerFile(bindsWritePath, text, game.playerFiles.binds) == SaveOutcome::Failed)
        std::cout << "file error\n";
}

void noteKeyPressed(Game& game, int key)
{
    for (Player& player : game.world.players)
        if (keyBelongsToPlayer(player, key))
            player.keyboardMode = true;
}

void noteJoystickEvent(Game& game, unsigned joystick)
{
    if (game.state == SceneState::Fight && joystick < 2)
        game.world.players[joystick].keyboardMode = false;
}
