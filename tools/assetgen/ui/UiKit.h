#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

#include <string>
#include <vector>

// The shared look of the interface pictures: one jungle palette (carved wood,
// leaves, gold trim, cream lettering), P1 cyan and P2 red, and the few shapes
// every screen reuses (panels, labels, key caps, arrows).

namespace ui {

// Palette.
const sf::Color ink(18, 22, 16);                // outlines and text shadows
const sf::Color woodDark(70, 42, 24);
const sf::Color wood(112, 72, 40);
const sf::Color woodLight(156, 106, 60);
const sf::Color leafDark(28, 68, 34);
const sf::Color leaf(54, 122, 50);
const sf::Color leafLight(116, 176, 70);
const sf::Color stone(84, 92, 86);
const sf::Color stoneLight(132, 142, 130);
const sf::Color gold(244, 196, 62);
const sf::Color goldDark(170, 118, 30);
const sf::Color cream(250, 240, 208);
const sf::Color jungleNight(20, 38, 30);
const sf::Color p1Colour(40, 212, 232);
const sf::Color p2Colour(232, 58, 52);

// The colour of player 0 (P1) or 1 (P2).
sf::Color playerColour(int player);

struct Point {
    float x;
    float y;
};

// Fills the polygon (any simple shape, even-odd rule) sampling pixel centres.
void fillPolygon(sf::Image& image, const std::vector<Point>& points, sf::Color color);

// Pixel-font text centred on (centreX, centreY) with an `outline`-coloured
// ring `thickness` pixels wide around every letter and a drop shadow below.
void drawLabel(sf::Image& image, const std::string& text, int centreX, int centreY, int scale, sf::Color fill,
               int thickness = 2, sf::Color outline = ink);

// The largest pixel-font scale (up to `maxScale`) at which `text` fits `width`.
int fittingScale(const std::string& text, int width, int maxScale);

// A rounded rectangle (corners cut by `corner` pixels) of one colour.
void fillRounded(sf::Image& image, int x, int y, int width, int height, int corner, sf::Color color);

// A carved wooden plank panel: dark outline, bevelled edges, grain, pegs.
// `glow` lights the wood (hovered buttons); `trim` colours the inner border.
struct PanelStyle {
    sf::Color face = wood;
    sf::Color trim = woodLight;
    float glow = 0.f;
    bool pegs = true;
};
void drawWoodPanel(sf::Image& image, int x, int y, int width, int height, const PanelStyle& style);

// A labelled wooden button filling one frame of `width` x `height` whose left
// edge is at `left`: idle, hovered (lit, gold trim, leaves) or pressed (sunk).
enum class ButtonLook { Idle, Hovered, Pressed };
void drawButton(sf::Image& image, int left, int width, int height, const std::string& label, ButtonLook look,
                sf::Color face = wood);

// A dark translucent stone slot (gauges, frames and the key-binding cells).
void drawSlot(sf::Image& image, int x, int y, int width, int height, sf::Color border, sf::Color inside);

// A small bunch of leaves growing from (x, y); `direction` -1 grows left.
void drawLeaves(sf::Image& image, int x, int y, int size, int direction);

// A keyboard key cap with its label, top-left at (x, y).
void drawKeyCap(sf::Image& image, int x, int y, int width, int height, const std::string& label);

// A round controller button with a letter, centred on (centreX, centreY).
void drawPadButton(sf::Image& image, int centreX, int centreY, int radius, const std::string& label, sf::Color face);

// A controller direction pad, centred, with its left and right arms lit.
void drawDirectionPad(sf::Image& image, int centreX, int centreY, int size, sf::Color lit);

// An arrow pointing right: shaft from `left` to the head, head ending at `tip`.
void drawArrowRight(sf::Image& image, int left, int tip, int centreY, int shaftHeight, int headHeight, int headLength,
                    sf::Color color);

// A regular polygon (octagon, star points...) around a centre.
std::vector<Point> regularPolygon(float centreX, float centreY, float radius, int sides, float startDegrees);

}  // namespace ui
