#include "resources/Loading.h"
#include "resources/Paths.h"

#include "support/Headless.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every interface picture and the number of frames laid side by side in it.
struct Picture {
    std::string path;
    int frames;
};

const std::vector<Picture> pictures = {
    {"Assets/Sprites/HUD/DirectionArrow.png", 1},      {"Assets/Sprites/HUD/Flag1.png", 1},
    {"Assets/Sprites/HUD/Flag2.png", 1},               {"Assets/Sprites/HUD/HUDCAA.png", 1},
    {"Assets/Sprites/HUD/P1outofmap.png", 1},          {"Assets/Sprites/HUD/P2outofmap.png", 1},
    {"Assets/Sprites/HUD/VictoryScreenPlayer1.png", 1}, {"Assets/Sprites/HUD/VictoryScreenPlayer2.png", 1},
    {"assets/sprites/hud/caaopacity.png", 1},          {"assets/sprites/hud/fillbar.png", 1},
    {"assets/sprites/hud/fillbaropacity.png", 1},      {"assets/sprites/hud/itemdurationframe.png", 1},
    {"assets/sprites/hud/itemdurationopacity.png", 1}, {"assets/sprites/hud/mapframe.png", 1},
    {"assets/sprites/hud/napollohud.png", 1},          {"assets/sprites/hud/napollohudEmpty.png", 1},
    {"assets/sprites/hud/p1itemframe.png", 1},         {"assets/sprites/hud/p2itemframe.png", 1},
    {"assets/sprites/hud/playersarrowmap.png", 1},     {"Assets/Placeholder/item0.png", 1},
    {"Assets/Placeholder/item1.png", 1},               {"Assets/Placeholder/item2.png", 1},
    {"Assets/Placeholder/item3.png", 1},               {"Assets/Placeholder/item4.png", 1},
    {"Assets/Placeholder/boite.png", 1},               {"Assets/Placeholder/a.png", 1},
    {"Assets/Placeholder/stop.png", 1},                {"Assets/Placeholder/CustomMap.png", 1},
    {"flag1_placeholder.png", 1},                      {"flag2_placeholder.png", 1},
    {"Assets/Sprites/Menu/PressKey.png", 1},           {"assets/sprites/menu/napollodesc.png", 1},
    {"assets/sprites/menu/atoolaDesc.png", 1},         {"assets/sprites/menu/gigachillDesc.png", 1},
    {"assets/sprites/menu/swapperDesc.png", 1},        {"assets/sprites/menu/p1charbind.png", 1},
    {"assets/sprites/menu/p2charbind.png", 1},         {"Assets/Sprites/MapEditor/AddMaps.png", 1},
    {"Assets/Sprites/MapEditor/BackButton.png", 1},    {"Assets/Sprites/MapEditor/Cross.png", 1},
    {"Assets/Sprites/MapEditor/DeleteButton.png", 1},  {"Assets/Sprites/MapEditor/DeleteFileButton.png", 1},
    {"Assets/Sprites/MapEditor/EmptyTile.png", 1},     {"Assets/Sprites/MapEditor/FileBackground.png", 1},
    {"Assets/Sprites/MapEditor/FileButton.png", 1},    {"Assets/Sprites/MapEditor/OpenButton.png", 1},
    {"Assets/Sprites/MapEditor/OpenFileButton.png", 1}, {"Assets/Sprites/MapEditor/RemoveMaps.png", 1},
    {"Assets/Sprites/MapEditor/SaveButton.png", 1},    {"Assets/Sprites/MapEditor/SaveFileButton.png", 1},
    {"Assets/Sprites/Pause/OptionsButton.png", 3},     {"Assets/Sprites/Pause/ResumeButton.png", 3},
    {"Assets/Sprites/Pause/mainmenubutton.png", 3},    {"Assets/Sprites/Pause/titleScreenButton.png", 3},
    {"Assets/Sprites/Options/fullScreenButton.png", 3}, {"Assets/Sprites/Options/windowedButton.png", 3},
    {"Assets/Sprites/Options/keybindsbutton.png", 3},  {"Assets/Sprites/Options/slider.png", 1},
    {"Assets/Sprites/Options/sliderButton.png", 1},    {"assets/sprites/options/bindbutton.png", 2},
    {"assets/sprites/options/keyboardtabbutton.png", 2}, {"assets/sprites/options/controllertabbutton.png", 2},
};

sf::Image readPicture(const std::string& path)
{
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(resolvePath(path))) << path;
    return image;
}

sf::Vector2i sizeOf(const std::string& path)
{
    const sf::Vector2u size = readPicture(path).getSize();
    return {static_cast<int>(size.x), static_cast<int>(size.y)};
}

int visiblePixels(const sf::Image& image, int left, int top, int width, int height)
{
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a > 0)
                ++count;
    return count;
}

bool sameFrames(const sf::Image& strip, int a, int b, int frameWidth)
{
    for (unsigned y = 0; y < strip.getSize().y; ++y)
        for (int x = 0; x < frameWidth; ++x)
            if (strip.getPixel(static_cast<unsigned>(a * frameWidth + x), y) !=
                strip.getPixel(static_cast<unsigned>(b * frameWidth + x), y))
                return false;
    return true;
}

std::string fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

TEST(UiPictures, EveryPictureLoadsAndShowsSomething)
{
    enterFreshRunFolder();
    std::vector<sf::Texture> textures(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Picture& picture = pictures[i];
        ASSERT_TRUE(loadTextureFile(textures[i], picture.path)) << picture.path;
        const sf::Image image = readPicture(picture.path);
        const int width = static_cast<int>(image.getSize().x), height = static_cast<int>(image.getSize().y);
        ASSERT_GT(width, 0) << picture.path;
        EXPECT_EQ(width % picture.frames, 0) << picture.path;
        // Each frame draws something, and no two frames of a button look alike.
        const int frameWidth = width / picture.frames;
        for (int frame = 0; frame < picture.frames; ++frame) {
            EXPECT_GT(visiblePixels(image, frame * frameWidth, 0, frameWidth, height), frameWidth * height / 10)
                << picture.path << " frame " << frame;
            for (int other = 0; other < frame; ++other)
                EXPECT_FALSE(sameFrames(image, frame, other, frameWidth)) << picture.path << " frames alike";
        }
    }
}

TEST(UiPictures, KeyBindingFramesHaveTheirFixedSizes)
{
    enterFreshRunFolder();
    EXPECT_EQ(sizeOf("assets/sprites/options/bindbutton.png"), sf::Vector2i(2 * 128, 64));
    EXPECT_EQ(sizeOf("assets/sprites/options/keyboardtabbutton.png"), sf::Vector2i(2 * 300, 50));
    EXPECT_EQ(sizeOf("assets/sprites/options/controllertabbutton.png"), sf::Vector2i(2 * 300, 50));
}

TEST(UiPictures, MenuButtonsFitTheirScreens)
{
    enterFreshRunFolder();
    // Pause buttons stand 108 px apart (432, 540, 720) and must not overlap.
    for (const char* name : {"ResumeButton", "OptionsButton", "mainmenubutton", "titleScreenButton"})
        EXPECT_LT(sizeOf(std::string("Assets/Sprites/Pause/") + name + ".png").y, 108) << name;
    // The exit button swaps its picture with the fight: both the same size.
    EXPECT_EQ(sizeOf("Assets/Sprites/Pause/mainmenubutton.png"), sizeOf("Assets/Sprites/Pause/titleScreenButton.png"));
    EXPECT_EQ(sizeOf("Assets/Sprites/Options/windowedButton.png"),
              sizeOf("Assets/Sprites/Options/fullScreenButton.png"));
    // The slider knob travels 25 px inside each end of the track.
    const sf::Vector2i track = sizeOf("Assets/Sprites/Options/slider.png");
    EXPECT_GT(track.x, 50 + 200);
    EXPECT_GE(sizeOf("Assets/Sprites/Options/sliderButton.png").y, track.y);
}

TEST(UiPictures, EditorPanelLayoutHoldsTogether)
{
    enterFreshRunFolder();
    const std::string folder = "Assets/Sprites/MapEditor/";
    // The File button's rectangle is where the Back button is clicked.
    EXPECT_EQ(sizeOf(folder + "FileButton.png"), sizeOf(folder + "BackButton.png"));
    // The three file buttons (540 -/+ 1.5 heights) and the section buttons
    // (1080 - height and 1080 - 2.5 heights), all centred, keep apart.
    const int fileHeight = sizeOf(folder + "SaveFileButton.png").y;
    const int addHeight = sizeOf(folder + "AddMaps.png").y;
    const float deleteBottom = 540.f + 1.5f * fileHeight + fileHeight / 2.f;
    const float removeTop = 1080.f - 2.5f * addHeight - sizeOf(folder + "RemoveMaps.png").y / 2.f;
    EXPECT_LE(deleteBottom, removeTop);
    EXPECT_LE(1080.f - 2.5f * addHeight + addHeight / 2.f, 1080.f - addHeight - addHeight / 2.f);
    // The dialog: the cross in its top-right corner, the action button between
    // the name field at its centre and its bottom edge.
    const sf::Vector2i box = sizeOf(folder + "FileBackground.png");
    const sf::Vector2i cross = sizeOf(folder + "Cross.png");
    EXPECT_LT(cross.x, box.x / 4);
    EXPECT_LT(cross.y, box.y / 4);
    for (const char* action : {"SaveButton.png", "OpenButton.png", "DeleteButton.png"}) {
        const int height = sizeOf(folder + action).y;
        const float top = box.y / 2.f - height - height / 2.f;
        EXPECT_GT(top, 40.f) << action;
    }
    EXPECT_EQ(sizeOf(folder + "EmptyTile.png"), sf::Vector2i(64, 64));
}

TEST(UiPictures, HudPiecesLineUp)
{
    enterFreshRunFolder();
    // Minimap cells stand 84 px apart.
    EXPECT_LT(sizeOf("assets/sprites/hud/mapframe.png").x, 84);
    // The item duration bar spans the item frame and is as tall as a gauge.
    const sf::Vector2i itemFrame = sizeOf("assets/sprites/hud/p1itemframe.png");
    EXPECT_EQ(itemFrame, sizeOf("assets/sprites/hud/p2itemframe.png"));
    EXPECT_EQ(sizeOf("assets/sprites/hud/itemdurationframe.png"),
              sf::Vector2i(itemFrame.x, sizeOf("assets/sprites/hud/fillbar.png").y));
    EXPECT_EQ(sizeOf("assets/sprites/hud/itemdurationopacity.png"),
              sizeOf("assets/sprites/hud/itemdurationframe.png"));
    EXPECT_EQ(sizeOf("assets/sprites/hud/fillbaropacity.png"), sizeOf("assets/sprites/hud/fillbar.png"));
    for (int kind = 0; kind < 5; ++kind) {
        const sf::Vector2i icon = sizeOf("Assets/Placeholder/item" + std::to_string(kind) + ".png");
        EXPECT_LE(icon.x, itemFrame.x);
        EXPECT_LE(icon.y, itemFrame.y);
    }
    // The direction arrow turns about a point 100 px behind its right end;
    // nothing is drawn near that point, which sits on the fighter.
    const sf::Image arrow = readPicture("Assets/Sprites/HUD/DirectionArrow.png");
    const int pivot = static_cast<int>(arrow.getSize().x) - 100;
    ASSERT_GE(pivot, 0);
    EXPECT_EQ(visiblePixels(arrow, 0, 0, pivot + 40, static_cast<int>(arrow.getSize().y)), 0);
    // The STOP picture is centred at (960, 270) and stays on screen.
    EXPECT_LE(sizeOf("Assets/Placeholder/stop.png").y, 2 * 270);
}

TEST(UiPictures, KillRaceBarsShowThroughTheirWindows)
{
    enterFreshRunFolder();
    const sf::Image frame = readPicture("Assets/Sprites/HUD/HUDCAA.png");
    const sf::Image backing = readPicture("assets/sprites/hud/caaopacity.png");
    EXPECT_EQ(frame.getSize(), backing.getSize());
    // The bars sit at (66, 94) and (66, 134), 34 px tall, 54 px per kill up to 6.
    for (int top : {94, 134}) {
        EXPECT_EQ(visiblePixels(frame, 66, top, 6 * 54, 34), 5 * 2 * 34) << top;  // only the 5 kill dividers
        EXPECT_EQ(visiblePixels(frame, 66, top - 3, 6 * 54, 3), 6 * 54 * 3) << top;  // framed above
    }
    EXPECT_LE(66 + 6 * 54, static_cast<int>(frame.getSize().x));
}

TEST(UiPictures, WorldObjectsStandOnTheFloor)
{
    enterFreshRunFolder();
    // The goal is centred two tiles above its floor, a flag one tile above it:
    // their pictures reach down to the floor, and a crate is one tile.
    for (const auto& [path, height] :
         std::vector<std::pair<std::string, int>>{{"Assets/Placeholder/a.png", 256},
                                                  {"flag1_placeholder.png", 128},
                                                  {"flag2_placeholder.png", 128},
                                                  {"Assets/Placeholder/boite.png", 64}}) {
        const sf::Image image = readPicture(path);
        ASSERT_EQ(static_cast<int>(image.getSize().y), height) << path;
        EXPECT_GT(visiblePixels(image, 0, height - 1, static_cast<int>(image.getSize().x), 1), 0) << path;
    }
}

TEST(UiPictures, RoomOverlaysStayOnScreen)
{
    enterFreshRunFolder();
    // Three thumbnails from x = 460 with 50 px gaps end 460 px from the right.
    const sf::Vector2i thumbnail = sizeOf("Assets/Placeholder/CustomMap.png");
    EXPECT_EQ(460 + 3 * thumbnail.x + 2 * 50 + 460, 1920);
    EXPECT_LE(180 + 3 * thumbnail.y + 2 * 50, 1080);
    // The cards stand one card width either side of the centre at y = 180,
    // each with its key hint right under it.
    const sf::Vector2i card = sizeOf("assets/sprites/menu/napollodesc.png");
    for (const char* name : {"atoolaDesc", "gigachillDesc", "swapperDesc"})
        EXPECT_EQ(sizeOf(std::string("assets/sprites/menu/") + name + ".png"), card) << name;
    EXPECT_GE(960 - card.x - card.x / 2, 0);
    EXPECT_GE(180 - card.y / 2, 0);
    const sf::Vector2i hint = sizeOf("assets/sprites/menu/p1charbind.png");
    EXPECT_EQ(hint, sizeOf("assets/sprites/menu/p2charbind.png"));
    EXPECT_LE(hint.x, card.x);
    EXPECT_LE(180 + card.y / 2 + hint.y, 512);  // above the doors' tops
}

TEST(UiPictures, EachPlayersPiecesWearItsColour)
{
    enterFreshRunFolder();
    // P1 is cyan and P2 is red wherever a picture belongs to one player.
    auto cyanMinusRed = [](const std::string& path) {
        const sf::Image image = readPicture(path);
        int balance = 0;
        for (unsigned y = 0; y < image.getSize().y; ++y)
            for (unsigned x = 0; x < image.getSize().x; ++x) {
                const sf::Color c = image.getPixel(x, y);
                if (c.a < 128)
                    continue;
                if (c.b > 150 && c.g > 150 && c.r < 100)
                    ++balance;
                else if (c.r > 150 && c.g < 100 && c.b < 100)
                    --balance;
            }
        return balance;
    };
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"Assets/Sprites/HUD/Flag1.png", "Assets/Sprites/HUD/Flag2.png"},
        {"assets/sprites/hud/p1itemframe.png", "assets/sprites/hud/p2itemframe.png"},
        {"Assets/Sprites/HUD/P1outofmap.png", "Assets/Sprites/HUD/P2outofmap.png"},
        {"Assets/Sprites/HUD/VictoryScreenPlayer1.png", "Assets/Sprites/HUD/VictoryScreenPlayer2.png"},
        {"flag1_placeholder.png", "flag2_placeholder.png"},
        {"assets/sprites/menu/p1charbind.png", "assets/sprites/menu/p2charbind.png"},
    };
    for (const auto& [p1, p2] : pairs) {
        EXPECT_GT(cyanMinusRed(p1), 0) << p1;
        EXPECT_LT(cyanMinusRed(p2), 0) << p2;
    }
}

TEST(UiPictures, GeneratorWritesTheSameBytesEveryRun)
{
    const fs::path assetgen = fs::read_symlink("/proc/self/exe").parent_path() / "tools/assetgen/assetgen";
    ASSERT_TRUE(fs::exists(assetgen));
    const fs::path first = enterEmptyFolder(), second = enterEmptyFolder();
    for (const fs::path& folder : {first, second}) {
        const std::string command = "\"" + assetgen.string() + "\" \"" KESTRELFALL_SOURCE_DIR "/data\" \"" +
                                    folder.string() + "\" ui > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    // Both runs and the build's own run give the same files, byte for byte.
    int compared = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(first)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path relative = fs::relative(entry.path(), first);
        const std::string bytes = fileBytes(entry.path());
        EXPECT_EQ(bytes, fileBytes(second / relative)) << relative;
        EXPECT_EQ(bytes, fileBytes(fs::path(KESTRELFALL_RUN_DIR) / relative)) << relative;
        ++compared;
    }
    EXPECT_EQ(compared, static_cast<int>(pictures.size()));
}
