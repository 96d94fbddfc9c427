#include "app/ScreenFade.h"

#include "app/Game.h"

void initScreenFade(ScreenFade& fade, Game& game)
{
    fade.game = &game;
    fade.curtain.setSize(game.resolution);
    fade.curtain.setPosition(0.f, 0.f);
    fade.curtain.setFillColor(sf::Color(0, 0, 0, 0));
}

void startFade(ScreenFade& fade)
{
    fade.clock.restart(fade.game->world.time);
    fade.active = true;
    fade.darkening = true;
    fade.lightening = true;
}

void startReveal(ScreenFade& fade)
{
    fade.clock.restart(fade.game->world.time);
    fade.active = true;
    fade.lightening = true;
    fade.darkening = false;
    fade.alpha = 255;
}

void stepFade(ScreenFade& fade)
{
    // The colour is set before the step: the curtain drawn this frame shows the
    // alpha of the previous step.
    fade.curtain.setFillColor(sf::Color(0, 0, 0, fade.alpha));
    if (fade.darkening && fade.alpha < 255) {
        fade.alpha = static_cast<std::uint8_t>(fade.alpha + 5);
    } else if (fade.lightening && fade.alpha > 0) {
        fade.darkening = false;
        fade.alpha = static_cast<std::uint8_t>(fade.alpha - 5);
    } else {
        fade.lightening = false;
        fade.active = false;
    }
}
