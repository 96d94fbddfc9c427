#include "opponent/Route.h"

#include <cmath>

namespace {

constexpr float arrivedDistance = 24.f;   // px: close enough to a target to stop
constexpr float crateDetour = 700.f;      // px: a crate this near is worth a swing
constexpr float beyondEdge = 200.f;       // px past a section edge, to cross it

int toward(float from, float to)
{
    if (std::fabs(to - from) <= arrivedDistance)
        return 0;
    return to > from ? 1 : -1;
}

Route go(Errand errand, float x, float targetX)
{
    return {errand, targetX, toward(x, targetX)};
}

// A point beyond the live section's edge on side `direction`.
float pastEdge(const OpponentView& view, int direction)
{
    return direction > 0 ? view.sectionLeft + view.sectionWidth + beyondEdge : view.sectionLeft - beyondEdge;
}

Route flagErrand(const OpponentView& view, int me, float x)
{
    const FlagView& flag = view.flags[static_cast<std::size_t>(me)];
    if (flag.carried) {
        if (view.section == middleSectionOf(view))
            return go(Errand::CarryHome, x, view.goalX);
        return go(Errand::CarryHome, x, pastEdge(view, -flagDirection(me)));
    }
    if (flag.section == view.section)
        return go(Errand::FetchFlag, x, flag.x);
    return go(Errand::FetchFlag, x, pastEdge(view, flagDirection(me)));
}

bool wantsCrate(const OpponentView& view, int me, float x)
{
    return view.crateLying && view.fighters[static_cast<std::size_t>(me)].item == noItem &&
           std::fabs(view.crateX - x) < crateDetour;
}

}  // namespace

int flagDirection(int me)
{
    return me == 0 ? 1 : -1;
}

Route planRoute(const OpponentView& view, int me, float x)
{
    const FighterView& foe = view.fighters[static_cast<std::size_t>(1 - me)];
    if (view.mode == MatchMode::Classic && view.rightOfWay == me)
        return flagErrand(view, me, x);
    if (wantsCrate(view, me, x))
        return go(Errand::OpenCrate, x, view.crateX);
    if (!foe.alive)
        return {Errand::Wait, x, 0};
    const bool runner = view.mode == MatchMode::Classic && view.rightOfWay == 1 - me;
    return go(runner ? Errand::StopRunner : Errand::Fight, x, foe.x);
}
