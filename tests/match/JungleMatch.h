#pragma once

#include "match/JungleFight.h"
#include "support/Headless.h"

#include <SFML/System/Vector2.hpp>

// A classic fight on the real Jungle level, entered as the map room's Jungle
// door enters it (set-up, goal, Fight), with the curtain settled. Frames run
// the whole frame loop with fixed frame times; nothing is drawn unless the
// fight was made with a window.
struct JungleMatch {
    HeadlessGame headless;
    Game& game;
    bool drawing = true;  // with a window: draw every frame

    explicit JungleMatch(bool window = false);

    Player& p1() { return game.world.players[0]; }
    Player& p2() { return game.world.players[1]; }

    void frames(int count, float dt = 1.f / 60.f);
    // Runs frames until `done` holds or `seconds` of game time have passed;
    // the game time it took.
    template <typename Done>
    float runUntil(Done done, float seconds, float dt = 1.f / 60.f)
    {
        float elapsed = 0.f;
        while (!done() && elapsed < seconds) {
            frames(1, dt);
            elapsed += dt;
        }
        return elapsed;
    }
    // Runs the start countdown out.
    void goLive();
    // Knocks a fighter down (it dies in its next update).
    void knockDown(Player& player);
};
