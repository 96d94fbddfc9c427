#pragma once

#include "app/SceneState.h"

namespace sf { class RenderTarget; }
struct Game;

// Scenes draw into the seven off-screen layers; these stack the layers and
// compose the result onto the window through the effect shaders.

// The fight background: far, middle and near pictures, cross-faded between sections.
void drawParallax(Game& game);
// One frame of the background cross-fade towards `section` (0..4).
void stepBackgroundCrossFade(Game& game, int section, bool inTransition);

// The fight, stacked onto the screen layer (Fight, Victory, Pause over a fight).
void drawFightScene(Game& game);
// A walkable menu room, stacked onto the screen layer (MainHub, ModeSelect, MapSelect).
void drawRoomScene(Game& game, SceneState room);

// The first actions of every draw: clear the five per-frame layers.
void clearFrameLayers(Game& game);
// The last action of every draw: finalise all seven layers.
void finaliseLayers(Game& game);

// How the frame reached the window (what a player sees, for tests and tools).
enum class VortexPass {
    None,
    InToWindow,        // Victory: the swirl straight onto the window
    InThroughRed,      // Victory of a match that ended in its last minute: swirl, then red tint
    OutToWindow,       // the second after Victory, onto the window
    OutToVortexLayer,  // the second after Victory, in a fight: kept for the final copy
};
enum class FinalCopy {
    None,   // the vortex pass already made the frame
    Grey,   // fight countdown
    Red,    // last minute of a match, HUD re-drawn untinted
    Plain,
};
struct Composition {
    VortexPass vortex = VortexPass::None;
    FinalCopy finalCopy = FinalCopy::None;
    bool fromVortexLayer = false;  // the final copy showed the vortex layer, not the screen layer
};

// The end of every draw: the vortex effects, the curtain and the final copy
// onto `target`, letterboxed, then the layers are finalised. The program
// passes its window; tests pass an off-screen texture.
Composition composeToWindow(Game& game, sf::RenderTarget& target);
Composition composeToWindow(Game& game);
