#include "fighters/Player.h"

#include "world/FightWorld.h"
#include "resources/FolderListing.h"

Player::Player()
{
    moveScale = sf::Vector2f(1.f, 1.f);
    size = sf::Vector2f(60.f, 99.f);
    marker.moveScale = sf::Vector2f(1.f, 1.f);
    marker.position = sf::Vector2f(32767.f, 32767.f);
}


namespace {

constexpr int startKind = 1;              // both fighters start as Atoola
constexpr float fullDashCharge = 1000.f;  // px

}  // namespace

void loadCharacterSlots(Character slots[characterSlotCount], const PictureSeen& seen)
{
    // The roster is read (and its problems said) once; every slot keeps a copy.
    const RememberedFolders listedOnce;
    loadRoster(slots[0]);
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        Character& character = slots[slot];
        character.files = slots[0].files;
        loadCharacter(character, slot, seen);
        const int kind = slot % kindCount;
        ensureFrames(character, kindHitbox(kind), playerColour(slot / kindCount));
    }
}

void startPlayer(Player& player, int index, Character* slots)
{
    player.index = index;
    player.input.joystick = index;
    player.marker.owner = index;
    player.character = &slots[characterSlot(index, startKind)];
    selectSkill(player.skill, player, startKind);
    player.dashCharge = fullDashCharge;
}

int frameCount(const Player& player)
{
    return player.character ? static_cast<int>(player.character->frames.size()) : 0;
}

std::optional<PlacedFrame> placedFrame(const Player& player)
{
    if (player.frame < 0 || player.frame >= frameCount(player))
        return std::nullopt;
    const Character& character = *player.character;
    const FrameShape& frame = character.frames[static_cast<std::size_t>(player.frame)];
    PlacedFrame placed;
    placed.shape = &frame.shape;
    if (frame.picture >= 0 && frame.picture < static_cast<int>(character.pictures.size()))
        placed.mask = &character.pictures[static_cast<std::size_t>(frame.picture)].mask;
    placed.position = player.framePosition;
    placed.scale = player.frameScale;
    return placed;
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
    const std::optional<PlacedFrame> frame = placedFrame(player);
    return frame ? placedBox(*frame->shape, frame->position, frame->scale) : hitbox(player);
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

void setFighterKind(Player& player, int kind)
{
    selectSkill(player.skill, player, kind);
    player.character = &player.world->setting->characters[characterSlot(player.index, kind)];
    applyCharacterStats(player);
    setBothStates(player, AnimState::IDLE);
    player.frame = 0;
    setFacingScale(player, static_cast<float>(player.facing), 1.f);
}

Player& opponent(Player& player)
{
    return player.world->players[player.index == 0 ? 1 : 0];
}

void cueSound(const Player& player, const char* key, float volume, bool restart)
{
    if (player.world)
        player.world->events.sounds.push_back({key, volume, restart});
}
