#include "assets/Reachability.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace {

// The heavy fighter: tallest hitbox, 0.8 of the speed on both axes.
constexpr float width = 60.f, height = 114.f, speedFactor = 0.8f;
constexpr float runSpeed = 700.f, gravity = 5000.f;
constexpr float jumpImpulse = -1600.f, doubleJumpImpulse = -1200.f;
constexpr float waterScale = 0.5f;
constexpr float dt = 1.f / 120.f;
constexpr float maxFlight = 4.f;
constexpr float sectionHeight = sectionRows * tileSize;

struct Body {
    float x, y, vx = 0.f, vy = 0.f;
    bool onGround = true;
};

bool overlapsCode(const SectionFile& s, const Body& b, bool (*test)(int))
{
    const int c0 = static_cast<int>(std::floor((b.x - width / 2) / tileSize));
    const int c1 = static_cast<int>(std::floor((b.x + width / 2 - 0.001f) / tileSize));
    const int r0 = static_cast<int>(std::floor((b.y - height / 2) / tileSize));
    const int r1 = static_cast<int>(std::floor((b.y + height / 2 - 0.001f) / tileSize));
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r)
            if (test(s.at(c, r)))
                return true;
    return false;
}

bool solidTest(int code) { return isSolid(code); }
bool waterTest(int code) { return code == waterCode; }
bool spikeTest(int code) { return code == spikeCode; }

struct Move {
    int direction;
    float holdTime;      // seconds the run key is held
    bool jump;
    float doubleJumpAt;  // seconds after the jump; negative for none
};

// Flies one move; true with the landing place when the fighter ends up
// standing, false when it dies (spikes, falling out) or never settles.
bool fly(const SectionFile& s, Stand from, const Move& move, Stand& landing)
{
    const float sectionWidth = static_cast<float>(s.columns() * tileSize);
    Body b{from.first * tileSize + tileSize / 2.f, from.second * tileSize - height / 2 - 0.01f};
    if (move.jump) {
        b.vy = jumpImpulse;
        b.onGround = false;
    }
    bool doubleJumped = false;
    for (float t = 0.f; t < maxFlight; t += dt) {
        if (move.jump && !doubleJumped && move.doubleJumpAt >= 0.f && t >= move.doubleJumpAt) {
            b.vy = doubleJumpImpulse;
            doubleJumped = true;
        }
        if (t < move.holdTime)
            b.vx = move.direction * runSpeed;
        else if (std::fabs(b.vx) > 5.f)
            b.vx += b.vx * (b.onGround ? -10.f : -3.f) * dt;
        else
            b.vx = 0.f;
        const float scale = overlapsCode(s, b, waterTest) ? waterScale : speedFactor;

        const float oldX = b.x;
        b.x = std::clamp(b.x + b.vx * scale * dt, width / 2, sectionWidth - width / 2);
        if (overlapsCode(s, b, solidTest)) {
            b.x = oldX;
            b.vx = 0.f;
        }
        const float oldY = b.y;
        b.y += b.vy * scale * dt;
        b.onGround = false;
        if (overlapsCode(s, b, solidTest)) {
            if (b.vy > 0.f) {  // landed: stand on the tile's top
                const int row = static_cast<int>(std::floor((b.y + height / 2) / tileSize));
                b.y = row * tileSize - height / 2 - 0.01f;
                if (overlapsCode(s, b, solidTest))
                    b.y = oldY;
                b.onGround = true;
            } else {
                b.y = oldY;
            }
            b.vy = 0.f;
        }
        if (!b.onGround && b.vy >= 0.f) {  // ground probe one pixel down
            Body probe = b;
            probe.y += 1.f;
            if (overlapsCode(s, probe, solidTest)) {
                b.onGround = true;
                b.vy = 0.f;
            }
        }
        if (!b.onGround)
            b.vy += gravity * dt;
        if (overlapsCode(s, b, spikeTest) || b.y > sectionHeight)
            return false;
        if (b.onGround && b.vx == 0.f && t >= move.holdTime) {
            landing = {static_cast<int>(b.x / tileSize), static_cast<int>(std::lround((b.y + height / 2) / tileSize))};
            return true;
        }
    }
    return false;
}

}  // namespace

std::set<Stand> reachableFrom(const SectionFile& section, Stand start)
{
    static const float holds[] = {0.05f, 0.1f, 0.2f, 0.35f, 0.6f, 1.0f};
    static const float doubles[] = {-1.f, 0.12f, 0.22f, 0.32f};
    std::set<Stand> seen{start};
    std::deque<Stand> queue{start};
    while (!queue.empty()) {
        const Stand here = queue.front();
        queue.pop_front();
        for (int direction : {-1, 1})
            for (float hold : holds)
                for (bool jump : {false, true})
                    for (float doubleAt : doubles) {
                        if (!jump && doubleAt >= 0.f)
                            continue;
                        Stand landing;
                        if (fly(section, here, {direction, hold, jump, doubleAt}, landing) && seen.insert(landing).second)
                            queue.push_back(landing);
                    }
    }
    return seen;
}

Stand standOnFloor(const SectionFile& section, int column)
{
    return {column, floorRowFromTop(section, column)};
}
