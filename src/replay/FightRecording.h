#pragma once

#include "replay/ReplayRecord.h"
#include "world/FightInput.h"

struct Game;
struct FightPlan;

// Every classic and kill-race fight is recorded from its first step: what
// was chosen (mode, level, kinds), the generator's seed and the world as the
// first step finds it, then each step's buttons. A win, or leaving from the
// pause menu, ends the recording and writes the replay.

// Starts recording the fight `plan` just set up (its seed already in the world's generator).
void beginRecording(Game& game, const FightPlan& plan);

// The frame loop calls these around every fixed step of the fight scene.
void beforeFightStep(Game& game);
void afterFightStep(Game& game);
// The buttons the coming step plays with, whoever gave them (keys, pads, the
// computer): what the replay keeps for the step.
void noteFightInputs(Game& game, const FightInput inputs[2]);

// Once per frame: a recorded fight that is no longer on screen nor paused
// was left; it is written as unfinished.
void followFightRecording(Game& game);

ReplayMode replayModeOf(bool caa);
