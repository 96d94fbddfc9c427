#include "AssetWriter.h"
#include "Canvas.h"
#include "Generators.h"
#include "world/WorldPictures.h"

#include <string>

// The jungle world: tileset, parallax backgrounds, menu rooms and their
// doors, title, splash logos, credits, and the official levels.

namespace {

void writeBackgrounds(AssetContext& ctx, const BackgroundSet& layers)
{
    for (int look = 0; look < backgroundLookCount; ++look) {
        const std::string index = std::to_string(look);
        writePng(ctx, "Assets/Sprites/Map/back1_a_" + index + ".png", layers.far[look]);
        writePng(ctx, "Assets/Sprites/Map/back2_a_" + index + ".png", layers.middle[look]);
    }
    sf::Image half = blankImage(1920, 1080);
    half.copy(layers.near, 0, 0, sf::IntRect(0, 0, 1920, 1080));
    writePng(ctx, "Assets/Sprites/Map/back3_a.png", half);
    half.copy(layers.near, 0, 0, sf::IntRect(1920, 0, 1920, 1080));
    writePng(ctx, "Assets/Sprites/Map/back3_b.png", half);
}

void writeRooms(AssetContext& ctx, const BackgroundSet& layers)
{
    for (int index = 0; index < roomPictureCount; ++index)
        writePng(ctx, "Assets/Sprites/Menu/" + std::to_string(index) + ".png", drawRoomPicture(index));
    struct DoorSpec {
        const char* file;
        const char* sign;
        sf::Color accent;
    };
    const DoorSpec doors[] = {
        {"PlayDoor.png", "PLAY", {80, 200, 90}},        {"EditorDoor.png", "EDITOR", {80, 140, 230}},
        {"CreditsDoor.png", "CREDITS", {230, 190, 70}}, {"QuitDoor.png", "QUIT", {220, 60, 60}},
        {"BackDoor.png", "BACK", {150, 150, 150}},      {"ClassicDoor.png", "CLASSIC", {70, 200, 220}},
        {"Door.png", "KILL RACE", {240, 110, 40}},      {"JungleDoor.png", "JUNGLE", {60, 170, 70}},
        {"CustomDoor.png", "CUSTOM", {170, 90, 220}},    {"OnlineDoor.png", "ONLINE", {230, 90, 160}},
    };
    for (const DoorSpec& door : doors)
        writePng(ctx, std::string("Assets/Sprites/Menu/") + door.file, drawDoor(door.sign, door.accent));
    writePng(ctx, "Assets/Sprites/Menu/TitleScreenBackGround.png", drawTitleBackground(layers));
}

void writeLevels(AssetContext& ctx)
{
    installDataFile(ctx, "levels/Officiel/Jungle/Jungle.txt", "Assets/Map/Officiel/Jungle/Jungle.txt");
    for (int section = 0; section < 5; ++section) {
        const std::string name = "Map" + std::to_string(section) + ".txt";
        installDataFile(ctx, "levels/Officiel/Jungle/" + name, "Assets/Map/Officiel/Jungle/" + name);
    }
    installDataFile(ctx, "levels/Officiel/caa/caa.txt", "Assets/Map/Officiel/caa/caa.txt");
    installDataFile(ctx, "levels/Officiel/caa/Map0.txt", "Assets/Map/Officiel/caa/Map0.txt");
    installDataFile(ctx, "levels/Menu/MainMenuMap.txt", "Assets/Map/Menu/MainMenuMap.txt");
    // The editor rewrites the custom list; a build only creates it, empty.
    seedUserFile(ctx, "Assets/Map/Custom/Custom.txt", "0\n");
}

}  // namespace

void generateWorld(AssetContext& ctx)
{
    writePng(ctx, "Assets/Sprites/Map/Tileset.png", drawTileset());
    const BackgroundSet layers = drawBackgrounds();
    writeBackgrounds(ctx, layers);
    writeRooms(ctx, layers);
    writePng(ctx, "Assets/Placeholder/onApaDaset.png", drawTitleLogo());
    writePng(ctx, "Assets/Logo/logo-Tessaril.png", drawTessarilLogo());
    writePng(ctx, "Assets/Logo/logo-Pinewhistle.png", drawPinewhistleLogo());
    writePng(ctx, "Assets/Sprites/Credits/BackgroundCredits.png", drawCreditsPicture(layers));
    writeLevels(ctx);
}
