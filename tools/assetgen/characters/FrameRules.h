#pragma once

#include "characters/CharacterSheet.h"
#include "characters/FighterLook.h"

// The frame numbers the fight rules look at: the frames of a swing that can
// hit, the frames of a parry that count, and the ground pound's impact and
// stunning frames. The pictures are drawn so that these frames show the blow
// landing, the guard up and the shock running along the ground.
struct FrameWindow {
    int first = -1;
    int last = -1;  // inclusive
    bool contains(int frame) const { return frame >= first && frame <= last; }
};

struct KindRules {
    FrameWindow hits[2];
    FrameWindow parry;
    int impact = -1;
    FrameWindow pound;
};
KindRules kindRules(Kind kind);

// Where a frame of a clip lies against a window of that clip: before it
// (wind-up), inside it (the blow) or after it (recovery), and how far
// through that stretch, 0..1.
enum class Stage { Before, During, After };
struct Beat {
    Stage stage = Stage::During;
    float t = 0.f;
};
Beat beatOf(const FrameSlot& slot, FrameWindow window);
