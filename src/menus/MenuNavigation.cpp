#include "menus/MenuNavigation.h"

#include "app/Game.h"
#include "audio/Audio.h"
#include "resources/Button.h"

bool navReady(const Game& game, const GameClock& navClock)
{
    return navClock.elapsed(game.menuTime) > navRepeat;
}

int stickVertical(const Game& game)
{
    const float y = game.input.axis(menuPad, sf::Joystick::Y);
    return y > navVerticalThreshold ? 1 : y < -navVerticalThreshold ? -1 : 0;
}

int stickSideways(const Game& game)
{
    const float x = game.input.axis(menuPad, sf::Joystick::X);
    return x > navSideThreshold ? 1 : x < -navSideThreshold ? -1 : 0;
}

int wrapSelection(int selected, int step, int count)
{
    const int next = selected + step;
    if (next >= count)
        return 0;
    if (next < 0)
        return count - 1;
    return next;
}

bool stepSelectionByStick(Game& game, GameClock& navClock, int& selected, int count)
{
    const int step = stickVertical(game);
    if (step == 0 || !navReady(game, navClock))
        return false;
    playSound("HOVER", 100.f);
    navClock.restart(game.menuTime);
    selected = wrapSelection(selected, step, count);
    return true;
}

void hoverButtons(Button* const* buttons, int count, sf::Vector2f mouse)
{
    for (int i = 0; i < count; ++i) {
        Button& button = *buttons[i];
        if (buttonContains(button, mouse)) {
            if (!button.hovered)
                playSound("HOVER", 100.f);
            button.hovered = true;
        } else {
            button.hovered = false;
        }
    }
}
