#pragma once

#include "opponent/OpponentView.h"
#include "world/FightInput.h"

// The opponent's own sense of where its fighter is: a person knows what it has
// been pressing, so from the fighter as last seen and the buttons pressed since,
// it reckons where the fighter stands now. The same small model tries jumps
// before they are made. It follows the fighters' movement rules closely
// enough for judging ledges, pits and spikes; it is no part of the fight.

struct SelfMotion {
    float x = 0.f;       // hitbox centre, world px
    float feet = 0.f;    // hitbox bottom, world px
    float vx = 0.f, vy = 0.f;
    float width = 60.f, height = 99.f;
    float pictureAbove = 49.5f, pictureBelow = 49.5f;  // px from the hitbox centre
    float speedFactor = 1.f;
    bool onGround = true;
    bool airborne = false;
    bool doubleJumpUsed = false;
    bool jumpHeld = false;
    bool dead = false;    // fell out of the level or touched spikes
    bool inWater = false; // in water now: every move is halved
    int groundSteps = 0;  // steps on the ground in a row
    float spikeMargin = 24.f;  // px kept from spikes on either side, for a landing a little off
    // The other fighter's body, which a walk does not pass through: its hitbox
    // across, its picture up and down.
    bool blocked = false;
    float blockLeft = 0.f, blockTop = 0.f, blockRight = 0.f, blockBottom = 0.f;
};

// The model of a fighter as the view shows it.
SelfMotion motionOf(const FighterView& fighter);
// The other fighter's body as a wall in the model (none when it is down).
void blockWith(SelfMotion& motion, const FighterView& other);
// The fighter where the model has it (the other way round).
void placeFighter(FighterView& fighter, const SelfMotion& motion);
// One step of `dt` seconds with `input`'s move and jump buttons held.
void stepMotion(SelfMotion& motion, FightInput input, const OpponentView& view, float dt);

// A fighter seen a few px into a ceiling (the fight pushes it out the step
// after) is put just below it, as the fight will: otherwise the model would
// stand it on the ceiling's cell.
void clearOfCeiling(SelfMotion& motion, const OpponentView& view);

// Whether the fighter stands on the ground with no spike within `slack` px
// either side: a landing that may come down a little off is still safe.
bool standsClearOfSpikes(const SelfMotion& motion, const OpponentView& view, float slack);

// Whether a cell code stops a fighter (ground, walls, platforms).
bool solidCode(int code);
