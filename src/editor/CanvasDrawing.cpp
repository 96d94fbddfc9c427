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

// The empty cell picture repeated over the whole section, then its tiles.
void drawSection(sf::RenderTarget& target, const SectionQuads& quads, const ToolMenu& menu, float left)
{
    const sf::Vector2f size(editorSectionWidth, editorSectionHeight);
    const sf::Vertex background[4] = {
        sf::Vertex(sf::Vector2f(0.f, 0.f), sf::Vector2f(0.f, 0.f)),
        sf::Vertex(sf::Vector2f(0.f, size.y), sf::Vector2f(0.f, size.y)),
        sf::Vertex(size, size),
        sf::Vertex(sf::Vector2f(size.x, 0.f), sf::Vector2f(size.x, 0.f)),
    };
    sf::RenderStates states;
    states.transform.translate(left, 0.f);
    states.texture = &menu.emptyTileTexture;
    target.draw(background, 4, sf::Quads, states);
    if (quads.tiles.empty())
        return;
    states.texture = menu.palette.getTexture();
    target.draw(quads.tiles.data(), quads.tiles.size(), sf::Quads, states);
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
        drawSection(target, canvas.quads[static_cast<std::size_t>(s)], menu, sectionStart(s));
    }
    drawHover(canvas, menu, target, selectedTile);
}
