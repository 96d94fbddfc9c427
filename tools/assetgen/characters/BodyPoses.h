#pragma once

#include "characters/Rig.h"

// The body poses every kind shares, as functions of the place in the clip
// (t from 0 to 1). Hands are left hanging; each kind then puts its gear in
// them.

Vec shoulderOf(const Pose& pose, const Build& build);

// Positions of `a` moved towards `b` by t (effects are taken from `a`).
Pose blendPoses(const Pose& a, const Pose& b, float t);
// The pose moved as a whole (a leap, a lunge).
Pose shifted(Pose pose, Vec by);

Pose standPose(const Build& b);
Pose idlePose(const Build& b, float t, bool blink);
Pose runPose(const Build& b, float t);
Pose jumpPose(const Build& b, float t);
Pose fallPose(const Build& b, float t);
Pose stunPose(const Build& b, float t);
Pose deflectPose(const Build& b, float t);
Pose deathPose(const Build& b, float t);
