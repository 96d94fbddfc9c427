#pragma once

namespace sf { class Shader; }
struct Game;

// In the countdown's grey and the last minute's red, the far picture of the
// fight's background is laid under the picture by the tint's own pass rather
// than drawn into the screen layer first: the frame costs one full-screen
// fill fewer. Where that cannot give the same picture (a cross-fade, sudden
// death's wobble, the swirl after Victory, no shaders) it is drawn as usual.

// Whether this frame's fight leaves its far picture to the tint's pass.
bool farPictureLeftToTint(const Game& game);

// Tells `tint` where the far picture lies on the screen layer, or, when
// `laidUnder` is false, that the picture holds it already.
void feedFarPicture(const Game& game, sf::Shader& tint, bool laidUnder);
