#include "resources/Caption.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

namespace {

constexpr float outlinePerPixel = 0.08f;  // outline thickness per px of character size
const sf::Color outlineColour = sf::Color::Black;

void centreOn(sf::Text& text, sf::Vector2f centre)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f);
    text.setPosition(centre);
}

float widthOf(const sf::Text& text)
{
    return text.getLocalBounds().width;
}

}  // namespace

sf::Text captionText(const sf::Font& font, const std::string& string, unsigned size, sf::Vector2f centre,
                     sf::Color fill)
{
    sf::Text text(sf::String::fromUtf8(string.begin(), string.end()), font, size);
    text.setFillColor(fill);
    text.setOutlineColor(outlineColour);
    text.setOutlineThickness(static_cast<float>(size) * outlinePerPixel);
    centreOn(text, centre);
    return text;
}

void drawCaption(sf::RenderTarget& target, const sf::Font& font, const std::string& string, unsigned size,
                 sf::Vector2f centre, sf::Color fill)
{
    target.draw(captionText(font, string, size, centre, fill));
}

void fitTextWidth(sf::Text& text, float maxWidth, unsigned minSize)
{
    if (!text.getFont() || widthOf(text) <= maxWidth)
        return;
    const sf::Vector2f centre = text.getPosition();
    const sf::Vector2f scale = text.getScale();
    const float wide = maxWidth / (scale.x > 0.f ? scale.x : 1.f);
    unsigned size = text.getCharacterSize();
    while (size > minSize && widthOf(text) > wide)
        text.setCharacterSize(--size);
    if (widthOf(text) > wide) {
        sf::String whole = text.getString();
        std::size_t keep = whole.getSize();
        do {
            --keep;
            text.setString(whole.substring(0, keep) + "...");
        } while (keep > 0 && widthOf(text) > wide);
    }
    const sf::FloatRect bounds = text.getLocalBounds();
    const sf::Vector2f origin = text.getOrigin();
    // A centred text stays centred; a text placed by its corner keeps it.
    if (origin.x != 0.f || origin.y != 0.f)
        text.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f);
    text.setPosition(centre);
}
