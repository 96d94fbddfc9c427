#include "menus/HubHints.h"

#include "app/Game.h"
#include "resources/Caption.h"
#include "settings/KeyNames.h"

#include <cmath>

namespace {

constexpr unsigned hintSize = 24;         // px
constexpr float hintBelowFeet = 40.f;     // px under the fighter's frame, on the ground
constexpr float hintLineGap = 30.f;       // px between the two lines
constexpr unsigned scoreLabelSize = 22;   // px
const sf::Color hintColours[2] = {sf::Color(150, 190, 255), sf::Color(255, 150, 150)};

bool moving(const Game& game, const Player& player)
{
    if (std::fabs(player.velocity.x) > 0.f)
        return true;
    const std::vector<int>& keys = player.input.bindings.keys;
    for (int action : {MoveLeftKey, MoveRightKey, JumpKey, AttackKey})
        if (action < static_cast<int>(keys.size()) && game.input.keyDown(keys[static_cast<std::size_t>(action)]))
            return true;
    return false;
}

std::string keyName(const Game& game, const Player& player, int action)
{
    const std::vector<int>& keys = player.input.bindings.keys;
    if (action >= static_cast<int>(keys.size()))
        return "?";
    return displayName(game.keyNames.keys, keys[static_cast<std::size_t>(action)]);
}

}  // namespace

void watchForStillness(Game& game)
{
    HubHints& hints = game.mainHub.hints;
    for (const Player& player : game.world.players) {
        if (moving(game, player)) {
            hints.moved = true;
            hints.still.restart(game.world.time);
        }
    }
}

bool hubHintsShown(const Game& game)
{
    const HubHints& hints = game.mainHub.hints;
    return !hints.moved || hints.still.elapsed(game.world.time) >= hintIdleTime;
}

HintLines hubHintLines(const Game& game, const Player& player)
{
    const std::string name = "P" + std::to_string(player.index + 1) + ": ";
    return HintLines{
        name + keyName(game, player, MoveLeftKey) + " / " + keyName(game, player, MoveRightKey) + " move",
        keyName(game, player, JumpKey) + " jump   " + keyName(game, player, AttackKey) + " attack"};
}

void drawHubHints(Game& game, sf::RenderTarget& target)
{
    if (!hubHintsShown(game))
        return;
    for (const Player& player : game.world.players) {
        const sf::FloatRect frame = frameBounds(player);
        const sf::Vector2f feet(player.position.x, player.position.y + frame.height / 2.f + hintBelowFeet);
        const HintLines lines = hubHintLines(game, player);
        // P2's lines stand lower, so the two never cover each other when the fighters stand close.
        const float drop = static_cast<float>(player.index) * 2.5f * hintLineGap;
        drawCaption(target, game.font, lines.move, hintSize, {feet.x, feet.y + drop}, hintColours[player.index]);
        drawCaption(target, game.font, lines.act, hintSize, {feet.x, feet.y + hintLineGap + drop},
                    hintColours[player.index]);
    }
}

void drawScoreLabel(Game& game, sf::RenderTarget& target, float scoreX, float labelY)
{
    drawCaption(target, game.font, "classic wins", scoreLabelSize, {scoreX, labelY});
}
