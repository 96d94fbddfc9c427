#include "characters/ArtCanvas.h"

#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

// Light comes from above, ahead of the fighter (so faces are lit) and a
// little from the viewer.
const float lightX = 0.498f, lightY = -0.647f, lightZ = 0.577f;
const float highlightAbove = 0.68f;
const float shadowBelow = 0.25f;

bool insidePolygon(const std::vector<Vec>& points, Vec p)
{
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Vec a = points[i], b = points[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

float distanceToSegment(Vec p, Vec a, Vec b, Vec* closest)
{
    const Vec ab = b - a;
    const float lengthSquared = ab.x * ab.x + ab.y * ab.y;
    float t = lengthSquared > 0.f ? ((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / lengthSquared : 0.f;
    t = std::clamp(t, 0.f, 1.f);
    *closest = a + ab * t;
    return length(p - *closest);
}

}  // namespace

ArtCanvas::ArtCanvas() { image.create(size, size, sf::Color::Transparent); }

void ArtCanvas::put(int i, int j, sf::Color color) { plot(image, i, j, color); }

void ArtCanvas::putAt(Vec p, sf::Color color)
{
    put(static_cast<int>(std::floor(p.x)) + originX, static_cast<int>(std::floor(p.y)) + originY, color);
}

Tones tonesOf(sf::Color base)
{
    // Shadows lean towards violet and highlights towards warm white, the usual
    // pixel-art ramp, so three tones read as one material.
    return {mix(shade(base, 0.58f), sf::Color(40, 20, 70), 0.18f), base,
            mix(base, sf::Color(255, 250, 225), 0.38f)};
}

sf::Color outlineColour() { return sf::Color(24, 18, 32); }

void paintShape(ArtCanvas& canvas, Vec boxMin, Vec boxMax, const InsideTest& inside, const Tones& tones,
                sf::Color outline)
{
    const int i0 = std::max(0, static_cast<int>(std::floor(boxMin.x + ArtCanvas::originX)) - 2);
    const int j0 = std::max(0, static_cast<int>(std::floor(boxMin.y + ArtCanvas::originY)) - 2);
    const int i1 = std::min(ArtCanvas::size - 1, static_cast<int>(std::ceil(boxMax.x + ArtCanvas::originX)) + 2);
    const int j1 = std::min(ArtCanvas::size - 1, static_cast<int>(std::ceil(boxMax.y + ArtCanvas::originY)) + 2);
    if (i1 < i0 || j1 < j0)
        return;
    const int w = i1 - i0 + 1, h = j1 - j0 + 1;
    std::vector<std::optional<Vec>> normals(static_cast<std::size_t>(w * h));
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            normals[static_cast<std::size_t>(j * w + i)] = inside(ArtCanvas::centreOf(i0 + i, j0 + j));
    auto isInside = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < w && j < h && normals[static_cast<std::size_t>(j * w + i)].has_value();
    };
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const auto& normal = normals[static_cast<std::size_t>(j * w + i)];
            if (normal) {
                const float nx = normal->x, ny = normal->y;
                const float nz = std::sqrt(std::max(0.f, 1.f - nx * nx - ny * ny));
                const float lit = nx * lightX + ny * lightY + nz * lightZ;
                const sf::Color c = lit > highlightAbove ? tones.light : lit < shadowBelow ? tones.dark : tones.base;
                canvas.put(i0 + i, j0 + j, c);
            } else if (outline.a != 0 &&
                       (isInside(i - 1, j) || isInside(i + 1, j) || isInside(i, j - 1) || isInside(i, j + 1))) {
                canvas.put(i0 + i, j0 + j, outline);
            }
        }
}

void paintCapsule(ArtCanvas& canvas, Vec a, Vec b, float radius, const Tones& tones, sf::Color outline)
{
    const Vec lo(std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius);
    const Vec hi(std::max(a.x, b.x) + radius, std::max(a.y, b.y) + radius);
    paintShape(
        canvas, lo, hi,
        [&](Vec p) -> std::optional<Vec> {
            Vec closest;
            const float d = distanceToSegment(p, a, b, &closest);
            if (d > radius)
                return std::nullopt;
            return (p - closest) / radius;
        },
        tones, outline);
}

void paintEllipse(ArtCanvas& canvas, Vec centre, float rx, float ry, float degrees, const Tones& tones,
                  sf::Color outline)
{
    const Vec axis = direction(degrees);
    const float reach = std::max(rx, ry);
    paintShape(
        canvas, centre - Vec(reach, reach), centre + Vec(reach, reach),
        [&](Vec p) -> std::optional<Vec> {
            const Vec d = p - centre;
            const float u = (d.x * axis.x + d.y * axis.y) / rx;
            const float v = (-d.x * axis.y + d.y * axis.x) / ry;
            if (u * u + v * v > 1.f)
                return std::nullopt;
            return Vec(u * axis.x - v * axis.y, u * axis.y + v * axis.x);
        },
        tones, outline);
}

void paintPolygon(ArtCanvas& canvas, const std::vector<Vec>& points, const Tones& tones, sf::Color outline)
{
    if (points.size() < 3)
        return;
    Vec lo = points[0], hi = points[0];
    for (Vec p : points) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
    }
    // A flat face: lit where the pixel above is outside, shaded where the
    // pixel below is outside.
    paintShape(
        canvas, lo, hi,
        [&](Vec p) -> std::optional<Vec> {
            if (!insidePolygon(points, p))
                return std::nullopt;
            if (!insidePolygon(points, p - Vec(0.f, 1.f)))
                return Vec(0.f, -0.9f);
            if (!insidePolygon(points, p + Vec(0.f, 1.f)))
                return Vec(0.f, 0.85f);
            return Vec(0.f, 0.f);
        },
        tones, outline);
}

void glowDisc(ArtCanvas& canvas, Vec centre, float radius, sf::Color color)
{
    for (int j = 0; j < ArtCanvas::size; ++j)
        for (int i = 0; i < ArtCanvas::size; ++i) {
            const float d = length(ArtCanvas::centreOf(i, j) - centre);
            if (d <= radius)
                canvas.put(i, j, color);
        }
}

void glowArc(ArtCanvas& canvas, Vec centre, float radius, float fromDegrees, float toDegrees, float width,
             sf::Color color)
{
    const float lo = std::min(fromDegrees, toDegrees), hi = std::max(fromDegrees, toDegrees);
    for (int j = 0; j < ArtCanvas::size; ++j)
        for (int i = 0; i < ArtCanvas::size; ++i) {
            const Vec d = ArtCanvas::centreOf(i, j) - centre;
            const float r = length(d);
            if (r > radius + width / 2.f || r < radius - width / 2.f)
                continue;
            float a = std::atan2(d.y, d.x) * 180.f / 3.14159265f;
            while (a < lo)
                a += 360.f;
            if (a <= hi)
                canvas.put(i, j, color);
        }
}

sf::Image enlarge(const sf::Image& art, unsigned width, unsigned height, int factor, int offsetX, int offsetY)
{
    sf::Image picture;
    picture.create(width, height, sf::Color::Transparent);
    const sf::Vector2u artSize = art.getSize();
    auto artIndex = [factor](int value) {
        return value >= 0 ? value / factor : -((-value + factor - 1) / factor);
    };
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x) {
            const int i = artIndex(static_cast<int>(x) - offsetX);
            const int j = artIndex(static_cast<int>(y) - offsetY);
            if (i < 0 || j < 0 || i >= static_cast<int>(artSize.x) || j >= static_cast<int>(artSize.y))
                continue;
            picture.setPixel(x, y, art.getPixel(static_cast<unsigned>(i), static_cast<unsigned>(j)));
        }
    return picture;
}
