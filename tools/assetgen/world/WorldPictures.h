#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

#include <string>
#include <vector>

// The jungle world's pictures, each drawn deterministically into an image.

// "Assets/Sprites/Map/Tileset.png": 20 tile codes, 8 cells of 64 px per row.
sf::Image drawTileset();

// The five looks of the fight background, one per section (index mod 5).
constexpr int backgroundLookCount = 5;
// Width of the middle layer. It is drawn at x = 450 - left / 25, so it must
// reach past the right screen edge for the farthest camera of the largest
// level the editor can make (9 sections of 3840 px: left = 32640).
constexpr int middleLayerWidth = 2880;

sf::Image drawFarLayer(int look);     // 1920 x 1080, opaque sky and mountains
sf::Image drawMiddleLayer(int look);  // middleLayerWidth x 1080, transparent above the tree line
// The near foliage as one 3840 x 1080 strip; the game shows it as two
// 1920-wide halves side by side.
sf::Image drawNearLayer();

// Every look's layers, drawn once and shared by the files and the screens
// that show the same scenery.
struct BackgroundSet {
    std::vector<sf::Image> far, middle;  // one per look
    sf::Image near;
};
BackgroundSet drawBackgrounds();

// One screen of a look's far and middle layers (the middle layer from its
// column `middleLeft`), optionally with the near foliage: the scenery behind
// the title and the credits.
sf::Image drawBackdrop(const BackgroundSet& layers, int look, int middleLeft, bool withNear);

// Menu rooms: pictures 0..3 (1920 x 1080), each pair meeting without a seam.
constexpr int roomPictureCount = 4;
sf::Image drawRoomPicture(int index);
// A door with its sign: 256 x 256, standing on the room floor 256 px below its top.
sf::Image drawDoor(const std::string& sign, sf::Color accent);
sf::Image drawTitleBackground(const BackgroundSet& layers);

sf::Image drawTitleLogo();        // "Kestrelfall"
sf::Image drawTessarilLogo();     // studio logo, shown at a quarter of its size
sf::Image drawPinewhistleLogo();  // studio logo, shown at 0.3 of its size
sf::Image drawCreditsPicture(const BackgroundSet& layers);  // 1920 x 1080
