#pragma once

#include "world/GameTime.h"

struct Game;

// What the world reads of the scene around it (step length, fight or rooms,
// the curtain, the window size), told before each step and each frame.
void tellWorld(Game& game);
// What the steps and the menus asked of the scene since the last call: sounds
// and music, the STOP flash, the hub's win counts and the result screen.
void applyStepEvents(Game& game);

// The rooms and the fight run in fixed steps of 1/300 s, whatever the frame
// rate: a frame adds its time to what was left over, every whole step in it
// runs, and the rest waits for the next frame. The same time played at 25,
// 60, 144 or 300 frames a second therefore gives the same world.
constexpr float longestFrame = 0.25f;     // s: a longer frame (a stall) counts as this

// Time the steps have not used yet, carried to the next frame.
struct StepAccumulator {
    double carried = 0.0;  // s
};

// The frame time the game uses for a measured one: at most `longestFrame`;
// a negative or not-a-number measure counts as 0.
float boundedFrameTime(float measured);

// Adds `frameTime` to the carried time and takes out the whole steps it now
// holds; their number is returned.
int takeSteps(StepAccumulator& accumulator, float frameTime);

// The rooms and the fight run in fixed steps; every other scene updates once per frame.
bool simulatesInSteps(const Game& game);

// Steps 4 and 5 of the frame: the shots in flight, then the current scene. In
// the rooms and the fight they run once per fixed step, with `frameTime` the
// step's length and the world's clock advanced by a step each time;
// afterwards `frameTime` shows the whole frame again. A scene change ends
// the frame's steps (the time left is dropped). Other scenes run once, with
// the world's clock advanced by the frame.
void simulateFrame(Game& game);
