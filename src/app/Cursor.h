#pragma once

struct Game;

// Shows or hides the mouse cursor. The window may be closed (tests, or the
// frame after a Closed event), so the request is remembered in
// `game.cursorVisible` and passed on only to an open window.
void setCursorVisible(Game& game, bool visible);
