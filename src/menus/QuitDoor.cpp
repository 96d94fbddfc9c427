#include "menus/QuitDoor.h"

#include "app/Game.h"
#include "menus/MenuRooms.h"
#include "resources/Caption.h"

namespace {

constexpr unsigned questionSize = 34;     // px
constexpr unsigned answerSize = 24;       // px
constexpr float questionBelowDoor = 170.f;  // px under the door, on the ground: clear of the cards and the hints
constexpr float answerGap = 44.f;         // px under the question
const sf::Color questionColour(255, 226, 140);

const Door* quitDoor(const MainHub& hub)
{
    for (const Door& door : hub.doors)
        if (door.kind == DoorKind::Quit)
            return &door;
    return nullptr;
}

}  // namespace

bool quitConfirmed(MainHub& hub)
{
    if (hub.quitAsked)
        return true;
    hub.quitAsked = true;
    return false;
}

void watchQuitQuestion(MainHub& hub)
{
    const Door* door = quitDoor(hub);
    if (!hub.quitAsked || !door)
        return;
    bool someoneThere = false;
    for (const Player& player : hub.game->world.players)
        someoneThere = someoneThere || atDoor(player, *door);
    if (!someoneThere)
        hub.quitAsked = false;
}

void cancelQuitQuestion(MainHub& hub)
{
    hub.quitAsked = false;
}

void drawQuitQuestion(const Game& game, sf::RenderTarget& target)
{
    const MainHub& hub = game.mainHub;
    const Door* door = quitDoor(hub);
    if (!hub.quitAsked || !door)
        return;
    const sf::Vector2f corner = door->sprite.getPosition();
    const sf::FloatRect size = door->sprite.getLocalBounds();
    const sf::Vector2f centre(corner.x + size.width / 2.f, corner.y + size.height + questionBelowDoor);
    drawCaption(target, game.font, "QUIT THE GAME?", questionSize, centre, questionColour);
    drawCaption(target, game.font, "Enter again: quit   B or walk away: stay", answerSize,
                {centre.x, centre.y + answerGap});
}
