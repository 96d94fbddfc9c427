#include "GameView.h"

namespace {

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

OpponentView viewOfGame(const Game& game)
{
    OpponentView view;
    for (int i = 0; i < 2; ++i)
        view.fighters[static_cast<std::size_t>(i)] = fighterOf(game.world.players[i]);
    for (const Projectile& shot : game.world.shots) {
        if (view.shotCount == maxShotsSeen)
            break;
        view.shots[static_cast<std::size_t>(view.shotCount++)] = {shot.position.x + shot.size.x / 2.f,
                                                                  shot.position.y + shot.size.y / 2.f, shot.direction,
                                                                  shot.fromP2 ? 1 : 0, shot.effect == 1};
    }
    for (int i = 0; i < 2; ++i) {
        const Flag& flag = game.world.flags[i];
        view.flags[static_cast<std::size_t>(i)] = {flag.position.x, flag.position.y, flag.carried, flag.section};
    }
    const sf::FloatRect goal = goalBounds(game.world);
    view.goalX = goal.left + goal.width / 2.f;
    view.goalY = goal.top + goal.height;
    view.crateLying = game.world.crate && game.world.crate->alive;
    if (game.world.crate) {
        view.crateX = game.world.crate->position.x;
        view.crateY = game.world.crate->position.y;
    }
    view.section = game.tileMap.sectionIndex;
    view.lastSection = game.tileMap.lastSection;
    view.sectionWidth = game.world.sectionWidth;
    view.sectionLeft = static_cast<float>(view.section) * game.world.sectionWidth;
    view.viewLeft = game.world.camera.centre.x - 960.f;
    view.viewRight = game.world.camera.centre.x + 960.f;
    view.rightOfWay = game.world.players[0].advancing ? 0 : game.world.players[1].advancing ? 1 : nobody;
    view.mode = game.world.match.caaMode ? MatchMode::KillRace : MatchMode::Classic;
    const bool over = game.state != SceneState::Fight || game.world.match.flagTaken;
    view.phase = over ? MatchPhase::Over : game.world.match.fightLive ? MatchPhase::Live : MatchPhase::Countdown;
    view.tiles = &game.tileMap.grid;
    return view;
}
