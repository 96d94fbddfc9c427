#include "menus/OptionsScreen.h"

void initOptions(OptionsScreen& options, Game& game)
{
    options.game = &game;
    initKeyBindingScreen(options.keyBindingScreen, game);
}

// Placeholders until the options screen is written.
void updateOptions(OptionsScreen&) {}
void drawOptions(OptionsScreen&) {}
void onMouseMoved(OptionsScreen&, sf::Vector2f) {}
void onMousePressed(OptionsScreen&, sf::Vector2f) {}
void onJoystick(OptionsScreen&, const sf::Event&) {}
