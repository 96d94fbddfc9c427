#include "app/Game.h"
#include "menus/MenuRooms.h"
#include "menus/QuitDoor.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <string>

namespace {

const sf::Vector2i roomScorePixel{960, 98};  // window pixel the rooms' score stands under
const sf::Vector2i scoreLabelPixel{960, 140};  // and its "classic wins" label

const MenuRoom& roomOf(const Game& game, SceneState room)
{
    if (room == SceneState::ModeSelect)
        return game.modeSelectRoom;
    if (room == SceneState::MapSelect)
        return game.mapSelectRoom;
    return game.mainHub;
}

void drawHubMap(Game& game, sf::RenderTarget& target)
{
    const std::vector<sf::Vertex>& quads = game.mainHub.mapPicture;
    if (quads.empty())
        return;
    sf::RenderStates states;
    states.texture = game.tilesetSprite.getTexture();
    target.draw(quads.data(), quads.size(), sf::Quads, states);
}

// The prompt of each mark holder that stands in front of a door.
void drawPrompts(Game& game, sf::RenderTarget& target)
{
    const MainHub& hub = game.mainHub;
    for (int i = 0; i < 2; ++i)
        if (hub.promptShown[i] && game.world.players[i].advancing)
            target.draw(hub.prompts[i]);
}

void centreOrigin(sf::Text& text)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f);
}

// "blue - red", centred at `place`: each count centred on an end of the separator.
void drawScore(Game& game, sf::RenderTarget& target, sf::Vector2f place)
{
    MainHub& hub = game.mainHub;
    centreOrigin(hub.separatorText);
    hub.separatorText.setPosition(place);
    const sf::FloatRect separator = hub.separatorText.getGlobalBounds();
    const float ends[2] = {separator.left, separator.left + separator.width};
    for (int i = 0; i < 2; ++i) {
        if (hub.shownWinCount[i] != hub.winCount[i]) {
            hub.winText[i].setString(std::to_string(hub.winCount[i]));
            hub.shownWinCount[i] = hub.winCount[i];
        }
        centreOrigin(hub.winText[i]);
        hub.winText[i].setPosition(ends[i], place.y);
        target.draw(hub.winText[i]);
    }
    target.draw(hub.separatorText);
}

// The world point under a pixel of the logical screen, through the camera's view
// (the frame's target may be the letterboxed window, so its own mapping won't do).
sf::Vector2f roomPlace(const Game& game, sf::Vector2i pixel)
{
    const sf::View& view = game.world.camera.view;
    return {view.getCenter().x + (static_cast<float>(pixel.x) / game.resolution.x - 0.5f) * view.getSize().x,
            view.getCenter().y + (static_cast<float>(pixel.y) / game.resolution.y - 0.5f) * view.getSize().y};
}

}  // namespace

void drawRoomDoorsMapAndScore(Game& game, SceneState room, sf::RenderTarget& target)
{
    for (const Door& door : roomOf(game, room).doors)
        target.draw(door.sprite);
    drawHubMap(game, target);
    drawPrompts(game, target);
    // The score stays at the top centre of the screen while the camera moves.
    const sf::Vector2f score = roomPlace(game, roomScorePixel);
    drawScore(game, target, score);
    drawScoreLabel(game, target, score.x, roomPlace(game, scoreLabelPixel).y);
    drawHubHints(game, target);
    if (room == SceneState::MainHub)
        drawQuitQuestion(game, target);
}

void drawVictoryScore(Game& game, sf::RenderTarget& target, sf::Vector2f place)
{
    drawScore(game, target, place);
}
