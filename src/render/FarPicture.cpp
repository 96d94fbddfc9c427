#include "render/FarPicture.h"

#include "app/Game.h"
#include "render/Composition.h"
#include "render/FrameTarget.h"

namespace {

const sf::Uint8 opaque = 255;

const sf::Sprite& shownFar(const Game& game)
{
    return game.back1[backgroundVariant(game.backgroundIndex)];
}

const sf::Shader& tintOf(const Game& game, FightLook look)
{
    return look == FightLook::Grey ? game.greyLevel : game.redLevel;
}

}  // namespace

bool farPictureLeftToTint(const Game& game)
{
    const FightLook look = fightLook(game);
    if (game.state != SceneState::Fight || look == FightLook::Plain || game.vortexLevel > 0.f ||
        game.world.match.suddenDeath || tintOf(game, look).getNativeHandle() == 0)
        return false;
    // Only the shown picture, fully: no other one fading in over it.
    const int live = backgroundVariant(game.world.sectionIndex);
    const bool alone = live == backgroundVariant(game.backgroundIndex) || game.back1[live].getColor().a == 0;
    return alone && shownFar(game).getColor().a == opaque;
}

void feedFarPicture(const Game& game, sf::Shader& tint, bool laidUnder)
{
    tint.setUniform("farShown", laidUnder ? 1.f : 0.f);
    if (!laidUnder)
        return;
    // The screen layer's coordinates run up from its bottom row; the far
    // picture's texels follow from the sprite's placement and scale.
    const sf::Sprite& far = shownFar(game);
    const sf::Vector2f size(far.getTexture()->getSize());
    const sf::Vector2f topLeft = far.getInverseTransform().transformPoint(0.f, 0.f);
    const sf::Vector2f bottomRight = far.getInverseTransform().transformPoint(game.resolution);
    tint.setUniform("farPicture", *far.getTexture());
    tint.setUniform("farPlace", sf::Glsl::Vec4((bottomRight.x - topLeft.x) / size.x, (topLeft.y - bottomRight.y) / size.y,
                                               topLeft.x / size.x, bottomRight.y / size.y));
}
