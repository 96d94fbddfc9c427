#include "app/Cursor.h"

#include "app/Game.h"

void setCursorVisible(Game& game, bool visible)
{
    game.cursorVisible = visible;
    if (game.window.isOpen())
        game.window.setMouseCursorVisible(visible);
}
