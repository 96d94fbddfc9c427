#pragma once

struct Game;

// The victory screen's frame: the frozen match, a rematch on Space or pad A,
// the way back to the hub on Escape or pad B. Both are polled every frame, the
// rematch first, and both can run in the same frame.
void updateVictory(Game& game);
void startRematch(Game& game);
void returnToHub(Game& game);
