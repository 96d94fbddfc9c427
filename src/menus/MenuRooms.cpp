#include "menus/MenuRooms.h"

#include "app/Game.h"

namespace {

const char* const hubMapPath = "Assets/Map/Menu/MainMenuMap.txt";

}  // namespace

void initMainHub(MainHub& hub, Game& game)
{
    hub.game = &game;
    loadHubMap(hub, hubMapPath);
    rebuildHubCollision(hub);
}

void loadHubMap(MainHub& hub, const std::string& path)
{
    readSectionCodes(path, hubColumns, hub.grid);
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
    game.players[0].position = hubStartP1;
    game.players[1].position = hubStartP2;
    dropOntoHubFloor(game, game.players[0]);
    dropOntoHubFloor(game, game.players[1]);
}

void rebuildHubCollision(MainHub& hub)
{
    TileMap& map = hub.game->tileMap;
    map.solidTiles.clear();
    for (int row = 0; row < sectionRows; ++row) {
        for (std::size_t column = 0; column < hub.grid.size(); ++column) {
            if (hub.grid[column][row] != emptyCode)
                map.solidTiles.emplace_back(static_cast<float>(column * tileSize), static_cast<float>(row * tileSize));
        }
    }
    indexSolidTiles(map);
}

// Placeholders until the menu rooms are written.
void updatePrompts(MainHub&) {}
void updatePrompts(ModeSelectRoom&) {}
void updatePrompts(MapSelectRoom&) {}
void enterDoor(MainHub&) {}
void enterDoor(ModeSelectRoom&) {}
void enterDoor(MapSelectRoom&) {}
void hubKeys(MainHub&) {}
void hubButtons(MainHub&, const sf::Event&) {}
void roomButtons(ModeSelectRoom&, const sf::Event&) {}
void roomButtons(MapSelectRoom&, const sf::Event&) {}
void cycleFighterByKey(Game&, sf::Keyboard::Key, Player&) {}
void cycleFighterByPad(Game&) {}
bool atCaaDoor(const Game&) { return false; }
