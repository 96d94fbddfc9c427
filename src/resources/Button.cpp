#include "resources/Button.h"

#include "resources/TextureCache.h"

#include <SFML/Graphics/Texture.hpp>

Button::Button(std::string path, sf::Vector2f position_, unsigned frameCount_)
    : frameCount(frameCount_ == 0 ? 1 : frameCount_), position(position_)
{
    const sf::Texture& strip = sharedTexture(path, false);
    sprite.setTexture(strip, true);
    const sf::Vector2u size = strip.getSize();
    frameWidth = size.x / frameCount;
    frameHeight = size.y;
    sprite.setOrigin(static_cast<float>(size.x) / (2.f * static_cast<float>(frameCount)),
                     static_cast<float>(size.y) / 2.f);
}

void animateButton(ButtonAnimator& animator, sf::Sprite& sprite, bool& hovered, bool& clicked, float frameTime)
{
    if (hovered)
        animator.frame = 1;
    else if (!clicked)
        animator.frame = 0;
    if (clicked) {
        hovered = false;
        animator.pressTimer += frameTime;
        animator.frame = 2;
        if (animator.pressTimer >= animator.pressDuration) {
            animator.pressTimer = 0.f;
            animator.frame = 0;
            clicked = false;
        }
    }
    sprite.setTextureRect(sf::IntRect(static_cast<int>(animator.stride) * animator.frame, 0,
                                      static_cast<int>(animator.frameSize.x), static_cast<int>(animator.frameSize.y)));
}

void prepareButton(Button& button, sf::Vector2u frameSize, float pressDuration)
{
    button.animator.frameSize = frameSize;
    button.animator.stride = frameSize.x;
    button.animator.pressDuration = pressDuration;
    button.sprite.setOrigin(static_cast<float>(frameSize.x) / 2.f, static_cast<float>(frameSize.y) / 2.f);
    button.sprite.setPosition(button.position);
    button.sprite.setTextureRect(sf::IntRect(0, 0, static_cast<int>(frameSize.x), static_cast<int>(frameSize.y)));
}

sf::Vector2u stripFrameSize(const Button& button)
{
    return sf::Vector2u(button.frameWidth, button.frameHeight);
}

bool buttonContains(const Button& button, sf::Vector2f point)
{
    const sf::Vector2f half(static_cast<float>(button.animator.frameSize.x) / 2.f,
                            static_cast<float>(button.animator.frameSize.y) / 2.f);
    return point.x > button.position.x - half.x && point.x < button.position.x + half.x &&
           point.y > button.position.y - half.y && point.y < button.position.y + half.y;
}
