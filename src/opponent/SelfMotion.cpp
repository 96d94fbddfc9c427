#include "opponent/SelfMotion.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float gravity = 5000.f;            // px/s^2
constexpr float walkSpeed = 700.f;           // px/s with a key held
constexpr float jumpImpulse = -1600.f;       // px/s
constexpr float doubleJumpImpulse = -1200.f; // px/s
constexpr float jumpCutSpeed = -200.f;       // px/s: rising faster is cut when Jump is let go
constexpr float groundFriction = -10.f;      // 1/s
constexpr float airFriction = -3.f;          // 1/s
constexpr float fallOutLine = 1280.f;        // px
constexpr float waterScale = 0.5f;           // water halves every move
constexpr float standingSink = 8.f;          // px a standing fighter's box reaches into the ground it stands on
constexpr float footholdSlip = 8.f;          // px: a fall onto a ledge's end by less than this is pushed off it
constexpr float cell = static_cast<float>(tileSize);

int cellOf(float v)
{
    return static_cast<int>(std::floor(v / cell));
}

// The first code met in the box's cells that is solid, a spike or water;
// reported through the flags.
struct BoxContact {
    bool solid = false;
    bool spike = false;
    bool water = false;
};

BoxContact touch(const OpponentView& view, float left, float top, float right, float bottom)
{
    BoxContact contact;
    const int c0 = columnAt(view, left), c1 = columnAt(view, right - 0.01f);
    const int r0 = cellOf(top), r1 = cellOf(bottom - 0.01f);
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r) {
            const int code = liveCode(view, c, r);
            contact.solid |= solidCode(code);
            contact.spike |= code == spikeCode;
            contact.water |= code == waterCode;
        }
    return contact;
}

BoxContact bodyAt(const OpponentView& view, const SelfMotion& m, float x, float feet)
{
    return touch(view, x - m.width / 2.f, feet - m.height, x + m.width / 2.f, feet);
}

void applyButtons(SelfMotion& m, FightInput input, float dt)
{
    const int direction = input.held(ButtonLeft) ? -1 : input.held(ButtonRight) ? 1 : 0;
    if (direction != 0)
        m.vx = static_cast<float>(direction) * walkSpeed;
    m.vx += m.vx * (m.onGround ? groundFriction : airFriction) * dt;
    const bool jump = input.held(ButtonJump);
    if (jump && !m.jumpHeld) {
        if (!m.airborne) {
            m.vy = jumpImpulse;
            m.airborne = true;
            m.onGround = false;
        } else if (!m.doubleJumpUsed) {
            m.vy = doubleJumpImpulse;
            m.doubleJumpUsed = true;
        }
    }
    if (!jump && m.airborne && m.vy < jumpCutSpeed)
        m.vy = jumpCutSpeed;
    m.jumpHeld = jump;
}

// How far a velocity carries: the kind's speed factor, or half in water.
float moveScale(const SelfMotion& m)
{
    return m.inWater ? waterScale : m.speedFactor;
}

// Whether the body at `x` would walk into the other fighter's.
bool intoOther(const SelfMotion& m, float x)
{
    const float centre = m.feet - m.height / 2.f;
    if (!m.blocked || centre + m.pictureBelow <= m.blockTop || centre - m.pictureAbove >= m.blockBottom)
        return false;
    const bool overlaps = x - m.width / 2.f < m.blockRight && x + m.width / 2.f > m.blockLeft;
    const bool toward = (x > m.x) == (m.blockLeft + m.blockRight > 2.f * m.x);
    return overlaps && toward;
}

void moveAcross(SelfMotion& m, const OpponentView& view, float dt)
{
    const float x = m.x + m.vx * moveScale(m) * dt;
    if (bodyAt(view, m, x, m.feet - 1.f).solid || intoOther(m, x))
        m.vx = 0.f;  // a wall
    else
        m.x = x;
}

// The body coming down at `feet`: the fight pushes a fall that only grazes
// a ledge's end off it sideways, so in the air a landing needs a foothold.
bool meetsFloor(const OpponentView& view, const SelfMotion& m, float feet)
{
    const float slip = m.airborne && m.vy > 0.f ? footholdSlip : 0.f;
    return touch(view, m.x - m.width / 2.f + slip, feet - m.height, m.x + m.width / 2.f - slip, feet).solid;
}

void moveUpDown(SelfMotion& m, const OpponentView& view, float dt)
{
    m.vy += gravity * dt;
    const float feet = m.feet + m.vy * moveScale(m) * dt;
    if (!meetsFloor(view, m, feet)) {
        m.feet = feet;
        m.onGround = false;
        m.airborne = true;
        return;
    }
    if (m.vy > 0.f) {  // lands on the top of the cell it reached
        m.feet = static_cast<float>(cellOf(feet - 0.01f)) * cell;
        m.onGround = true;
        m.airborne = false;
        m.doubleJumpUsed = false;
    }
    m.vy = 0.f;
}

}  // namespace

bool solidCode(int code)
{
    return code != emptyCode && code != waterCode && code != spikeCode;
}

int columnAt(const OpponentView& view, float x)
{
    return static_cast<int>(std::floor((x - view.sectionLeft) / cell));
}

int liveCode(const OpponentView& view, int column, int row)
{
    if (!view.tiles || view.section < 0 || view.section >= static_cast<int>(view.tiles->size()))
        return emptyCode;
    const Section& section = (*view.tiles)[static_cast<std::size_t>(view.section)];
    if (section.empty() || row < 0 || row >= sectionRows)
        return emptyCode;
    // Past the section's ends the ground goes on as at its edge: that is where
    // a fighter crossing into the next section walks while the view lags behind.
    const int last = static_cast<int>(section.size()) - 1;
    const int inside = column < 0 ? 0 : column > last ? last : column;
    return section[static_cast<std::size_t>(inside)][static_cast<std::size_t>(row)];
}

SelfMotion motionOf(const FighterView& fighter)
{
    SelfMotion m;
    m.x = fighter.x;
    m.feet = fighter.y + fighter.height / 2.f;
    m.vx = fighter.vx;
    m.vy = fighter.vy;
    m.width = fighter.width;
    m.height = fighter.height;
    m.pictureAbove = fighter.pictureAbove;
    m.pictureBelow = fighter.pictureBelow;
    m.speedFactor = fighter.speedFactor;
    m.onGround = fighter.onGround;
    m.airborne = fighter.airborne;
    m.doubleJumpUsed = fighter.doubleJumpUsed;
    m.inWater = fighter.inWater;
    m.groundSteps = fighter.onGround ? 1 : 0;
    return m;
}

void blockWith(SelfMotion& m, const FighterView& other)
{
    m.blocked = other.alive;
    m.blockLeft = other.x - other.width / 2.f;
    m.blockRight = other.x + other.width / 2.f;
    m.blockTop = other.y - other.pictureAbove;
    m.blockBottom = other.y + other.pictureBelow;
}

void placeFighter(FighterView& f, const SelfMotion& m)
{
    f.x = m.x;
    f.y = m.feet - f.height / 2.f;
    f.vx = m.vx;
    f.vy = m.vy;
    f.onGround = m.onGround;
    f.airborne = m.airborne;
    f.doubleJumpUsed = m.doubleJumpUsed;
    f.inWater = m.inWater;
}

void stepMotion(SelfMotion& m, FightInput input, const OpponentView& view, float dt)
{
    if (m.dead)
        return;
    applyButtons(m, input, dt);
    moveAcross(m, view, dt);
    moveUpDown(m, view, dt);
    const BoxContact contact = bodyAt(view, m, m.x, m.feet);
    const BoxContact wide = touch(view, m.x - m.width / 2.f - m.spikeMargin, m.feet - m.height,
                                  m.x + m.width / 2.f + m.spikeMargin, m.feet + standingSink);
    m.inWater = contact.water;
    m.groundSteps = m.onGround ? m.groundSteps + 1 : 0;
    m.dead = wide.spike || m.feet - m.height / 2.f > fallOutLine;
}

void clearOfCeiling(SelfMotion& m, const OpponentView& view)
{
    if (m.onGround || !bodyAt(view, m, m.x, m.feet).solid)
        return;
    const float feet = static_cast<float>(cellOf(m.feet - m.height) + 1) * cell + m.height;
    if (bodyAt(view, m, m.x, feet).solid)
        return;  // not a ceiling: a wall, or inside the ground
    m.feet = feet;
    m.vy = std::max(m.vy, 0.f);
}

bool standsClearOfSpikes(const SelfMotion& m, const OpponentView& view, float slack)
{
    return m.onGround && !touch(view, m.x - m.width / 2.f - slack, m.feet - m.height, m.x + m.width / 2.f + slack,
                                m.feet + standingSink)
                              .spike;
}
