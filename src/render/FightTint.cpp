#include "render/FightTint.h"

#include "app/Game.h"
#include "render/FrameTarget.h"

float redRatio(const Game& game)
{
    return (lastMinute - game.world.match.matchTimer) / lastMinute;
}

const char* screenPlaceVertexShader()
{
    // The fixed pipeline's work, and where the vertex lies across the view's
    // viewport (the letterboxed logical screen), for the red tint's edges. A
    // varying costs the software renderer far less than the pixel's position.
    return R"(#version 110
varying vec2 screenUv;
void main()
{
    gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;
    gl_TexCoord[0] = gl_TextureMatrix[0] * gl_MultiTexCoord0;
    gl_FrontColor = gl_Color;
    screenUv = gl_Position.xy / gl_Position.w * 0.5 + 0.5;
}
)";
}

void feedRedTint(Game& game)
{
    game.redLevel.setUniform("ratioTime", redRatio(game));
}

void tintFightFrame(Game& game, FrameTarget& frame)
{
    frame.tint = nullptr;
    frame.hudTinted = false;
    if (game.state != SceneState::Fight)
        return;
    // The grey is fed for the copy of a frame drawn in the screen layer too.
    const FightLook look = fightLook(game);
    if (look == FightLook::Grey)
        game.greyLevel.setUniform("compteur", game.world.match.countdown);
    if (!frame.straight || look == FightLook::Plain)
        return;
    sf::Shader& tint = look == FightLook::Grey ? game.greyLevel : game.redLevel;
    if (tint.getNativeHandle() == 0)
        return;
    if (look == FightLook::Red)
        feedRedTint(game);
    frame.tint = &tint;
    frame.hudTinted = look == FightLook::Grey;
}
