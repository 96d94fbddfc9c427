#pragma once

#include "characters/Rig.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

#include <functional>
#include <optional>
#include <vector>

// The low-resolution drawing surface of one fighter picture: 96 x 96 art
// pixels, rig origin (the ground between the feet) at art pixel (48, 76).
struct ArtCanvas {
    static constexpr int size = 96;
    static constexpr int originX = 48;
    static constexpr int originY = 76;
    sf::Image image;

    ArtCanvas();
    // Rig coordinates of the centre of art pixel (i, j).
    static Vec centreOf(int i, int j) { return {i + 0.5f - originX, j + 0.5f - originY}; }
    void put(int i, int j, sf::Color color);
    // The art pixel under rig point p.
    void putAt(Vec p, sf::Color color);
};

// Three tones of one material: shadow, body, highlight.
struct Tones {
    sf::Color dark, base, light;
};
Tones tonesOf(sf::Color base);

// The outline drawn around every body part, so parts stay readable where
// they overlap.
sf::Color outlineColour();

// A shape given by its inside test: the test returns the surface normal's
// screen part (length up to 1) for points inside, nothing outside. Pixels
// are lit from above and ahead in three tones; a one-pixel outline goes round
// the shape when `outline` is not transparent.
using InsideTest = std::function<std::optional<Vec>(Vec)>;
void paintShape(ArtCanvas& canvas, Vec boxMin, Vec boxMax, const InsideTest& inside, const Tones& tones,
                sf::Color outline);

// A rounded bar from `a` to `b` (limbs, torso, gun parts).
void paintCapsule(ArtCanvas& canvas, Vec a, Vec b, float radius, const Tones& tones,
                  sf::Color outline = outlineColour());
// An ellipse turned by `degrees` (heads, shields, muscles).
void paintEllipse(ArtCanvas& canvas, Vec centre, float rx, float ry, float degrees, const Tones& tones,
                  sf::Color outline = outlineColour());
// A flat polygon, lighter along its top edge and darker along its bottom.
void paintPolygon(ArtCanvas& canvas, const std::vector<Vec>& points, const Tones& tones,
                  sf::Color outline = outlineColour());

// Effects: soft additive-looking glow dots and arcs, drawn without outline.
void glowDisc(ArtCanvas& canvas, Vec centre, float radius, sf::Color color);
void glowArc(ArtCanvas& canvas, Vec centre, float radius, float fromDegrees, float toDegrees, float width,
             sf::Color color);

// A picture of `width` x `height` in which every art pixel becomes a
// `factor` x `factor` block; art pixel (0, 0) lands at (offsetX, offsetY).
// Art pixels that fall outside are cut off, uncovered picture pixels stay clear.
sf::Image enlarge(const sf::Image& art, unsigned width, unsigned height, int factor, int offsetX, int offsetY);
