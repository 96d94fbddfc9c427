#include "fighters/Animation.h"

#include "world/FightWorld.h"

#include <algorithm>

namespace {

constexpr int impactFrame = 46;            // the ground pound's landing frame
constexpr float impactShakeAmplitude = 20.f;  // px
constexpr float impactShakeDuration = 0.5f;   // s
constexpr float impactVolume = 100.f;

// The frame a clip shows at `progress` (0..1), kept inside the frames that exist.
int clipFrame(const Animation& clip, float progress, int frameCount)
{
    const double span = static_cast<double>(clip.last) - static_cast<double>(clip.first);
    const double offset = span * std::max(static_cast<double>(progress), 0.0);
    const double frame = static_cast<double>(clip.first) + static_cast<double>(static_cast<long long>(offset));
    return static_cast<int>(std::clamp(frame, 0.0, static_cast<double>(std::max(frameCount - 1, 0))));
}

void impact(Player& p)
{
    if (p.currentState == AnimState::SEISME && p.frame == impactFrame && !p.world->camera.shaking) {
        startShake(p.world->camera, impactShakeAmplitude, impactShakeDuration);
        cueSound(p, "G_IMPACT", impactVolume, true);
    }
}

void backToIdle(Player& p)
{
    p.animClock.restart(p.world->time);
    setBothStates(p, AnimState::IDLE);
}

void holdLastFrame(Player& p, const Animation& clip)
{
    p.frame = std::clamp(clip.last - 1, 0, std::max(frameCount(p) - 1, 0));
}

// A clip played once has ended: what follows depends on the state.
void endOnceClip(Player& p, const Animation& clip)
{
    switch (p.currentState) {
    case AnimState::ATTACKING:
    case AnimState::ATTACK_RUN:
        p.attacking = false;
        p.hitLanded = false;
        backToIdle(p);
        break;
    case AnimState::PARRY:
        p.parryActive = false;
        backToIdle(p);
        break;
    case AnimState::DEATH:
        holdLastFrame(p, clip);
        break;
    case AnimState::SHOOT:
        backToIdle(p);
        break;
    case AnimState::STUN:
    case AnimState::SEISME:
        holdLastFrame(p, clip);
        backToIdle(p);
        break;
    default:
        break;  // the clip stays on its last computed frame
    }
}

}  // namespace

void stepAnimation(Player& p)
{
    if (!p.character)
        return;
    const GameTime& time = p.world->time;
    // 1. A requested state starts its clip.
    if (p.currentState != p.requestedState) {
        p.animClock.restart(time);
        p.currentState = p.requestedState;
    }
    // 2. Progress through the clip (states without a clip show clip 0).
    const int state = static_cast<int>(p.currentState);
    const Animation& clip =
        p.character->animations[static_cast<std::size_t>(state >= 0 && state < animStateCount ? state : 0)];
    const float progress = p.animClock.elapsed(time) / clip.duration;
    // 3. The ground pound's impact.
    impact(p);
    // 4. Only attack clips keep an attack going.
    if (p.currentState != AnimState::ATTACKING && p.currentState != AnimState::ATTACK_RUN)
        p.attacking = false;
    // 5. Inside the clip: pick and place the frame.
    if (progress < 1.f) {
        p.frame = clipFrame(clip, progress, frameCount(p));
        placeFrame(p);
        return;
    }
    // 6. The clip has ended.
    if (clip.mode == 0)
        p.animClock.restart(time);
    else
        endOnceClip(p, clip);
}
