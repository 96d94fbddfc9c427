#include "opponent/Ledges.h"

#include "opponent/SelfMotion.h"

#include <cmath>

namespace {

constexpr float cell = static_cast<float>(tileSize);
constexpr int maxLedges = 96;        // ledges looked at in one section
constexpr int bodyRows = 2;          // rows of room a body needs above a ledge
constexpr float riseReach = 380.f;   // px a full jump and a double jump climb, with a little to spare
constexpr float gapReach = 300.f;    // px across between two ledges that one jump spans
constexpr float sameFeet = 1.f;      // px
constexpr float footing = 4.f;       // px of a body's width that must be over a ledge to stand on it

struct LedgeList {
    Ledge ledges[maxLedges];
    int count = 0;
};

bool standable(const OpponentView& view, int column, int row)
{
    if (!solidCode(liveCode(view, column, row)))
        return false;
    for (int above = row - bodyRows; above < row; ++above)
        if (solidCode(liveCode(view, column, above)) || liveCode(view, column, above) == spikeCode)
            return false;
    return true;
}

// Every ledge of the live section, row by row, column runs joined.
void listLedges(const OpponentView& view, LedgeList& list)
{
    const int columns = static_cast<int>(view.sectionWidth / cell);
    for (int row = bodyRows; row < sectionRows; ++row) {
        int start = -1;
        for (int column = 0; column <= columns; ++column) {
            const bool stand = column < columns && standable(view, column, row);
            if (stand && start < 0)
                start = column;
            if (stand || start < 0)
                continue;
            if (list.count < maxLedges)
                list.ledges[list.count++] = {static_cast<float>(row) * cell,
                                             view.sectionLeft + static_cast<float>(start) * cell,
                                             view.sectionLeft + static_cast<float>(column) * cell, true};
            start = -1;
        }
    }
}

float gapBetween(const Ledge& a, const Ledge& b)
{
    return std::fmax(0.f, std::fmax(b.left - a.right, a.left - b.right));
}

// One jump goes from `a` to `b`: up no more than a full and a double jump, and not far across.
bool jumpable(const Ledge& a, const Ledge& b)
{
    return a.feet - b.feet <= riseReach && gapBetween(a, b) <= gapReach;
}

int indexOf(const LedgeList& list, const Ledge& ledge)
{
    for (int i = 0; i < list.count; ++i)
        if (sameLedge(list.ledges[i], ledge))
            return i;
    return -1;
}

}  // namespace

bool sameLedge(const Ledge& a, const Ledge& b)
{
    return a.found && b.found && std::fabs(a.feet - b.feet) < sameFeet && std::fabs(a.left - b.left) < sameFeet;
}

Ledge ledgeBelow(const OpponentView& view, float x, float feet, float halfWidth)
{
    LedgeList list;
    listLedges(view, list);
    const int first = static_cast<int>(std::floor(feet / cell + 0.5f));
    for (int row = first; row < sectionRows; ++row) {
        // At the feet, a body standing on a ledge's end with its middle past it
        // stands on that ledge; lower down, it would come down by its middle.
        const float reach = row == first ? std::fmax(0.f, halfWidth - footing) : 0.f;
        for (const float at : {x, x - reach, x + reach}) {
            if (row < bodyRows || !standable(view, columnAt(view, at), row))
                continue;
            for (int i = 0; i < list.count; ++i) {
                const Ledge& l = list.ledges[i];
                if (std::fabs(l.feet - static_cast<float>(row) * cell) < sameFeet && at >= l.left && at < l.right)
                    return l;
            }
        }
    }
    return {};
}

Ledge nextLedgeUp(const OpponentView& view, const Ledge& from, const Ledge& to)
{
    if (!from.found || !to.found || to.feet >= from.feet - sameFeet)
        return {};
    if (jumpable(from, to))
        return to;
    // Breadth first from `from`: the first hop of the fewest that reach `to`.
    LedgeList list;
    listLedges(view, list);
    const int start = indexOf(list, from), goal = indexOf(list, to);
    if (start < 0 || goal < 0)
        return {};
    int firstHop[maxLedges], queue[maxLedges];
    for (int i = 0; i < list.count; ++i)
        firstHop[i] = -1;
    int head = 0, tail = 0;
    queue[tail++] = start;
    firstHop[start] = start;
    while (head < tail) {
        const int at = queue[head++];
        for (int next = 0; next < list.count; ++next) {
            if (firstHop[next] >= 0 || !jumpable(list.ledges[at], list.ledges[next]))
                continue;
            firstHop[next] = at == start ? next : firstHop[at];
            if (next == goal)
                return list.ledges[firstHop[next]];
            queue[tail++] = next;
        }
    }
    return {};
}
