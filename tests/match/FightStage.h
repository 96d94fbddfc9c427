#pragma once

#include "support/Headless.h"

// A classic fight on the real Jungle level (its character files and
// pictures too): section `section` live, the curtain settled, the fight
// running and both fighters past their protection, standing on the floor.
struct FightStage {
    HeadlessGame headless;
    Game& game;

    explicit FightStage(bool openWindow = false, int section = 2);

    Player& p1() { return game.world.players[0]; }
    Player& p2() { return game.world.players[1]; }

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
};
