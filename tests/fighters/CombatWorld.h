#pragma once

#include "support/Headless.h"

#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <string>
#include <vector>

// A tiny fight for the combat, skill, death and hazard tests: one section of
// 60 columns with a floor on row 15, two fighters of chosen kinds standing on
// it, the fight live and the curtain settled. Frames run the fight's order:
// shots, camera, players.
struct CombatWorld {
    HeadlessGame headless;
    Game& game;
    std::vector<std::unique_ptr<sf::Texture>> boxes;  // frames for slots whose pictures are missing

    explicit CombatWorld(int kindP1 = 1, int kindP2 = 1);

    Player& p1() { return game.world.players[0]; }
    Player& p2() { return game.world.players[1]; }

    // Gives player `index` fighter kind `kind` (0 Napollo .. 3 Swapper).
    void setKind(int index, int kind);
    // Sets the code of a cell of section 0 and rebuilds the collision.
    void setCell(int column, int row, int code);
    // Stands a fighter on the floor at world x, facing `facing`.
    void stand(Player& p, float x, int facing);
    // Shows frame `frame` at the fighter's position (as the animation would).
    void showFrame(Player& p, int frame);
    // Runs `count` fight frames of `dt` seconds.
    void frames(int count, float dt = 1.f / 60.f);
};

// The floor row of the tiny world and the y of its top.
constexpr int floorRow = 15;
constexpr float floorTop = floorRow * 64.f;

// Gives a sound key a short tone, so that whether it plays can be seen.
void giveSound(const std::string& key);
bool soundPlaying(const std::string& key);
