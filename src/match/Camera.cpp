#include "match/Camera.h"

#include "world/FightWorld.h"
#include "match/Sections.h"


namespace {

// Smoothing rates, fraction of the remaining distance per second.
constexpr float catchUpRate = 6.f;      // 1/s, added while the pan target was overrun
constexpr float transitionRate = 2.5f;  // 1/s, during a section pan
constexpr float followRate = 2.f;       // 1/s, otherwise
constexpr int p1CarryingFlag = 1;       // chase situations in which the pan target
constexpr int p2Attacking = 2;          // lies ahead to the left

void approach(sf::Vector2f& centre, float targetX, float k)
{
    centre.x = (1.f - k) * centre.x + k * targetX;
    centre.y = (1.f - k) * centre.y + k * restCentreY;
}

float liveSectionLeft(const FightWorld& world)
{
    return static_cast<float>(world.sectionIndex) * world.sectionWidth;
}

// Keeps the view inside the live section; a section exactly one screen wide
// holds the centre on its middle.
void clampToSection(Camera& camera)
{
    const FightWorld& world = *camera.world;
    const float left = liveSectionLeft(world);
    if (camera.centre.x - halfDesignWidth <= left) {
        camera.centre = sf::Vector2f(left + halfDesignWidth, camera.view.getCenter().y);
        camera.view.setCenter(camera.centre);
    }
    if (left + world.sectionWidth <= camera.centre.x + halfDesignWidth) {
        camera.centre = sf::Vector2f(left + world.sectionWidth - halfDesignWidth, camera.view.getCenter().y);
        camera.view.setCenter(camera.centre);
    }
}

// A random factor in [-1, 0.99], from the world's generator.
float shakeFactor(WorldRandom& random)
{
    return static_cast<float>(randomBelow(random, 200)) / 100.f - 1.f;
}

// 4-5. The shake: while it runs the view is moved off the smoothed centre by a
// random offset that shrinks linearly to 0; the offset never reaches
// `centre`, so the next smoothing step takes it away again.
void stepShake(Camera& camera)
{
    const float t = camera.shakeClock.elapsed(camera.world->time);
    if (camera.shaking && t >= camera.shakeStart && t <= camera.shakeStart + camera.shakeDuration) {
        camera.moveTowards(camera.centre);
        const float magnitude = (1.f - (t - camera.shakeStart) / camera.shakeDuration) * camera.shakeAmplitude;
        const float dx = shakeFactor(camera.world->random) * magnitude;
        const float dy = shakeFactor(camera.world->random) * magnitude;
        camera.view.move(dx, dy);
        return;
    }
    camera.shaking = false;
    camera.shakeStart = camera.shakeDuration + 1.f;
    camera.moveTowards(camera.centre);
}

}  // namespace

void Camera::reset()
{
    const sf::Vector2f screen = world && world->setting ? world->setting->screen : sf::Vector2f(designWidth, designHeight);
    view.reset(sf::FloatRect(0.f, 0.f, designWidth, designHeight));
    view.setCenter(screen.x * 0.5f, screen.y * 0.5f + 64.f);
    centre = view.getCenter();
}

void Camera::moveTowards(sf::Vector2f target)
{
    const float dt = world->stepTime;
    // 1. Overrun pan target: a fast approach first.
    if (catchUp)
        approach(centre, target.x, catchUpRate * dt);
    // 2. The ordinary approach.
    approach(centre, target.x, (inTransition ? transitionRate : followRate) * dt);
    // 3. The view follows the smoothed centre.
    view.setCenter(centre);
    // 4. Outside a pan the view stays inside the live section.
    if (!inTransition)
        clampToSection(*this);
}

void Camera::followRoles()
{
    FightWorld& w = *world;
    // 1. The right of way may change hands; the camera follows its holder.
    if (!inTransition && !w.match.suddenDeath && !w.match.flagTaken) {
        rightOfWay(w);
        for (const Player& p : w.players)
            if (p.advancing)
                moveTowards(p.position);
    }
    // 2. During a capture the goal is the subject.
    if (w.match.flagTaken)
        moveTowards(w.goal);
}

void Camera::updateTransition()
{
    if (!inTransition)
        return;
    const FightWorld& w = *world;
    // 1. The pan target: the side through which the advancing player enters.
    if (!targetFixed) {
        panSituation = w.match.chaseSituation;
        targetFixed = true;
        const float left = liveSectionLeft(w);
        const float nearLeft = left + panMargin + halfDesignWidth;
        const float nearRight = left + w.sectionWidth - panMargin - halfDesignWidth;
        if (!w.players[1].advancing)
            panTarget.x = w.flags[0].carried ? nearRight : nearLeft;
        else
            panTarget.x = w.flags[1].carried ? nearLeft : nearRight;
        panTarget.y = view.getCenter().y;
    }
    // 2. An advancing player already past the target makes the pan hurry.
    const bool targetAheadLeft = panSituation == p1CarryingFlag || panSituation == p2Attacking;
    for (const Player& p : w.players) {
        if (!p.advancing)
            continue;
        if (targetAheadLeft ? p.position.x < panTarget.x : p.position.x > panTarget.x)
            catchUp = true;
    }
    // 3. Pan.
    moveTowards(panTarget);
    // 4. Close enough: the pan is over.
    const float x = view.getCenter().x;
    if (panTarget.x - panMargin < x && x < panTarget.x + panMargin) {
        targetFixed = false;
        inTransition = false;
        catchUp = false;
    }
}

void updateCamera(Camera& camera)
{
    FightWorld& w = *camera.world;
    // 1. Nothing moves while the curtain darkens.
    if (w.curtain.darkening)
        return;
    // 2. Follow (not in the kill race, which has one screen-wide section).
    if (!w.match.caaMode)
        camera.followRoles();
    // 3. Section pan.
    camera.updateTransition();
    // 4-5. Shake, or the plain smoothing step.
    stepShake(camera);
}

void centreOnMiddleSection(Camera& camera)
{
    const FightWorld& w = *camera.world;
    const float x = static_cast<float>(tiles(w).lastSection / 2) * w.sectionWidth + w.sectionWidth * 0.5f;
    camera.centre = sf::Vector2f(x, camera.view.getCenter().y);
    camera.view.setCenter(camera.centre);
}

void startShake(Camera& camera, float amplitude, float duration)
{
    if (camera.shaking)
        return;
    camera.shaking = true;
    camera.shakeAmplitude = amplitude;
    camera.shakeStart = 0.f;
    camera.shakeDuration = duration;
    camera.shakeClock.restart(camera.world->time);
}
