#pragma once

#include <SFML/System/Vector2.hpp>

#include <cmath>
#include <vector>

// The fighters are drawn from a small stick rig. Coordinates are art pixels
// (one art pixel becomes 2 x 2 picture pixels) relative to the point on the
// ground between the feet; x points the way the fighter faces, y points down.
using Vec = sf::Vector2f;

inline float length(Vec v) { return std::sqrt(v.x * v.x + v.y * v.y); }
inline Vec normalised(Vec v)
{
    const float l = length(v);
    return l > 0.f ? v / l : Vec(1.f, 0.f);
}
// Unit vector at `degrees` (0 = forward, 90 = down, -90 = up).
inline Vec direction(float degrees)
{
    const float r = degrees * 3.14159265f / 180.f;
    return {std::cos(r), std::sin(r)};
}

// A foot resting on the ground: its outline touches the ground line.
constexpr float footGround = -2.5f;

// Body proportions of one fighter kind, in art pixels.
struct Build {
    float hipHeight = 20.f;
    float torsoLength = 15.f;
    float torsoRadius = 5.f;
    float headRadius = 6.5f;
    float neck = 6.f;  // chest to head centre
    float thigh = 10.5f, shin = 10.5f;
    float upperArm = 8.f, forearm = 8.f;
    float limbRadius = 2.2f;
    float handRadius = 2.f;
};

// One picture's pose: where the body parts are, where the hands and feet
// reach (elbows and knees follow), how the held gear is turned, and what
// effects surround the fighter.
enum class Face { Open, Blink, Dazed, Dead, Fierce };

struct Smear {
    Vec centre;
    float radius = 20.f;
    float fromDegrees = -60.f, toDegrees = 20.f;
    float width = 4.f;
};

struct Pose {
    Vec hip, chest, head;
    Vec frontHand, backHand, frontFoot, backFoot;
    float gearAngle = 0.f;  // degrees, 0 = pointing forward
    float gearReach = 0.f;  // extra push of the gear along its angle (a thrust)
    Face face = Face::Open;
    float cloth = 0.f;      // phase of trailing cloth (scarf, cape), 0..1
    std::vector<Smear> smears;
    int stars = 0;          // dizzy stars over the head
    float starPhase = 0.f;
    float dust = 0.f;       // size of a dust puff at the feet, 0 = none
    float dustX = 0.f;
    float flash = 0.f;      // muzzle flash size
    float shockwave = 0.f;  // radius of a ground shockwave
    int ghosts = 0;         // after-images trailing behind
    float guard = 0.f;      // strength of the parry glint, 0..1
    float ripple = 0.f;     // radius of a warp ripple in front of the hand
};

// The joint of a two-bone limb from `root` reaching for `target`; `bend`
// picks the side (+1 bends to the left of the root-to-target line, -1 right).
// A target out of reach is approached as far as the bones allow.
inline Vec limbJoint(Vec root, Vec target, float upper, float lower, float bend, Vec* reached = nullptr)
{
    Vec toTarget = target - root;
    float d = length(toTarget);
    const Vec dir = normalised(toTarget);
    const float maxReach = upper + lower - 0.01f;
    const float minReach = std::fabs(upper - lower) + 0.01f;
    if (d > maxReach)
        d = maxReach;
    if (d < minReach)
        d = minReach;
    const float cosA = std::fmax(-1.f, std::fmin(1.f, (upper * upper + d * d - lower * lower) / (2.f * upper * d)));
    const float sinA = std::sqrt(1.f - cosA * cosA);
    const Vec perp(-dir.y, dir.x);
    if (reached)
        *reached = root + dir * d;
    return root + dir * (upper * cosA) + perp * (upper * sinA * bend);
}
