#include "app/Cursor.h"

#include "app/Game.h"

void setCursorVisible(Game& game, bool visible)
{
    // Scenes ask every frame; only a change goes to the window (each request
    // is a round trip to the display server).
    if (game.cursorVisible == visible)
        return;
    game.cursorVisible = visible;
    if (game.window.isOpen())
        game.window.setMouseCursorVisible(visible);
}
