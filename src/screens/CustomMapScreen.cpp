#include "screens/CustomMapScreen.h"

#include "app/FadeSwitch.h"
#include "app/Game.h"

void initCustomMapSelect(CustomMapScreen& screen, Game& game)
{
    screen.game = &game;
    rebuildList(screen);
}

void rebuildList(CustomMapScreen& screen)
{
    screen.targetState = SceneState::CustomMapSelect;
}

// The back and pick tests come with the list itself; the switch is here already.
void updateCustomMapSelect(CustomMapScreen& screen)
{
    if (screen.targetState != SceneState::CustomMapSelect)
        fadeDrivenSwitch(*screen.game, screen.armed, screen.targetState);
}

// Placeholder until the list is drawn.
void drawCustomMapSelect(CustomMapScreen&) {}
