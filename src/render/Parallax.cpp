#include "app/Game.h"
#include "render/Composition.h"

#include <SFML/Graphics/RenderTexture.hpp>

namespace {

const int backgroundVariants = 5;     // far/middle picture pairs, one per section (mod 5)
const float middleOrigin = 450.f;     // px: x of the middle pictures with the camera at 0
const float middleSlowdown = 25.f;    // the middle pictures move 1/25 of the camera's movement
const float nearSlowdown = 12.f;      // the near pictures move 1/12 of it
const int crossFadeStep = 1;          // alpha units per frame: a full cross-fade takes 255 frames
const sf::Uint8 opaque = 255;

void setAlpha(sf::Sprite& sprite, int alpha)
{
    sf::Color colour = sprite.getColor();
    colour.a = static_cast<sf::Uint8>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha));
    sprite.setColor(colour);
}

void addAlpha(sf::Sprite& sprite, int change)
{
    setAlpha(sprite, sprite.getColor().a + change);
}

void drawAt(sf::RenderTarget& target, sf::Sprite& sprite, float x, float y,
            const sf::RenderStates& states = sf::RenderStates::Default)
{
    sprite.setPosition(x, y);
    if (sprite.getColor().a > 0)
        target.draw(sprite, states);
}

// The far picture goes first, where nothing shows through it: shown fully,
// it replaces the target's pixels rather than blending over them, which
// spares the renderer a read of every pixel of the screen.
sf::RenderStates firstPictureStates(const sf::Sprite& far, const sf::Shader* tint)
{
    sf::RenderStates states(tint);
    if (far.getColor().a == opaque)
        states.blendMode = sf::BlendNone;
    return states;
}

}  // namespace

int backgroundVariant(int index)
{
    return ((index % backgroundVariants) + backgroundVariants) % backgroundVariants;
}

void stepBackgroundCrossFade(Game& game, int section, bool inTransition)
{
    const int shown = backgroundVariant(game.backgroundIndex);
    const int next = backgroundVariant(section);
    sf::Sprite& nextFar = game.back1[next];
    sf::Sprite& nextMiddle = game.back2[next];
    if (!inTransition || next == shown) {
        // Nothing to fade from: the section's pictures show fully.
        if (!inTransition) {
            game.crossFadeStarted = false;
            game.backgroundIndex = next;
        }
        setAlpha(nextFar, opaque);
        setAlpha(nextMiddle, opaque);
        return;
    }
    sf::Sprite& shownFar = game.back1[shown];
    sf::Sprite& shownMiddle = game.back2[shown];
    if (shownFar.getColor().a == 0) {
        setAlpha(nextFar, opaque);
        setAlpha(nextMiddle, opaque);
        return;
    }
    if (!game.crossFadeStarted) {
        setAlpha(nextFar, 0);
        setAlpha(nextMiddle, 0);
        game.crossFadeStarted = true;
    }
    addAlpha(shownFar, -crossFadeStep);
    addAlpha(shownMiddle, -crossFadeStep);
    addAlpha(nextFar, crossFadeStep);
    addAlpha(nextMiddle, crossFadeStep);
}

void drawParallaxPictures(Game& game, sf::RenderTarget& target, const sf::Shader* tint)
{
    const float left = game.world.camera.view.getCenter().x - game.resolution.x / 2.f;
    const int shown = backgroundVariant(game.backgroundIndex);
    const int section = backgroundVariant(game.world.sectionIndex);
    const float middleX = middleOrigin - left / middleSlowdown;
    // 1. The pictures fully shown, then the live section's over them. Their
    // pixels are either opaque or clear, so a picture drawn twice shows as
    // once: the live section's go again only while they differ.
    const sf::RenderStates states(tint);
    drawAt(target, game.back1[shown], 0.f, 0.f, firstPictureStates(game.back1[shown], tint));
    drawAt(target, game.back2[shown], middleX, 0.f, states);
    if (section != shown) {
        drawAt(target, game.back1[section], 0.f, 0.f, states);
        drawAt(target, game.back2[section], middleX, 0.f, states);
    }
    // 2. The near pictures, two tiles side by side.
    drawAt(target, game.back3_a, -left / nearSlowdown, 0.f, states);
    drawAt(target, game.back3_b, game.resolution.x - left / nearSlowdown, 0.f, states);
}

void drawParallax(Game& game, sf::RenderTarget& target, const sf::Shader* tint)
{
    drawParallaxPictures(game, target, tint);
    // The cross-fade moves on by one step; the new opacities show next frame.
    stepBackgroundCrossFade(game, backgroundVariant(game.world.sectionIndex), game.world.camera.inTransition);
}
