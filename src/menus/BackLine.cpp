#include "menus/BackLine.h"

#include "app/Game.h"
#include "resources/Caption.h"

namespace {

constexpr unsigned backLineSize = 32;      // px
constexpr float backLineFromBottom = 40.f;  // px

}  // namespace

void drawBackLine(sf::RenderTarget& target, const Game& game)
{
    drawCaption(target, game.font, "Esc / B: back", backLineSize,
                {game.resolution.x / 2.f, game.resolution.y - backLineFromBottom});
}
