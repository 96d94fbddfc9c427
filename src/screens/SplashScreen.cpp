#include "screens/SplashScreen.h"

#include "app/Cursor.h"
#include "app/Game.h"

void updateSplash(Game& game)
{
    ScreenFade& fade = game.screenFade;
    setCursorVisible(game, false);
    // The black opening counts from when everything is loaded.
    if (!startUpFinished(game))
        return;
    game.splashTime += game.frameTime;
    // The black opening: the reveal is started again whenever it ends early.
    if (game.splashTime < splashRevealTime && !fade.active)
        startReveal(fade);
    if (game.splashTime >= splashEndTime) {
        if (!fade.active)
            startFade(fade);
        if (!fade.darkening)
            game.state = SceneState::Title;
    }
}

void drawSplash(Game& game)
{
    if (game.splashTime < splashRevealTime)
        return;
    // The logos were loaded at the size they are drawn.
    for (const sf::Sprite& logo : game.splashLogos)
        game.screenLayer.draw(logo);
}
