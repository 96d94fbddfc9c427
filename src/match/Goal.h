#pragma once

struct FightWorld;

// The captured flag flies into the goal at this speed.
constexpr float captureFlightSpeed = 75.f;  // px/s
// The view shakes this hard, this long, while the flag flies.
constexpr float captureShakeAmplitude = 1.8f;  // px
constexpr float captureShakeDuration = 5.f;    // s
// Each second of the flight the view shrinks by this fraction of a fifth.
constexpr float captureZoomTime = 5.f;         // s

// Puts the goal on the floor of the middle section (the classic fight's arrival).
void placeGoal(FightWorld& world);
// The flag capture: a flag touching the goal is taken, flies into it and
// wins the match for its player. Runs each classic fight frame.
void captureStep(FightWorld& world);
