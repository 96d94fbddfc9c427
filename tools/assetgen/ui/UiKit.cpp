#include "ui/UiKit.h"

#include "Canvas.h"
#include "PixelFont.h"

#include <algorithm>
#include <cmath>

namespace ui {

sf::Color playerColour(int player)
{
    return player == 0 ? p1Colour : p2Colour;
}

void fillPolygon(sf::Image& image, const std::vector<Point>& points, sf::Color color)
{
    if (points.size() < 3)
        return;
    float top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    for (int row = static_cast<int>(std::floor(top)); row <= static_cast<int>(std::ceil(bottom)); ++row) {
        const float y = static_cast<float>(row) + 0.5f;
        std::vector<float> crossings;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % points.size()];
            if ((a.y <= y && b.y > y) || (b.y <= y && a.y > y))
                crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int from = static_cast<int>(std::ceil(crossings[i] - 0.5f));
            const int to = static_cast<int>(std::floor(crossings[i + 1] - 0.5f));
            for (int column = from; column <= to; ++column)
                plot(image, column, row, color);
        }
    }
}

void drawLabel(sf::Image& image, const std::string& text, int centreX, int centreY, int scale, sf::Color fill,
               int thickness, sf::Color outline)
{
    const int x = centreX - pixelTextWidth(text, scale) / 2;
    const int y = centreY - pixelTextHeight(scale) / 2;
    // Drop shadow first, then a ring of offset copies, then the letters.
    drawPixelText(image, text, x + thickness, y + thickness + scale, scale, shade(outline, 1.f));
    for (int dy = -thickness; dy <= thickness; ++dy)
        for (int dx = -thickness; dx <= thickness; ++dx)
            if (dx != 0 || dy != 0)
                drawPixelText(image, text, x + dx, y + dy, scale, outline);
    drawPixelText(image, text, x, y, scale, fill);
}

int fittingScale(const std::string& text, int width, int maxScale)
{
    int scale = maxScale;
    while (scale > 1 && pixelTextWidth(text, scale) + 2 * scale > width)
        --scale;
    return scale;
}

void fillRounded(sf::Image& image, int x, int y, int width, int height, int corner, sf::Color color)
{
    for (int row = 0; row < height; ++row) {
        const int fromEdge = std::min(row, height - 1 - row);
        const int inset = std::max(0, corner - fromEdge);
        fillRect(image, x + inset, y + row, width - 2 * inset, 1, color);
    }
}

void drawWoodPanel(sf::Image& image, int x, int y, int width, int height, const PanelStyle& style)
{
    const sf::Color face = mix(style.face, gold, style.glow * 0.35f);
    fillRounded(image, x, y, width, height, 4, ink);
    fillRounded(image, x + 2, y + 2, width - 4, height - 4, 3, shade(face, 0.62f));
    fillRounded(image, x + 2, y + 2, width - 4, height - 7, 3, face);
    // Planks: horizontal seams every 14 px and a little grain noise.
    for (int row = y + 4; row < y + height - 6; ++row)
        for (int column = x + 4; column < x + width - 4; ++column) {
            const float n = hashNoise(column / 5, row, 77u);
            if ((row - y) % 14 == 0)
                plot(image, column, row, shade(face, 0.78f));
            else if (n > 0.86f)
                plot(image, column, row, shade(face, 0.88f));
            else if (n < 0.06f)
                plot(image, column, row, shade(face, 1.12f));
        }
    // Bevel: light along the top and left, the inner trim line inside.
    fillRect(image, x + 4, y + 3, width - 8, 2, shade(face, 1.28f));
    fillRect(image, x + 3, y + 4, 2, height - 10, shade(face, 1.16f));
    strokeRect(image, x + 6, y + 7, width - 12, height - 15, 1, mix(style.trim, face, 0.3f));
    if (style.pegs && width > 60 && height > 30) {
        for (int px : {x + 10, x + width - 13})
            for (int py : {y + 10, y + height - 15}) {
                fillRect(image, px, py, 3, 3, goldDark);
                plot(image, px, py, gold);
            }
    }
}

void drawButton(sf::Image& image, int left, int width, int height, const std::string& label, ButtonLook look,
                sf::Color face)
{
    const int pressDepth = 4;  // how far a pressed button sinks, px
    const int margin = 6;
    PanelStyle style;
    style.face = face;
    int sink = 0;
    if (look == ButtonLook::Hovered) {
        style.glow = 1.f;
        style.trim = gold;
    } else if (look == ButtonLook::Pressed) {
        style.face = shade(face, 0.8f);
        sink = pressDepth;
    }
    const int panelHeight = height - 4 - pressDepth;
    drawWoodPanel(image, left + margin, 2 + sink, width - 2 * margin, panelHeight, style);
    const int scale = fittingScale(label, width - 2 * margin - 36, height >= 80 ? 4 : 3);
    const sf::Color letters = look == ButtonLook::Hovered ? sf::Color::White : cream;
    drawLabel(image, label, left + width / 2, 2 + sink + panelHeight / 2, scale, letters, scale >= 4 ? 2 : 1);
    if (look == ButtonLook::Hovered) {
        drawLeaves(image, left + margin + 4, height - 14, 14, -1);
        drawLeaves(image, left + width - margin - 4, height - 14, 14, 1);
    }
}

void drawSlot(sf::Image& image, int x, int y, int width, int height, sf::Color border, sf::Color inside)
{
    fillRounded(image, x, y, width, height, 3, ink);
    fillRounded(image, x + 1, y + 1, width - 2, height - 2, 2, border);
    fillRect(image, x + 3, y + 3, width - 6, height - 6, inside);
}

void drawLeaves(sf::Image& image, int x, int y, int size, int direction)
{
    const float s = static_cast<float>(size);
    const float d = static_cast<float>(direction);
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    // Three pointed leaves fanning out, each with a darker midrib.
    const float angles[3] = {-0.9f, -0.25f, 0.45f};
    for (int i = 0; i < 3; ++i) {
        const float a = angles[i];
        const float length = s * (i == 1 ? 1.f : 0.78f);
        const float tipX = fx + d * std::cos(a) * length, tipY = fy + std::sin(a) * length;
        const float midX = fx + d * std::cos(a) * length * 0.45f, midY = fy + std::sin(a) * length * 0.45f;
        const float nx = -std::sin(a) * s * 0.22f, ny = std::cos(a) * s * 0.22f;
        const sf::Color colour = i == 1 ? leafLight : leaf;
        fillPolygon(image, {{fx, fy}, {midX + d * nx, midY + ny}, {tipX, tipY}, {midX - d * nx, midY - ny}}, colour);
        drawLine(image, x, y, static_cast<int>(tipX), static_cast<int>(tipY), 1, leafDark);
    }
}

void drawKeyCap(sf::Image& image, int x, int y, int width, int height, const std::string& label)
{
    fillRounded(image, x, y, width, height, 4, ink);
    fillRounded(image, x + 2, y + 2, width - 4, height - 4, 3, sf::Color(150, 150, 140));
    fillRounded(image, x + 4, y + 3, width - 8, height - 11, 3, sf::Color(236, 232, 214));
    const int scale = fittingScale(label, width - 10, 2);
    drawPixelTextCentred(image, label, x + width / 2, y + 3 + (height - 11) / 2, scale, ink);
}

void drawPadButton(sf::Image& image, int centreX, int centreY, int radius, const std::string& label, sf::Color face)
{
    fillEllipse(image, centreX - radius, centreY - radius, 2 * radius, 2 * radius, ink);
    fillEllipse(image, centreX - radius + 2, centreY - radius + 2, 2 * radius - 4, 2 * radius - 4, shade(face, 0.7f));
    fillEllipse(image, centreX - radius + 3, centreY - radius + 2, 2 * radius - 6, 2 * radius - 8, face);
    drawLabel(image, label, centreX, centreY - 1, radius >= 14 ? 2 : 1, cream, 1);
}

void drawDirectionPad(sf::Image& image, int centreX, int centreY, int size, sf::Color lit)
{
    const int arm = size / 3;
    const int left = centreX - size / 2, top = centreY - size / 2;
    fillRect(image, left + arm - 2, top - 2, arm + 4, size + 4, ink);
    fillRect(image, left - 2, top + arm - 2, size + 4, arm + 4, ink);
    fillRect(image, left + arm, top, arm, size, stone);
    fillRect(image, left, top + arm, size, arm, stone);
    fillRect(image, left + 1, top + arm + 1, arm - 2, arm - 2, lit);
    fillRect(image, left + 2 * arm + 1, top + arm + 1, arm - 2, arm - 2, lit);
    const float cy = static_cast<float>(centreY);
    const float a = static_cast<float>(arm);
    fillPolygon(image, {{left + 3.f, cy}, {left + a - 3.f, cy - a / 2 + 3.f}, {left + a - 3.f, cy + a / 2 - 3.f}}, ink);
    const float right = static_cast<float>(left + size);
    fillPolygon(image, {{right - 3.f, cy}, {right - a + 3.f, cy - a / 2 + 3.f}, {right - a + 3.f, cy + a / 2 - 3.f}},
                ink);
}

void drawArrowRight(sf::Image& image, int left, int tip, int centreY, int shaftHeight, int headHeight, int headLength,
                    sf::Color color)
{
    const float cy = static_cast<float>(centreY);
    const float neck = static_cast<float>(tip - headLength);
    const float sh = shaftHeight / 2.f, hh = headHeight / 2.f;
    fillPolygon(image,
                {{static_cast<float>(left), cy - sh},
                 {neck, cy - sh},
                 {neck, cy - hh},
                 {static_cast<float>(tip), cy},
                 {neck, cy + hh},
                 {neck, cy + sh},
                 {static_cast<float>(left), cy + sh}},
                color);
}

std::vector<Point> regularPolygon(float centreX, float centreY, float radius, int sides, float startDegrees)
{
    std::vector<Point> points;
    for (int i = 0; i < sides; ++i) {
        const float angle = (startDegrees + 360.f * static_cast<float>(i) / static_cast<float>(sides)) * 3.14159265f /
                            180.f;
        points.push_back({centreX + radius * std::cos(angle), centreY + radius * std::sin(angle)});
    }
    return points;
}

}  // namespace ui
