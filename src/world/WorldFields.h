#pragma once

#include "world/FightWorld.h"

// Every rule field of a world, in one fixed order, handed to `visit`: the one
// list the checksum and the byte form both walk, so neither can miss a field
// the other has. `W` is FightWorld or const FightWorld; `visit` takes each
// field by reference (bool, int, float, double, std::uint64_t). Counts
// (shots, crate present) come before what they count; `visit.count(n, max)`
// may refuse one by returning false. `visit.unhashed` takes fields the byte
// form keeps and the checksum leaves out: a flag's shown position was held by
// its picture until the world took it over, and every checksum a replay or a
// test keeps was made without it. It is the flag's position one step back:
// a difference there either shows in the other fields or is gone after the
// flag's next step.

template <class V, class Visit>
void visitVector(V& v, Visit& visit)
{
    visit(v.x);
    visit(v.y);
}

template <class E, class Visit>
void visitEntity(E& e, Visit& visit)
{
    visitVector(e.position, visit);
    visitVector(e.velocity, visit);
    visitVector(e.moveScale, visit);
    visitVector(e.size, visit);
    visit(e.onGround);
    visit(e.wallContact);
}

template <class C, class Visit>
void visitCrate(C& c, Visit& visit)
{
    visitEntity(c, visit);
    visit(c.kind);
    for (auto* flag : {&c.alive, &c.openedByP1, &c.openedByP2, &c.effectStarted})
        visit(*flag);
    for (auto* seconds : {&c.age, &c.speedTime, &c.slowTime})
        visit(*seconds);
}

template <class P, class Visit>
void visitPlayer(P& p, Visit& visit)
{
    visitEntity(p, visit);
    visit(p.frame);
    visit(p.speedFactor);
    visit(p.gravity);
    for (auto* flag : {&p.slowed, &p.attacking, &p.airborne, &p.doubleJumpUsed, &p.jumpReleased, &p.moving,
                       &p.isWinner, &p.alive, &p.hitLanded, &p.dead, &p.parryActive, &p.protectionWaived,
                       &p.hitboxActive, &p.knockbackLock, &p.killCounted, &p.useItemRequest, &p.dashing,
                       &p.falling, &p.advancing})
        visit(*flag);
    // Not `keyboardMode`: it only picks the device whose keys the HUD names, and a
    // key pressed mid-fight must not change the fight.
    visit(p.index);
    visit(p.lastDt);
    visit(p.dashCharge);
    visit(p.facing);
    visit(p.deathTimer);
    visitVector(p.framePosition, visit);
    visitVector(p.frameScale, visit);
    visit(p.requestedState);
    visit(p.currentState);
    visit(p.animClock.startedAt);
    visit(p.stepClock.startedAt);
    visit(p.stepInterval);
    visit(p.jumpImpulse);
    visit(p.doubleJumpImpulse);
    visit(p.jumpCutSpeed);
    visit(p.hitPoints);
    // Skill.
    visit(p.skill.kind);
    visit(p.skill.shieldTimer);
    visit(p.skill.ammo);
    visit(p.skill.swapTimer);
    visit(p.skill.shieldReady);
    visit(p.skill.swapReady);
    visit(p.skill.shieldInitialised);
    visit(p.skill.active);
    visit(p.skill.pressed);
    visit(p.skill.dashStarted);
    visit(p.skill.dashClock.startedAt);
    visit(p.skill.dashSpeed);
    visit(p.skill.dashDuration);
    // Controls: this step's buttons and the latches.
    visit(p.input.buttons.buttons);
    for (auto* latch : {&p.input.jumpLatch, &p.input.attackLatch, &p.input.parryLatch, &p.input.skillLatch,
                        &p.input.pauseLatch})
        visit(*latch);
    visit(p.input.attackClock.startedAt);
    visit(p.input.attackCooldown);
    visit(p.input.parryClock.startedAt);
    visit(p.input.stateTimer);
    // Swap marker.
    visitEntity(p.marker, visit);
    visit(p.marker.owner);
    visit(p.marker.placed);
    // Item held.
    if (visit.present(p.item))
        visitCrate(*p.item, visit);
}

template <class W, class Visit>
void visitWorld(W& w, Visit& visit)
{
    visit(w.time.now);
    visit(w.random.state);
    visit(w.random.increment);
    auto& m = w.match;
    for (auto* flag : {&m.fightLive, &m.suddenDeath, &m.suddenDeathFalls[0], &m.suddenDeathFalls[1], &m.caaMode,
                       &m.flagTaken, &m.bothDown, &m.fightScene})
        visit(*flag);
    for (auto* number : {&m.chaseSituation, &m.p1Kills, &m.p2Kills, &m.caaStage})
        visit(*number);
    for (auto* seconds : {&m.crateTimer, &m.countdown, &m.matchTimer, &m.suddenDeathTime})
        visit(*seconds);
    for (auto& p : w.players)
        visitPlayer(p, visit);
    for (auto& f : w.flags) {
        visitEntity(f, visit);
        visit(f.placed);
        visit(f.carried);
        visit(f.searchLeft);
        visit(f.section);
    }
    if (!visit.count(w.shots))
        return;
    for (auto& s : w.shots) {
        visitEntity(s, visit);
        visit(s.speed);
        visit(s.direction);
        visit(s.alive);
        visit(s.fromP2);
        visit(s.effect);
    }
    if (visit.present(w.crate))
        visitCrate(*w.crate, visit);
    auto& c = w.camera;
    for (auto* flag : {&c.inTransition, &c.catchUp, &c.shaking, &c.targetFixed})
        visit(*flag);
    visitVector(c.centre, visit);
    visitVector(c.panTarget, visit);
    visit(c.panSituation);
    visit(c.shakeClock.startedAt);
    visit(c.shakeDuration);
    visit(c.shakeAmplitude);
    visit(c.shakeStart);
    visit.view(c.view);
    visit(w.sectionWidth);
    visit(w.sectionIndex);
    visitVector(w.goal, visit);
    for (auto* flag : {&w.curtain.active, &w.curtain.darkening, &w.curtain.settled})
        visit(*flag);
    for (auto& f : w.flags) {
        visit.unhashed(f.shownAt.x);
        visit.unhashed(f.shownAt.y);
    }
}
