#pragma once

#include "support/Headless.h"
#include "world/FightWorld.h"

// What the match tests do to a classic fight on the real Jungle level: the
// fighters' kinds, items, the live section, where they stand, where the view
// looks, and the crate and item steps alone. Works on whichever world a
// stage below holds.
struct StageMoves {
    FightWorld* world = nullptr;

    Player& p1() { return world->players[0]; }
    Player& p2() { return world->players[1]; }

    // Gives player `index` fighter kind `kind` (0 Napollo .. 3 Swapper).
    void setKind(int index, int kind);
    // Hands a player an item of `kind`, in use or waiting.
    void give(Player& player, int kind, bool inUse = false);
    // Makes `section` the live one, the view on its middle.
    void goToSection(int section);
    // Puts a fighter on the floor found from world x, facing `facing`.
    void stand(Player& player, float x, int facing = 1);
    // Points the view at world x (its vertical rest place).
    void lookAt(float x);
    // Runs the crate step and the item step `count` times with `dt` (nothing else moves).
    void itemFrames(int count, float dt = 1.f / 60.f);
    // Section `section` live, the view on it, both fighters on its floor facing each other.
    void placeOn(int section);
};

// The stage inside a whole game (for the HUD and the pictures): section
// `section` live, the curtain settled, the fight running and both fighters
// past their protection, standing on the floor.
struct FightStage : StageMoves {
    HeadlessGame headless;
    Game& game;

    explicit FightStage(bool openWindow = false, int section = 2);
};

// The stage on a world alone, no game: the Jungle fight set up as its door
// sets it up, then made live at once on section `section`. Frames step the
// world in its fixed steps with the buttons in `inputs`.
struct JungleStage : StageMoves {
    FightWorld fight;
    FightInput inputs[2];

    explicit JungleStage(int section = 2);
    // Runs `count` frames of 1/60 s (five steps each).
    void frames(int count = 1);
};
