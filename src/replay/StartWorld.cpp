#include "replay/StartWorld.h"

#include "world/WorldBytes.h"
#include "world/WorldFields.h"

#include <cmath>
#include <type_traits>

namespace {

constexpr double largestNumber = 1e9;  // px, s, px/s: far beyond any real fight
constexpr int chaseSituations = 5;     // P1 or P2 attacking or carrying, or nobody

// Walks every field of a world and notes the first number that is not finite
// or beyond any fight.
struct FiniteCheck {
    bool finite = true;

    template <class T>
    void operator()(const T& value)
    {
        if constexpr (std::is_floating_point_v<T>)
            finite = finite && std::isfinite(value) && std::fabs(value) <= largestNumber;
    }
    template <class T>
    void unhashed(const T& value)
    {
        (*this)(value);
    }
    template <class V>
    bool count(const V&)
    {
        return true;
    }
    template <class O>
    bool present(const O& optional)
    {
        return optional.has_value();
    }
    void view(const sf::View& v)
    {
        for (float f : {v.getCenter().x, v.getCenter().y, v.getSize().x, v.getSize().y, v.getRotation()})
            (*this)(f);
    }
};

bool validState(AnimState state)
{
    return static_cast<int>(state) >= 0 && static_cast<int>(state) < animStateCount;
}

std::string fighterProblem(const Player& read, const Player& setUp, int frameCount)
{
    const std::string who = "P" + std::to_string(setUp.index + 1);
    if (read.index != setUp.index || read.marker.owner != setUp.marker.owner || read.skill.kind != setUp.skill.kind)
        return who + " is not the fighter its header sets up";
    if (!validState(read.currentState) || !validState(read.requestedState))
        return who + "'s animation state is not one the game has";
    if (read.frame < 0 || (read.frame >= frameCount && read.frame != setUp.frame))
        return who + "'s picture " + std::to_string(read.frame) + " is not one of its " +
               std::to_string(frameCount);
    return "";
}

}  // namespace

std::string startWorldProblem(const FightWorld& read, const FightWorld& setUp, int frameCounts[2])
{
    FiniteCheck check;
    visitWorld(read, check);
    if (!check.finite)
        return "a number in its starting world is not finite or beyond any fight";
    for (int i = 0; i < 2; ++i) {
        const std::string fighter = fighterProblem(read.players[i], setUp.players[i], frameCounts[i]);
        if (!fighter.empty())
            return fighter;
        if (read.flags[i].section != setUp.flags[i].section)
            return "a flag of its starting world is not at its base";
    }
    const MatchState& m = read.match;
    const MatchState& s = setUp.match;
    if (m.caaMode != s.caaMode || m.caaStage != s.caaStage || m.p1Kills != s.p1Kills || m.p2Kills != s.p2Kills ||
        read.sectionWidth != setUp.sectionWidth || m.chaseSituation < 0 || m.chaseSituation >= chaseSituations)
        return "its starting world is not the start of the match its header sets up";
    if (!read.shots.empty() || read.crate)
        return "its starting world already holds a shot or a crate";
    return "";
}

std::string readStartWorld(FightWorld& world, const std::vector<std::uint8_t>& bytes)
{
    const FightWorld setUp = world;
    std::string error;
    if (!deserialize(bytes, world, error))
        return "its starting world cannot be read: " + error;
    int frameCounts[2];
    for (int i = 0; i < 2; ++i)
        frameCounts[i] = frameCount(setUp.players[i]);
    const std::string problem = startWorldProblem(world, setUp, frameCounts);
    if (!problem.empty())
        world = setUp;
    return problem;
}
