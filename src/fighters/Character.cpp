#include "fighters/Character.h"

#include "fighters/CharacterFile.h"
#include "fighters/Player.h"
#include "resources/Paths.h"
#include "resources/TextFile.h"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <system_error>

namespace {

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

constexpr int noPicture = -1;  // a frame `ensureFrames` gives the box

// A slot's pictures, each read once however often the file lists it, and
// the ones that are missing (said in one line).
struct SlotPictures {
    std::map<std::string, FrameShape> read;  // by path; picture noPicture when it could not be read
    int missing = 0;
    std::string firstMissing;
};

// A picture's frame, centred: no picture when the path was refused or the
// picture is missing or unreadable (`ensureFrames` then draws a box).
FrameShape framePicture(const std::string& path, Character& character, SlotPictures& pictures,
                        const PictureSeen& seen)
{
    FrameShape frame;
    frame.picture = noPicture;
    if (path.empty())
        return frame;
    const auto known = pictures.read.find(path);
    if (known != pictures.read.end())
        return known->second;
    std::error_code error;
    const std::string file = resolvePath(path);
    sf::Image image;
    if (!std::filesystem::is_regular_file(file, error)) {
        if (pictures.missing++ == 0)
            pictures.firstMissing = path;
    } else if (image.loadFromFile(file) && image.getSize().x > 0 && image.getSize().y > 0) {
        frame.picture = static_cast<int>(character.pictures.size());
        frame.shape.size = sf::Vector2f(image.getSize());
        frame.shape.origin = frame.shape.size / 2.f;
        character.pictures.push_back({path, alphaMaskOf(image)});
        if (seen)
            seen(path, image);
    }
    pictures.read.emplace(path, frame);
    return frame;
}

void noteMissingPictures(const SlotPictures& pictures, Problems& problems)
{
    if (pictures.missing == 1)
        problems.push_back({0, "the picture " + quotedWord(pictures.firstMissing, 64) +
                                   " is missing; its frames are drawn as a box"});
    else if (pictures.missing > 1)
        problems.push_back({0, std::to_string(pictures.missing) + " pictures are missing (the first " +
                                   quotedWord(pictures.firstMissing, 64) + "); their frames are drawn as a box"});
}

bool hasPicture(const FrameShape& frame)
{
    return frame.picture != noPicture;
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
    RosterRecord roster;
    readRosterFile(roster);
    reportProblems(shownPath(rosterPath), roster.problems);
    character.files = std::move(roster.files);
}

void loadCharacter(Character& character, int slot, const PictureSeen& seen)
{
    // A slot the roster does not fill (or fills with a refused path) was said by the roster.
    if (slot < 0 || slot >= static_cast<int>(character.files.size()) ||
        character.files[static_cast<std::size_t>(slot)].empty())
        return;
    const std::string& path = character.files[static_cast<std::size_t>(slot)];
    CharacterRecord record;
    if (readCharacterFile(path, record)) {
        SlotPictures pictures;
        character.frames.clear();
        character.pictures.clear();
        character.frames.reserve(record.framePaths.size());
        for (const std::string& picture : record.framePaths)
            character.frames.push_back(framePicture(picture, character, pictures, seen));
        noteMissingPictures(pictures, record.problems);
        character.animations = record.clips;
    }
    reportProblems(shownPath(path), record.problems);
}

void ensureFrames(Character& character, sf::Vector2f size, sf::Color colour)
{
    const bool noFrames = character.frames.empty();
    if (!noFrames && std::all_of(character.frames.begin(), character.frames.end(), hasPicture))
        return;
    sf::Image& box = character.box;
    const unsigned width = static_cast<unsigned>(size.x), height = static_cast<unsigned>(size.y);
    box.create(width, height, colour);
    for (unsigned x = 0; x < width; ++x) {
        box.setPixel(x, 0, sf::Color::White);
        box.setPixel(x, height - 1, sf::Color::White);
    }
    FrameShape frame;
    frame.shape.size = sf::Vector2f(box.getSize());
    frame.shape.origin = size / 2.f;
    frame.picture = static_cast<int>(character.pictures.size());
    character.pictures.push_back({"", alphaMaskOf(box)});
    if (!noFrames) {
        // Frames whose picture is missing show the box; the clips stay as read.
        for (FrameShape& missing : character.frames)
            if (!hasPicture(missing))
                missing = frame;
        return;
    }
    character.frames.push_back(frame);
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
    const int kind = player.skill.kind;
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
    player.frameScale = sf::Vector2f(scaleX, scaleY);
}
