#pragma once

struct Game;

// Long frames of the walkable rooms and the fight are simulated in equal
// sub-steps, so that movement, collision, combat and timers give the same game
// at 25 FPS as at the 300 FPS cap.
constexpr float maxSubStep = 1.f / 120.f;  // s: the longest simulation step
constexpr float longestFrame = 0.25f;      // s: a longer frame (a stall) counts as this

// A frame split into `count` steps of `length` seconds each.
struct FrameSplit {
    int count = 1;
    float length = 0.f;
};

// The frame time the game uses for a measured one: at most `longestFrame`;
// a negative or not-a-number measure counts as 0.
float boundedFrameTime(float measured);

// How a frame of `frameTime` seconds is simulated: one step when it is
// `maxSubStep` or shorter, otherwise the fewest equal steps no longer than it.
FrameSplit splitFrame(float frameTime);

// The rooms and the fight run their simulation in sub-steps; every other
// scene updates once per frame.
bool simulatesInSubSteps(const Game& game);

// Steps 3 and 4 of the frame: the shots in flight, then the current scene.
// In the rooms and the fight they run once per sub-step, with `frameTime`
// the step's length and the game's clock at the end of that step; afterwards
// both show the whole frame again. A scene change ends the frame's steps.
void simulateFrame(Game& game);
