#pragma once

#include "characters/CharacterSheet.h"
#include "characters/FighterLook.h"
#include "characters/Rig.h"

// The pose of one frame picture: the shared body motion of its clip with the
// kind's gear in hand, or the kind's own swing, guard and skill.
Pose poseForFrame(const FighterLook& look, const FrameSlot& slot);
