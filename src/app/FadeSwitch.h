#pragma once

#include "app/SceneState.h"

struct Game;
struct ScreenFade;

// What a scene's watch over the curtain saw this frame.
struct CurtainWatch {
    bool reachedBlack = false;  // the curtain this scene started has just turned back from black
};

// The `armed` flag of a scene that leaves through the curtain: cleared while
// the curtain is idle, set while it darkens, and spent on the frame it turns
// back from black. A curtain this scene never saw darkening (started elsewhere,
// or a reveal) therefore never switches it.
CurtainWatch watchCurtain(const ScreenFade& fade, bool& armed);

// The fade-driven switch of the rooms and the custom map list, run after the
// scene's own update: at black, the arrival action, then `state` = `target`.
void fadeDrivenSwitch(Game& game, bool& armed, SceneState target);
