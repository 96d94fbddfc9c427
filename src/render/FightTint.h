#pragma once

namespace sf { class Shader; }
struct FrameTarget;
struct Game;

// The countdown's grey and the last minute's red colour every picture of the
// fight as it is drawn, rather than in a pass over the whole screen: both
// tints are blends of a pixel's own colour, the same wherever it lands, so
// tinting each drawing gives the picture a pass over the result would.

// The tint for a fight drawn straight onto the window (none for other frames,
// nor where the machine has no shaders), its shader fed for this frame: the
// grey covers the HUD too, the red leaves it as it is.
void tintFightFrame(Game& game, FrameTarget& frame);

// The last minute's red: 0 with a minute left, 1 when the time is up.
float redRatio(const Game& game);

// Feeds the red tint this moment's strength.
void feedRedTint(Game& game);

// The vertex stage of the red tint: it tells the pixels where on the
// logical screen they lie.
const char* screenPlaceVertexShader();
