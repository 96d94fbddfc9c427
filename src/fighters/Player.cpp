#include "fighters/Player.h"

#include "app/Game.h"
#include "fighters/Bindings.h"

Player::Player()
{
    moveScale = sf::Vector2f(1.f, 1.f);
    size = sf::Vector2f(60.f, 99.f);
    marker.moveScale = sf::Vector2f(1.f, 1.f);
    marker.position = sf::Vector2f(32767.f, 32767.f);
}

namespace {

constexpr int startKind = 1;  // both fighters start as Atoola
constexpr float fullDashCharge = 1000.f;

void loadCharacterSlots(Game& game)
{
    // The roster is read (and its problems said) once; every slot keeps a copy.
    loadRoster(game.characterSets[0]);
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        Character& character = game.characterSets[slot];
        character.files = game.characterSets[0].files;
        loadCharacter(character, slot);
        const int kind = slot % kindCount;
        ensureFrames(character, kindHitbox(kind), playerColour(slot / kindCount));
    }
}

void initPlayer(Game& game, Player& player, int index)
{
    player.game = &game;
    player.index = index;
    player.input.joystick = index;
    player.marker.owner = index;
    player.character = &game.characterSets[characterSlot(index, startKind)];
    player.sprites = &player.character->sprites;
    selectSkill(player.skill, player, startKind);
    player.dashCharge = fullDashCharge;
}

}  // namespace

void initFighters(Game& game)
{
    loadCharacterSlots(game);
    for (int i = 0; i < 2; ++i)
        initPlayer(game, game.world.players[i], i);
    loadBindings(game);
}

std::optional<sf::Sprite> frameSprite(const Player& player)
{
    if (!player.sprites || player.frame < 0 || player.frame >= static_cast<int>(player.sprites->size()))
        return std::nullopt;
    sf::Sprite frame = (*player.sprites)[static_cast<std::size_t>(player.frame)];
    frame.setPosition(player.framePosition);
    frame.setScale(player.frameScale);
    return frame;
}

void placeFrame(Player& player)
{
    player.framePosition = player.position;
}

sf::FloatRect hitbox(const Entity& body)
{
    return sf::FloatRect(body.position.x - body.size.x / 2.f, body.position.y - body.size.y / 2.f, body.size.x,
                         body.size.y);
}

sf::FloatRect frameBounds(const Player& player)
{
    const std::optional<sf::Sprite> sprite = frameSprite(player);
    return sprite ? sprite->getGlobalBounds() : hitbox(player);
}

int characterKind(const Player& player)
{
    return player.skill.kind;
}

void setBothStates(Player& player, AnimState state)
{
    player.requestedState = state;
    player.currentState = state;
}

Player& opponent(Player& player)
{
    return player.game->world.players[player.index == 0 ? 1 : 0];
}
