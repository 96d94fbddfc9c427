#pragma once

#include <SFML/Graphics/Rect.hpp>

namespace sf { class RenderTarget; class Shader; class View; }
struct Game;

// Where a frame is drawn. Most frames go straight onto the window; a frame
// that a shader must see whole (the swirl around Victory) and the screens
// that build their picture in the screen layer are drawn there and copied
// onto the window at the end.
struct FrameTarget {
    sf::RenderTarget* target = nullptr;
    bool straight = false;                    // the window itself
    sf::FloatRect viewport{0.f, 0.f, 1.f, 1.f};  // where the logical screen lies on the target
    const sf::Shader* tint = nullptr;         // a fight's grey or red, drawn into each picture (render/FightTint)
    bool hudTinted = false;                   // the HUD takes the tint too
};

constexpr float lastMinute = 60.f;  // s of match time left when the screen turns red

// How a fight's frame reaches the window: plain, grey in the countdown, red in the last minute.
enum class FightLook { Plain, Grey, Red };
FightLook fightLook(const Game& game);

// Whether this frame can go straight onto the window: a room, a fight (but
// a tinted sudden death), the pause menu over either or the options over
// it, no swirl running.
bool drawsStraight(const Game& game);

// The window when the frame goes straight onto it, otherwise the screen layer.
FrameTarget frameTarget(Game& game, sf::RenderTarget& window);
// The screen layer, for frames that a pass copies onto the window.
FrameTarget layerFrame(Game& game);
// `window` as a straight frame target: the logical screen letterboxed in it.
FrameTarget windowFrame(Game& game, sf::RenderTarget& window);

// Aims the frame at the fixed logical screen, or at the world through `view`.
void aimAtScreen(FrameTarget& frame, const Game& game);
void aimAtWorld(FrameTarget& frame, const sf::View& view);
