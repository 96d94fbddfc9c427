#include "render/fight/FighterFrames.h"

#include "fighters/Player.h"
#include "resources/Loading.h"

void loadFighterFrames(FighterFrames& frames, const Character* slots)
{
    frames.slots = slots;
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const Character& character = slots[slot];
        sf::Texture& box = frames.boxes[slot];
        if (character.box.getSize().x > 0)
            box.loadFromImage(character.box);
        std::vector<sf::Sprite>& pictures = frames.pictures[slot];
        pictures.clear();
        for (const FramePicture& picture : character.pictures)
            pictures.push_back(picture.path.empty() ? sf::Sprite(box) : loadFrameSprite(picture.path));
        // A sprite shows its picture around the centre the rules measure from.
        for (const FrameShape& frame : character.frames)
            if (frame.picture >= 0 && frame.picture < static_cast<int>(pictures.size()))
                pictures[static_cast<std::size_t>(frame.picture)].setOrigin(frame.shape.origin);
    }
}

std::optional<sf::Sprite> frameSprite(const FighterFrames& frames, const Player& player)
{
    if (!frames.slots || !player.character || player.frame < 0 || player.frame >= frameCount(player))
        return std::nullopt;
    const std::ptrdiff_t slot = player.character - frames.slots;
    if (slot < 0 || slot >= characterSlotCount)
        return std::nullopt;
    const FrameShape& frame = player.character->frames[static_cast<std::size_t>(player.frame)];
    const std::vector<sf::Sprite>& pictures = frames.pictures[slot];
    if (frame.picture < 0 || frame.picture >= static_cast<int>(pictures.size()))
        return std::nullopt;
    sf::Sprite sprite = pictures[static_cast<std::size_t>(frame.picture)];
    sprite.setPosition(player.framePosition);
    sprite.setScale(player.frameScale);
    return sprite;
}
