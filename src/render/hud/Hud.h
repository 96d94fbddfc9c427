#pragma once

#include "render/QuadBatch.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

namespace sf { class RenderTarget; }
struct Game;
struct Player;

// What a use-key text shows now, so that its string is set only when it changes.
struct ShownKey {
    bool set = false;  // the text shows something already
    bool keyboard = true;
    int code = 0;
};

// The in-fight display: the texts and pictures that show the countdown, the
// match timer and the sudden-death banner. Positions are in the 1920 x 1080 screen.
struct Hud {
    float timerBlinkPhase = 0.f;  // advanced while the time is out
    sf::Text centreText;  // countdown digits, "FIGHT !" or "SUDDEN DEATH"
    sf::Text timerText;   // "m : ss" at the top of the screen
    int shownSeconds = -1;    // whole seconds `timerText` shows (-1: not yet set)
    int shownCountdown = -1;  // 3, 2, 1 or 0 ("FIGHT !") in `centreText` (-1: other text)
    bool suddenDeathShown = false;  // the banner went up for the running sudden death

    // Room part: each player's fighter card and the key that changes it.
    sf::Sprite cards[4];  // by fighter kind
    sf::Sprite cycleHints[2];

    // The STOP item's flash: one frame opaque, then fading.
    bool stopFlash = false;
    float stopFlashLevel = 0.f;  // alpha, 255 down to 0

    // Minimap and item frames.
    sf::Sprite flagIcons[2];
    sf::Sprite mapFrame, mapArrow;
    sf::Sprite itemFrames[2];
    sf::RectangleShape effectBars[2];
    sf::Sprite effectFrame, effectBack;
    sf::Text useKeyTexts[2];
    ShownKey shownKeys[2];
    // Whose bindings name each side's Use Item key: the side's own, but online
    // this machine's P1 keys play its side and the other side's keys are far away.
    int useKeysOf[2] = {0, 1};  // a player of the game's bindings, or -1: no key shown

    // Above the fighters' heads.
    sf::Sprite ammoIcon, ammoEmptyIcon;
    sf::Sprite gaugeFrames[2];
    sf::RectangleShape gaugeFills[2];
    sf::Sprite gaugeBack;

    sf::Sprite directionArrow;

    // The kill race's plaque and bars.
    sf::Sprite caaFrame, caaBack;
    sf::RectangleShape caaBars[2];

    // One white texel the bars are painted with, so that a shader colouring
    // the pictures (the countdown's grey) colours them as well.
    sf::Texture white;

    // Repeated pictures, one draw call each.
    QuadBatch mapCells, loadedShots, emptyShots;
};

// Where a fighter outside the view is marked at the screen edge.
struct OffScreenMarker {
    bool shown = false;
    sf::Vector2f position;  // screen px
    float scale = 1.f;      // 0.5 .. 2.0
    bool mirrored = false;  // pointing left
};

// Construction: pictures, texts and bars.
void initHud(Hud& hud, Game& game);

// Each fight frame: countdown, timer, use-key names, gauges, kill bars.
void hudUpdate(Game& game);
// The fight part of the HUD (Fight and Pause) into the HUD layer in screen
// view; `states` may carry the countdown's grey.
void hudDraw(Game& game, sf::RenderTarget& hudLayer, const sf::RenderStates& states = sf::RenderStates::Default);
// The menu rooms' part (rooms and Pause): markers, fighter cards and, outside
// the pause, the hints under them; in screen view.
void hudDrawRoom(Game& game, sf::RenderTarget& target);
// The way to go for the player with the right of way, in camera view.
void drawDirectionArrow(Game& game, const Player& player, sf::RenderTarget& hudLayer,
                        const sf::RenderStates& states = sf::RenderStates::Default);

// The marker of a player outside the view (none while the camera pans).
OffScreenMarker offScreenMarker(const Game& game, const Player& player);
void drawOffScreenMarkers(Game& game, sf::RenderTarget& target,
                          const sf::RenderStates& states = sf::RenderStates::Default);
// The point the direction arrow of `player` aims at (world px).
sf::Vector2f arrowTarget(const Game& game, const Player& player);
// Where a world point shows on the screen (the camera's view, unzoomed).
sf::Vector2f worldToScreen(const Game& game, sf::Vector2f world);
// Screen position of player `index`'s item frame.
sf::Vector2f itemFramePosition(const Game& game, int index);
