#pragma once

#include "fighters/PictureShape.h"
#include "fighters/PixelOverlap.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Player;

// The animation (and action) states of a fighter. The values index a
// character's clip table and are stored in the player.
enum class AnimState : std::int32_t {
    RUNNING = 0,
    JUMPING = 1,
    FALLING = 2,
    IDLE = 3,
    UNUSED_4 = 4,
    UNUSED_5 = 5,
    ATTACKING = 6,
    ATTACK_RUN = 7,
    DEATH = 8,
    PARRY = 9,
    DASH = 10,
    SHOOT = 11,
    STUN = 12,
    DEFLECT = 13,
    SEISME = 14,
};
constexpr int animStateCount = 15;

// One clip: frames `first` .. `last` - 1 over `duration` seconds.
struct Animation {
    int first = 0;
    int last = 0;  // one past the last frame
    float duration = 0.f;
    int mode = 0;  // 0 loop ("LOOP"), 1 play once ("ONCE")
};

// One frame as the rules see it: its picture's shape and which of the
// slot's pictures it shows.
struct FrameShape {
    PictureShape shape;
    int picture = 0;  // index into Character::pictures
};

// One picture of a slot: its file ("" for the slot's box) and its alpha.
struct FramePicture {
    std::string path;
    AlphaMask mask;
};

// One character slot: the frames and clips of one fighter kind in one
// player's colours. Slot = player number x 4 + kind. No texture: drawing
// makes its own sprites from `pictures` and `box`.
struct Character {
    int parseSlot = 0;  // the clip the loader is filling
    std::array<Animation, animStateCount> animations{};
    std::vector<FrameShape> frames;
    std::vector<FramePicture> pictures;  // each distinct picture once
    std::vector<std::string> files;      // the roster's character file paths
    sf::Image box;                       // shown for frames without a picture; empty while none needs it
};

// Fighter kinds: 0 Napollo, 1 Atoola, 2 Gigachill, 3 Swapper.
constexpr int kindCount = 4;
constexpr int characterSlotCount = 8;
constexpr int maxFrames = 32767;  // frames one character file may list

// The slot of a player's kind.
int characterSlot(int playerIndex, int kind);

// Reads "persos.txt" into `character.files` (see `parseRoster`); problems
// go to standard error.
void loadRoster(Character& character);
// Shown each picture a loader decodes, so that whoever also draws it need
// not decode the file again.
using PictureSeen = std::function<void(const std::string& path, const sf::Image& picture)>;

// Reads the character file `character.files[slot]` (see `parseCharacterFile`):
// clips, and frame pictures, each distinct picture read once (its size and
// alpha; no graphics card needed) and shown to `seen`.
void loadCharacter(Character& character, int slot, const PictureSeen& seen = {});
// Gives a slot without frames one visible frame (a box of `colour`) and
// clips on it, and every frame whose picture is missing that box, so a
// fighter of that kind is never drawn from missing frames.
void ensureFrames(Character& character, sf::Vector2f size, sf::Color colour);

// Applies the kind's hitbox, hit points and speed to the player.
void applyCharacterStats(Player& player);
// Sets `facing` from the sign of `scaleX` and the scale the fighter's frames show at.
void setFacingScale(Player& player, float scaleX, float scaleY);
// The kind's hitbox (px) and player colour, for placeholders and the stats.
sf::Vector2f kindHitbox(int kind);
sf::Color playerColour(int playerIndex);
