#pragma once

#include "characters/ArtCanvas.h"
#include "characters/FighterLook.h"

// What sets the four kinds apart at a glance: the gunner's cap, pack and
// rifle, the dasher's headband and blade, the heavy's horned helmet, pauldron
// and shield, the swapper's hooded cloak and floating marker crystal.
void paintGearBehind(ArtCanvas& canvas, const FighterLook& look, const Pose& pose);
void paintHeadGear(ArtCanvas& canvas, const FighterLook& look, const Pose& pose);
void paintGearBeforeFrontArm(ArtCanvas& canvas, const FighterLook& look, const Pose& pose);
void paintGearAfterFrontArm(ArtCanvas& canvas, const FighterLook& look, const Pose& pose);

// Where the rifle's muzzle and the shield's face are in a pose.
Vec rifleMuzzle(const Pose& pose);
Vec shieldCentre(const Pose& pose);

// The swap marker's crystal, also painted on its own as the marker picture.
void paintCrystal(ArtCanvas& canvas, Vec centre, float halfWidth, float halfHeight, int player);
