#pragma once

#include "characters/ArtCanvas.h"
#include "characters/FighterLook.h"

// The motion and impact effects around a fighter: swing trails, dizzy stars,
// dust, the muzzle flash, the ground pound's shock, the guard glint, warp
// ripples and the dash's after-images.
void paintAfterImages(ArtCanvas& canvas, const ArtCanvas& body, const FighterLook& look, const Pose& pose);
void paintEffectsBehind(ArtCanvas& canvas, const FighterLook& look, const Pose& pose);
void paintEffectsInFront(ArtCanvas& canvas, const FighterLook& look, const Pose& pose);
