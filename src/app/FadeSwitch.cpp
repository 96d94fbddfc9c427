#include "app/FadeSwitch.h"

#include "app/Cursor.h"
#include "app/Game.h"
#include "match/Camera.h"
#include "match/MatchFlow.h"
#include "menus/FightAtBlack.h"

namespace {

// Into a fight from the map room or the custom list: the countdown starts
// afresh with the camera on the middle section.
void arriveInFight(Game& game)
{
    game.world.match.fightLive = false;
    centreOnMiddleSection(game.world.camera);
    setCursorVisible(game, false);
}

// Every other arrival: the camera comes over to P1 (keeping its height).
// The caa door's fight starts from the fight-start places, wherever the
// fighters stood when the door was taken.
void arriveWithP1(Game& game, SceneState target)
{
    Camera& camera = game.world.camera;
    camera.view.setCenter(game.world.players[0].position.x, camera.view.getCenter().y);
    camera.centre = camera.view.getCenter();
    if (game.state == SceneState::ModeSelect && target == SceneState::Fight)
        placeForFight(game.world);
}

}  // namespace

CurtainWatch watchCurtain(const ScreenFade& fade, bool& armed)
{
    CurtainWatch watch;
    if (!fade.active) {
        armed = false;
    } else if (fade.darkening) {
        armed = true;
    } else if (armed) {
        armed = false;
        watch.reachedBlack = true;
    }
    return watch;
}

void fadeDrivenSwitch(Game& game, bool& armed, SceneState target)
{
    if (!watchCurtain(game.screenFade, armed).reachedBlack)
        return;
    setUpChosenFight(game);
    const bool fromMapChoice =
        game.state == SceneState::MapSelect || game.state == SceneState::CustomMapSelect;
    if (target == SceneState::Fight && fromMapChoice)
        arriveInFight(game);
    else
        arriveWithP1(game, target);
    game.state = target;
}
