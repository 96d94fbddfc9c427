#pragma once

#include "characters/ArtCanvas.h"
#include "characters/Rig.h"

// The four fighter kinds, numbered as the game numbers them.
enum class Kind { Napollo = 0, Atoola = 1, Gigachill = 2, Swapper = 3 };

// Everything that makes one character slot look like itself: its kind's
// body and gear, painted in its player's colours (P1 cyan, P2 red).
struct FighterLook {
    Kind kind = Kind::Napollo;
    int player = 0;
    int hitboxHeight = 102;  // picture pixels
    Build build;
    Tones team;   // main cloth
    Tones deep;   // trousers, cloak
    Tones skin;
    Tones hair;
    Tones metal;
    Tones leather;
    sf::Color glow;  // light of the kind's energy (shots, guard glint, marker)
    sf::Color eyes;
};

FighterLook fighterLook(Kind kind, int player);

// The team colours also used by the swap marker and the shot.
sf::Color teamColour(int player);
sf::Color teamGlow(int player);
