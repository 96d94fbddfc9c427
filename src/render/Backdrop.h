#pragma once

struct Game;

// The options and key-binding screens stand over the background of the scene
// the pause menu stopped (the room's pictures, or the fight's far, middle and
// near pictures), kept in the background layer. Rooms and fights draw their
// backgrounds straight onto the frame, so the layer is filled once, when
// one of those screens opens.
struct Backdrop {
    bool filled = false;  // the layer holds the paused scene's background
};

// Fills the background layer on the first frame of the options or key
// bindings; forgets it on any other screen.
void keepBackdrop(Game& game);
