#pragma once

#include "app/SceneState.h"

namespace sf { class RenderTarget; class Shader; }
struct FrameTarget;
struct Game;

// Scenes draw onto the frame target (the window, or the screen layer when a
// shader must see the whole picture); these compose the result onto the
// window through the effect shaders.

// The fight background: far, middle and near pictures, cross-faded between
// sections; the cross-fade steps once a drawing. `tint` colours each picture.
void drawParallax(Game& game, sf::RenderTarget& target, const sf::Shader* tint = nullptr);
// The same pictures, the cross-fade left as it is.
void drawParallaxPictures(Game& game, sf::RenderTarget& target, const sf::Shader* tint = nullptr);
// The background picture pair a section shows (0..4).
int backgroundVariant(int index);
// The two pictures of a walkable room, in the world.
void drawRoomPictures(Game& game, SceneState room, sf::RenderTarget& target);
// One frame of the background cross-fade towards `section` (0..4).
void stepBackgroundCrossFade(Game& game, int section, bool inTransition);

// The fight onto the frame (Fight, Victory, Pause over a fight), through the
// frame's tint; in the screen layer in the last minute without its HUD,
// which the composition draws over the red tint.
void drawFightScene(Game& game, FrameTarget& frame);
// The fight's HUD and direction marks.
void drawFightHud(Game& game, FrameTarget& frame);
// A walkable menu room onto the frame (MainHub, ModeSelect, MapSelect).
void drawRoomScene(Game& game, SceneState room, FrameTarget& frame);

// The first action of every draw: the screen layer is cleared when the frame
// is drawn there, and the layers a screen draws into are cleared for it.
void clearFrameLayers(Game& game, const FrameTarget& frame);
// The last action of every draw: finalise the layers.
void finaliseLayers(Game& game);

// How the frame reached the window (what a player sees, for tests and tools).
enum class VortexPass {
    None,
    InToWindow,        // Victory: the swirl straight onto the window
    InThroughRed,      // Victory of a match that ended in its last minute: swirl and red tint in one pass
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
    bool straight = false;  // the frame was drawn onto the window itself; only the curtain went on
    VortexPass vortex = VortexPass::None;
    FinalCopy finalCopy = FinalCopy::None;
    bool fromVortexLayer = false;  // the final copy showed the vortex layer, not the screen layer
};

// The end of every draw: the vortex effects, the curtain and the final copy
// of the screen layer onto `target`, letterboxed, then the layers are
// finalised. A frame drawn straight onto the window only gets its curtain.
// The program passes its window; tests pass an off-screen texture.
Composition composeFrame(Game& game, FrameTarget& frame, sf::RenderTarget& target);
// A frame drawn in the screen layer, composed onto `target`.
Composition composeToWindow(Game& game, sf::RenderTarget& target);
