#include "editor/CanvasDrawing.h"

#include "editor/EditorCanvas.h"
#include "editor/ToolMenu.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>

namespace {

bool sectionInView(int section, const sf::View& view)
{
    const float left = sectionStart(section);
    const float viewLeft = view.getCenter().x - view.getSize().x / 2.f;
    const float viewRight = viewLeft + view.getSize().x;
    return left < viewRight && left + editorSectionWidth > viewLeft;
}

void drawQuads(sf::RenderTarget& target, const std::vector<sf::Vertex>& quads, const sf::Sprite& picture,
               float left)
{
    sf::RenderStates states;
    states.texture = picture.getTexture();
    states.transform.translate(left, 0.f);
    target.draw(quads.data(), quads.size(), sf::Quads, states);
}

void drawHover(const EditorCanvas& canvas, ToolMenu& menu, sf::RenderTarget& target, int selectedTile)
{
    const HoverCell& hover = canvas.hover;
    if (hover.section < 0 || hover.section > lastSectionOf(canvas))
        return;
    const sf::Vector2f at(sectionStart(hover.section) + static_cast<float>(tileSize * hover.column),
                          static_cast<float>(tileSize * hover.row));
    menu.emptyTile.setPosition(at);
    target.draw(menu.emptyTile);
    const sf::Vector2f corner = tilesetCorner(selectedTile);
    menu.hoverTile.setTextureRect(sf::IntRect(static_cast<int>(corner.x), static_cast<int>(corner.y), tileSize, tileSize));
    menu.hoverTile.setPosition(at);
    target.draw(menu.hoverTile);
}

}  // namespace

void drawCanvas(const EditorCanvas& canvas, ToolMenu& menu, sf::RenderTarget& target, const sf::View& view,
                int selectedTile)
{
    for (int s = 0; s <= lastSectionOf(canvas) && s < static_cast<int>(canvas.quads.size()); ++s) {
        if (!sectionInView(s, view))
            continue;
        const SectionQuads& quads = canvas.quads[static_cast<std::size_t>(s)];
        drawQuads(target, quads.empty, menu.emptyTile, sectionStart(s));
        drawQuads(target, quads.tiles, menu.palette, sectionStart(s));
    }
    drawHover(canvas, menu, target, selectedTile);
}
