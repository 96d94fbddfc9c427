#pragma once

#include "world/GameTime.h"

#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>

struct FightWorld;

// The view is always 1920 x 1080 world px, whatever the window's size.
constexpr float designWidth = 1920.f;   // px
constexpr float designHeight = 1080.f;  // px
constexpr float halfDesignWidth = designWidth / 2.f;
constexpr float halfDesignHeight = designHeight / 2.f;
// Where the centre rests vertically: half the screen plus one tile.
constexpr float restCentreY = designHeight * 0.5f + 64.f;  // px, 604
// A pan ends when the centre is this close to its target.
constexpr float panMargin = 20.f;  // px

// The one world view of the walkable scenes: it follows the player with the
// right of way, stays inside the live section, pans across a section change
// and shakes.
struct Camera {
    bool inTransition = false;  // a section change is being panned
    bool catchUp = false;       // the advancing player ran past the pan target
    bool shaking = false;
    bool targetFixed = false;   // the running pan has its target
    sf::View view;
    sf::Vector2f centre;        // smoothed centre, without the shake
    FightWorld* world = nullptr;
    sf::Vector2f panTarget{0.f, 0.f};
    int panSituation = 0;       // the chase situation when the pan target was fixed
    GameClock shakeClock;
    float shakeDuration = 0.5f;   // s
    float shakeAmplitude = 5.f;   // px
    float shakeStart = 0.f;       // s on shakeClock

    Camera() { reset(); }

    // The design rectangle with its centre at the vertical rest point.
    void reset();
    // One smoothing step toward `target` (only its x counts; y is pulled to
    // the rest point), then the clamp to the live section.
    void moveTowards(sf::Vector2f target);
    // Right of way, then follow whoever has it (or the goal during a capture).
    void followRoles();
    // The pan across a section after a section change.
    void updateTransition();
};

// The per-frame step of the hubs and the fight, before their own logic.
void updateCamera(Camera& camera);
// Jumps (without smoothing) to the middle of the middle section.
void centreOnMiddleSection(Camera& camera);
// Starts a shake of `amplitude` px for `duration` s, unless one is running.
void startShake(Camera& camera, float amplitude, float duration);
