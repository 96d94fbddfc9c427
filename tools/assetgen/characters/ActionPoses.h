#pragma once

#include "characters/CharacterSheet.h"
#include "characters/FighterLook.h"
#include "characters/Rig.h"

// The poses of a kind's own moves. Each starts from and returns to the
// kind's ready stance (idle with its gear in hand).
Pose readyPose(const FighterLook& look);

// Swings (ATTACKING, ATTACK_RUN) and the guard (PARRY), shaped around the
// frames in which the blow lands and the guard counts.
Pose attackPose(const FighterLook& look, const FrameSlot& slot, bool running);
Pose parryPose(const FighterLook& look, const FrameSlot& slot);

// The skills: the gunner's shot, the dasher's dash, the heavy's ground pound.
Pose shootPose(const FighterLook& look, const FrameSlot& slot);
Pose dashPose(const FighterLook& look, const FrameSlot& slot);
Pose seismePose(const FighterLook& look, const FrameSlot& slot);
