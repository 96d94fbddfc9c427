#include "fighters/Character.h"

#include "fighters/Player.h"
#include "resources/Loading.h"
#include "resources/Paths.h"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <fstream>
#include <iostream>

namespace {

const char* const rosterPath = "persos.txt";

struct KindStats {
    sf::Vector2f hitbox;  // px
    int hitPoints;
    float speedFactor;
};

// Napollo, Atoola, Gigachill, Swapper. The Swapper's speed comes with its skill.
const KindStats kindStats[kindCount] = {
    {{60.f, 102.f}, 1, 1.0f},
    {{60.f, 108.f}, 1, 1.0f},
    {{60.f, 114.f}, 2, 0.8f},
    {{60.f, 99.f}, 1, 1.0f},
};

struct ClipKeyword {
    const char* word;
    AnimState state;
};

const ClipKeyword clipKeywords[] = {
    {"RUNNING", AnimState::RUNNING}, {"JUMPING", AnimState::JUMPING},       {"FALLING", AnimState::FALLING},
    {"IDLE", AnimState::IDLE},       {"ATTACKING", AnimState::ATTACKING},   {"ATTACK_RUN", AnimState::ATTACK_RUN},
    {"DEATH", AnimState::DEATH},     {"PARRY", AnimState::PARRY},           {"DASH", AnimState::DASH},
    {"SHOOT", AnimState::SHOOT},     {"STUN", AnimState::STUN},             {"DEFLECT", AnimState::DEFLECT},
    {"SEISME", AnimState::SEISME},
};

void readSprites(Character& character, std::istream& in)
{
    int count = 0;
    if (!(in >> count))
        return;
    count = std::clamp(count, 0, maxFrames);
    character.spriteCount = count;
    character.sprites.assign(static_cast<std::size_t>(count), sf::Sprite());
    std::string path;
    for (int i = 0; i < count && in >> path; ++i)
        character.sprites[static_cast<std::size_t>(i)] = loadSprite(path, true, false);
}

void readClip(Character& character, std::istream& in)
{
    std::string name;
    in >> name;
    for (const ClipKeyword& keyword : clipKeywords)
        if (name == keyword.word)
            character.parseSlot = static_cast<int>(keyword.state);
    Animation& clip = character.animations[static_cast<std::size_t>(character.parseSlot)];
    in >> clip.first >> clip.last >> clip.duration;
    std::string mode;
    in >> mode;
    if (mode == "LOOP")
        clip.mode = 0;
    else if (mode == "ONCE")
        clip.mode = 1;
}

constexpr float placeholderClipLength = 0.4f;  // s

int isOneShot(AnimState state)
{
    switch (state) {
    case AnimState::ATTACKING:
    case AnimState::ATTACK_RUN:
    case AnimState::DEATH:
    case AnimState::PARRY:
    case AnimState::DASH:
    case AnimState::SHOOT:
    case AnimState::SEISME:
        return 1;
    default:
        return 0;
    }
}

}  // namespace

int characterSlot(int playerIndex, int kind)
{
    return playerIndex * kindCount + kind;
}

void loadRoster(Character& character)
{
    std::ifstream in(resolvePath(rosterPath));
    if (!in) {
        std::cout << "Error Loading perso.txt" << std::endl;
        return;
    }
    std::string word;
    while (in >> word)
        character.files.push_back(word);
}

void loadCharacter(Character& character, int slot)
{
    if (slot < 0 || slot >= static_cast<int>(character.files.size())) {
        std::cout << "Error Loading " << std::endl;  // the roster names no file for this slot
        return;
    }
    const std::string& path = character.files[static_cast<std::size_t>(slot)];
    std::ifstream in(resolvePath(path));
    if (!in) {
        std::cout << "Error Loading " << path << std::endl;
        return;
    }
    std::string word;
    while (in >> word) {
        if (word == "SPRITES")
            readSprites(character, in);
        else if (word == "ANIM")
            readClip(character, in);
        if (in.fail() && !in.eof())
            in.clear();  // a garbled number: skip on to the next word
    }
}

void ensureFrames(Character& character, sf::Vector2f size, sf::Color colour)
{
    if (!character.sprites.empty())
        return;
    sf::Image box;
    const unsigned width = static_cast<unsigned>(size.x), height = static_cast<unsigned>(size.y);
    box.create(width, height, colour);
    for (unsigned x = 0; x < width; ++x) {
        box.setPixel(x, 0, sf::Color::White);
        box.setPixel(x, height - 1, sf::Color::White);
    }
    character.placeholder = std::make_unique<sf::Texture>();
    character.placeholder->loadFromImage(box);
    sf::Sprite frame(*character.placeholder);
    frame.setOrigin(size.x / 2.f, size.y / 2.f);
    character.sprites.push_back(frame);
    character.spriteCount = 1;
    // Its clips all show that frame; the one-shot ones still end, so attacks,
    // parries and shots finish as they would with real frames.
    for (std::size_t state = 0; state < character.animations.size(); ++state)
        character.animations[state] = Animation{0, 1, placeholderClipLength, isOneShot(static_cast<AnimState>(state))};
}

sf::Vector2f kindHitbox(int kind)
{
    return kind >= 0 && kind < kindCount ? kindStats[kind].hitbox : sf::Vector2f(60.f, 99.f);
}

sf::Color playerColour(int playerIndex)
{
    return playerIndex == 0 ? sf::Color(40, 190, 220) : sf::Color(220, 60, 60);
}

void applyCharacterStats(Player& player)
{
    player.sprites = player.character ? &player.character->sprites : nullptr;
    const int kind = player.skill ? player.skill->kind : -1;
    if (kind < 0 || kind >= kindCount)
        return;
    player.size = kindStats[kind].hitbox;
    player.hitPoints = kindStats[kind].hitPoints;
    if (kind != 3)
        player.speedFactor = kindStats[kind].speedFactor;
}

void setFacingScale(Player& player, float scaleX, float scaleY)
{
    player.facing = scaleX < 0.f ? -1 : 1;
    if (!player.character)
        return;
    for (sf::Sprite& frame : player.character->sprites)
        frame.setScale(scaleX, scaleY);
}
