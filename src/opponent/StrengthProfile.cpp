#include "opponent/StrengthProfile.h"

namespace {

// EASY sees 450 ms late, NORMAL 280 ms, HARD 160 ms; each decides a few
// times a second.
const StrengthProfile easy{135, 60, 20, 300, 400, 250, 250, 150};
const StrengthProfile normal{84, 45, 15, 550, 250, 150, 450, 300};
const StrengthProfile hard{48, 30, 10, 850, 100, 60, 700, 500};

}  // namespace

StrengthProfile profileOf(Strength strength)
{
    switch (strength) {
    case Strength::Hard:
        return hard;
    case Strength::Normal:
        return normal;
    case Strength::Easy:
    default:
        return easy;
    }
}
