#pragma once

struct StepEvents;

// Plays the effects a step of the world asked for, in order, and starts or
// stops the fight music.
void playStepSounds(const StepEvents& events);
