#pragma once

#include <SFML/Window/Event.hpp>

struct Game;

// What a key, a typed character or a pad press asks of a menu screen. The
// online screens read only these, so the keyboard and the pad drive them alike.
enum class MenuCommandKind { None, Up, Down, Left, Right, Confirm, Back, EraseBefore, EraseUnder, Type };

struct MenuCommand {
    MenuCommandKind kind = MenuCommandKind::None;
    unsigned character = 0;  // Type: the character typed
    bool fromPad = false;
};

// What a page of a screen made of a command.
enum class PageOutcome { Stay, Start, Back };

// The first pad's direction pad and stick as last seen: a direction counts
// once when pushed and again only after it came back to the middle.
struct PadDirections {
    int x = 0;  // -1 left, +1 right
    int y = 0;  // -1 up, +1 down
};

// Arrows, Enter, Escape, Backspace and Delete; every other key is None (the
// characters come as typed text).
MenuCommand menuKeyCommand(sf::Keyboard::Key key);
// A typed character; control characters are None.
MenuCommand menuTextCommand(unsigned codePoint);
// The first pad: A confirms, B goes back (each once per press, through the
// game's latches), X erases the character under the cursor, the direction
// pad or the stick step once per push.
MenuCommand menuPadCommand(Game& game, PadDirections& held, const sf::Event& event);
