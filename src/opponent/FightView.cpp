#include "opponent/FightView.h"

#include "level/TileMap.h"
#include "world/FightWorld.h"

namespace {

constexpr float halfViewWidth = 960.f;  // px the camera shows either side of its centre

FighterAction actionOf(AnimState state)
{
    switch (state) {
    case AnimState::RUNNING:
        return FighterAction::Running;
    case AnimState::JUMPING:
        return FighterAction::Jumping;
    case AnimState::FALLING:
        return FighterAction::Falling;
    case AnimState::ATTACKING:
    case AnimState::ATTACK_RUN:
        return FighterAction::Attacking;
    case AnimState::DEATH:
        return FighterAction::Dying;
    case AnimState::PARRY:
        return FighterAction::Parrying;
    case AnimState::DASH:
        return FighterAction::Dashing;
    case AnimState::SHOOT:
        return FighterAction::Shooting;
    case AnimState::STUN:
        return FighterAction::Stunned;
    case AnimState::DEFLECT:
        return FighterAction::Knocked;
    case AnimState::SEISME:
        return FighterAction::Pounding;
    default:
        return FighterAction::Idle;
    }
}

FighterView fighterOf(const Player& p)
{
    FighterView f;
    f.x = p.position.x;
    f.y = p.position.y;
    f.vx = p.velocity.x;
    f.vy = p.velocity.y;
    f.width = p.size.x;
    f.height = p.size.y;
    const sf::FloatRect picture = frameBounds(p);
    f.pictureAbove = p.position.y - picture.top;
    f.pictureBelow = picture.top + picture.height - p.position.y;
    f.facing = p.facing;
    f.kind = characterKind(p);
    f.hitPoints = p.hitPoints;
    f.alive = p.alive && p.hitPoints >= 1;
    f.onGround = p.onGround;
    f.airborne = p.airborne;
    f.doubleJumpUsed = p.doubleJumpUsed;
    f.inWater = p.slowed;
    f.glowing = p.alive && !p.protectionWaived && p.deathTimer - 3.f <= 0.5f;
    f.advancing = p.advancing;
    f.action = actionOf(p.currentState);
    f.speedFactor = p.speedFactor;
    f.dashCharge = p.dashCharge;
    f.ammo = p.skill.ammo;
    f.shieldReady = p.skill.shieldReady;
    f.markerPlaced = p.marker.placed;
    f.markerX = p.marker.position.x;
    f.markerY = p.marker.position.y;
    f.item = p.item ? p.item->kind : noItem;
    return f;
}

}  // namespace

OpponentView viewOfFight(const FightWorld& world)
{
    OpponentView view;
    for (int i = 0; i < 2; ++i)
        view.fighters[static_cast<std::size_t>(i)] = fighterOf(world.players[i]);
    for (const Projectile& shot : world.shots) {
        if (view.shotCount == maxShotsSeen)
            break;
        view.shots[static_cast<std::size_t>(view.shotCount++)] = {shot.position.x + shot.size.x / 2.f,
                                                                  shot.position.y + shot.size.y / 2.f, shot.direction,
                                                                  shot.fromP2 ? 1 : 0, shot.effect == 1};
    }
    for (int i = 0; i < 2; ++i) {
        const Flag& flag = world.flags[i];
        view.flags[static_cast<std::size_t>(i)] = {flag.position.x, flag.position.y, flag.carried, flag.section};
    }
    const sf::FloatRect goal = goalBounds(world);
    view.goalX = goal.left + goal.width / 2.f;
    view.goalY = goal.top + goal.height;
    view.crateLying = world.crate && world.crate->alive;
    if (world.crate) {
        view.crateX = world.crate->position.x;
        view.crateY = world.crate->position.y;
    }
    view.section = world.sectionIndex;
    view.lastSection = tiles(world).lastSection;
    view.sectionWidth = world.sectionWidth;
    view.sectionLeft = static_cast<float>(view.section) * world.sectionWidth;
    view.viewLeft = world.camera.centre.x - halfViewWidth;
    view.viewRight = world.camera.centre.x + halfViewWidth;
    view.rightOfWay = world.players[0].advancing ? 0 : world.players[1].advancing ? 1 : nobody;
    view.mode = world.match.caaMode ? MatchMode::KillRace : MatchMode::Classic;
    const bool over = !world.match.fightScene || world.match.flagTaken;
    view.phase = over ? MatchPhase::Over : world.match.fightLive ? MatchPhase::Live : MatchPhase::Countdown;
    view.tiles = &tiles(world).grid;
    return view;
}
