#include "menus/MenuRooms.h"

#include "app/Game.h"
#include "level/TileRenderer.h"
#include "menus/HubMapCheck.h"
#include "resources/Loading.h"
#include "resources/TextFile.h"

#include <algorithm>
#include <iostream>

namespace {

const char* const hubMapPath = "Assets/Map/Menu/MainMenuMap.txt";
const char* const promptPicture = "Assets/Sprites/Menu/PressKey.png";
const unsigned scoreSize = 40;             // character size of the score texts
const float scoreOutline = 2.f;            // px
const sf::Color p1ScoreColour(40, 110, 255);
const sf::Color p2ScoreColour(230, 40, 40);

// The doors of each room, in the order they are tested.
struct DoorPlace {
    DoorKind kind;
    SceneState target;
    const char* picture;
    float x;  // px, world
};
const DoorPlace hubDoors[] = {
    {DoorKind::Play, SceneState::ModeSelect, "Assets/Sprites/Menu/PlayDoor.png", 128.f},
    {DoorKind::Credits, SceneState::Credits, "Assets/Sprites/Menu/CreditsDoor.png", 2496.f},
    {DoorKind::Editor, SceneState::Editor, "Assets/Sprites/Menu/EditorDoor.png", 1648.f},
    {DoorKind::Quit, SceneState::MainHub, "Assets/Sprites/Menu/QuitDoor.png", 3328.f},
};
const DoorPlace modeDoors[] = {
    {DoorKind::Back, SceneState::MainHub, "Assets/Sprites/Menu/BackDoor.png", 576.f},
    {DoorKind::Classic, SceneState::MapSelect, "Assets/Sprites/Menu/ClassicDoor.png", 1536.f},
    {DoorKind::Caa, SceneState::Fight, "Assets/Sprites/Menu/Door.png", 1984.f},
    {DoorKind::Online, SceneState::OnlineMenu, "Assets/Sprites/Menu/OnlineDoor.png", 3072.f},
};
const DoorPlace mapDoors[] = {
    {DoorKind::Jungle, SceneState::Fight, "Assets/Sprites/Menu/JungleDoor.png", 1968.f},
    {DoorKind::Back, SceneState::ModeSelect, "Assets/Sprites/Menu/BackDoor.png", 128.f},
    {DoorKind::Custom, SceneState::CustomMapSelect, "Assets/Sprites/Menu/CustomDoor.png", 2944.f},
};

template <std::size_t count>
void initRoom(MenuRoom& room, Game& game, SceneState own, const DoorPlace (&places)[count])
{
    room.game = &game;
    room.targetState = own;
    for (const DoorPlace& place : places)
        room.doors.push_back(makeDoor(place.kind, place.target, place.picture, place.x));
}

// One quad per non-empty cell of the hub grid, cut from the tileset by code.
void buildHubMapPicture(MainHub& hub)
{
    hub.mapPicture.clear();
    for (std::size_t column = 0; column < hub.grid.size(); ++column)
        for (int row = 0; row < sectionRows; ++row)
            if (hub.grid[column][row] >= 0)
                appendTileQuad(hub.mapPicture, hub.grid[column][row], static_cast<float>(column * tileSize),
                               static_cast<float>(row * tileSize), sf::Color::White);
}

// The prompt hangs from its bottom centre, so it stands centred on top of a door.
void initPrompts(MainHub& hub)
{
    for (sf::Sprite& prompt : hub.prompts) {
        prompt = loadSprite(promptPicture, false, false);
        const sf::FloatRect size = prompt.getLocalBounds();
        prompt.setOrigin(size.width / 2.f, size.height);
    }
}

void initScoreTexts(MainHub& hub, const sf::Font& font)
{
    setupText(hub.separatorText, font, " - ", scoreSize, true, sf::Color::Black);
    hub.separatorText.setOutlineThickness(scoreOutline);
    const sf::Color colours[2] = {p1ScoreColour, p2ScoreColour};
    for (int i = 0; i < 2; ++i) {
        setupText(hub.winText[i], font, "0", scoreSize, true, colours[i]);
        hub.winText[i].setOutlineThickness(scoreOutline);
    }
}

}  // namespace

void initMainHub(MainHub& hub, Game& game)
{
    initRoom(hub, game, SceneState::Title, hubDoors);
    hub.everyDoor = true;
    loadHubMap(hub, hubMapPath);
    rebuildHubCollision(hub);
    buildHubMapPicture(hub);
    initPrompts(hub);
    initScoreTexts(hub, game.font);
}

void initModeSelectRoom(ModeSelectRoom& room, Game& game)
{
    initRoom(room, game, SceneState::ModeSelect, modeDoors);
}

void initMapSelectRoom(MapSelectRoom& room, Game& game)
{
    initRoom(room, game, SceneState::MapSelect, mapDoors);
}

void loadHubMap(MainHub& hub, const std::string& path)
{
    if (!readSectionCodes(path, hubColumns, hub.grid))
        return;
    std::vector<float> doorLefts;
    const auto addLefts = [&doorLefts](const auto& places) {
        for (const DoorPlace& place : places)
            doorLefts.push_back(place.x);
    };
    addLefts(hubDoors);
    addLefts(modeDoors);
    addLefts(mapDoors);
    const std::string problem = hubMapProblem(hub.grid, doorLefts);
    if (problem.empty())
        return;
    std::cerr << shownPath(path) << ": " << problem << "; the built-in hub layout is used\n";
    hub.grid = builtInHubLayout(hubColumns);
}

float hubFloorY(const MainHub& hub, float x)
{
    const float width = static_cast<float>(hub.grid.size() * tileSize);
    if (!(x >= 0.f && x < width))
        return -1.f;
    const TileColumn& column = hub.grid[static_cast<std::size_t>(x / tileSize)];
    for (int row = 0; row + 1 < sectionRows; ++row) {
        if (column[row] == emptyCode && column[row + 1] != emptyCode)
            return static_cast<float>(row * tileSize);
    }
    return -1.f;
}

void dropOntoHubFloor(Game& game, Player& player)
{
    const float floorY = hubFloorY(game.mainHub, player.position.x);
    if (floorY >= 0.f)
        player.position.y = floorY;
}

void placeAtHubStart(Game& game)
{
    game.world.players[0].position = hubStartP1;
    game.world.players[1].position = hubStartP2;
    dropOntoHubFloor(game, game.world.players[0]);
    dropOntoHubFloor(game, game.world.players[1]);
}

void rebuildHubCollision(MainHub& hub)
{
    // The rooms walk on section 0 of the map: the hub's ground, no hazards.
    SectionCollision ground;
    for (int row = 0; row < sectionRows; ++row) {
        for (std::size_t column = 0; column < hub.grid.size(); ++column) {
            if (hub.grid[column][row] != emptyCode)
                ground.solidTiles.emplace_back(static_cast<float>(column * tileSize), static_cast<float>(row * tileSize));
        }
    }
    indexSolidTiles(ground);
    TileMap& map = hub.game->tileMap;
    map.collision.resize(std::max<std::size_t>(map.collision.size(), 1));
    map.collision[0] = std::move(ground);
}

bool roomCurtainFalling(const Game& game)
{
    return game.screenFade.darkening;
}
