#include "characters/FighterLook.h"

#include "Canvas.h"

sf::Color teamColour(int player) { return player == 0 ? sf::Color(38, 188, 222) : sf::Color(222, 56, 62); }

sf::Color teamGlow(int player) { return player == 0 ? sf::Color(178, 250, 255) : sf::Color(255, 206, 150); }

namespace {

sf::Color teamDeep(int player) { return player == 0 ? sf::Color(36, 74, 132) : sf::Color(104, 32, 54); }

// hip height, torso length, torso radius, head radius, neck, thigh and shin
// (set below: the legs just reach the ground with a slight bend), upper arm,
// forearm, limb radius, hand radius.
Build buildOf(Kind kind)
{
    const Build builds[] = {
        {20.f, 14.f, 5.f, 6.5f, 6.5f, 0.f, 0.f, 8.f, 8.f, 2.2f, 2.f},
        {22.f, 15.f, 4.3f, 6.2f, 6.5f, 0.f, 0.f, 8.5f, 8.5f, 2.f, 2.f},
        {19.f, 17.f, 7.5f, 6.5f, 6.f, 0.f, 0.f, 8.5f, 8.f, 3.f, 2.8f},
        {18.f, 13.5f, 4.5f, 6.f, 6.f, 0.f, 0.f, 7.5f, 7.5f, 2.2f, 2.f},
    };
    Build b = builds[static_cast<int>(kind)];
    b.thigh = b.shin = (b.hipHeight - 1.5f) / 2.f;
    return b;
}

}  // namespace

FighterLook fighterLook(Kind kind, int player)
{
    FighterLook look;
    look.kind = kind;
    look.player = player;
    look.build = buildOf(kind);
    const int heights[] = {102, 108, 114, 99};
    look.hitboxHeight = heights[static_cast<int>(kind)];
    look.team = tonesOf(teamColour(player));
    look.deep = tonesOf(teamDeep(player));
    look.metal = tonesOf(sf::Color(146, 156, 172));
    look.leather = tonesOf(sf::Color(112, 74, 46));
    look.glow = teamGlow(player);
    look.eyes = sf::Color(24, 18, 32);
    switch (kind) {
    case Kind::Napollo:
        look.skin = tonesOf(sf::Color(196, 132, 90));
        look.hair = tonesOf(sf::Color(60, 40, 30));
        break;
    case Kind::Atoola:
        look.skin = tonesOf(sf::Color(238, 190, 150));
        look.hair = tonesOf(sf::Color(238, 232, 220));
        break;
    case Kind::Gigachill:
        look.skin = tonesOf(sf::Color(138, 88, 60));
        look.hair = tonesOf(sf::Color(40, 30, 26));
        break;
    case Kind::Swapper:
        look.skin = tonesOf(sf::Color(58, 48, 82));
        look.hair = look.deep;
        look.eyes = teamGlow(player);
        break;
    }
    return look;
}
