#include "screens/MenuCommand.h"

#include "app/Game.h"
#include "app/Latches.h"
#include "menus/MenuNavigation.h"

namespace {

constexpr int buttonX = 2;
constexpr float pushThreshold = 50.f;  // of 100: a direction pad or stick counts as pushed

MenuCommand command(MenuCommandKind kind)
{
    MenuCommand made;
    made.kind = kind;
    return made;
}

int pushed(float position)
{
    return position > pushThreshold ? 1 : position < -pushThreshold ? -1 : 0;
}

// The direction pad wins over the stick when both are pushed.
int direction(const Game& game, sf::Joystick::Axis pad, sf::Joystick::Axis stick)
{
    const int fromPad = pushed(game.input.axis(menuPad, pad));
    return fromPad != 0 ? fromPad : pushed(game.input.axis(menuPad, stick));
}

MenuCommand buttonCommand(Game& game, unsigned button)
{
    if (button == buttonA && !game.latchA) {
        game.latchA = true;
        return command(MenuCommandKind::Confirm);
    }
    if (button == buttonB && !game.latchB) {
        game.latchB = true;
        return command(MenuCommandKind::Back);
    }
    if (button == buttonX)
        return command(MenuCommandKind::EraseUnder);
    return {};
}

MenuCommand moveCommand(const Game& game, PadDirections& held)
{
    const int x = direction(game, sf::Joystick::PovX, sf::Joystick::X);
    const int y = direction(game, sf::Joystick::PovY, sf::Joystick::Y);
    MenuCommand made;
    if (y != 0 && y != held.y)
        made = command(y < 0 ? MenuCommandKind::Up : MenuCommandKind::Down);
    else if (x != 0 && x != held.x)
        made = command(x < 0 ? MenuCommandKind::Left : MenuCommandKind::Right);
    held.x = x;
    held.y = y;
    return made;
}

}  // namespace

MenuCommand menuKeyCommand(sf::Keyboard::Key key)
{
    switch (key) {
    case sf::Keyboard::Up: return command(MenuCommandKind::Up);
    case sf::Keyboard::Down: return command(MenuCommandKind::Down);
    case sf::Keyboard::Left: return command(MenuCommandKind::Left);
    case sf::Keyboard::Right: return command(MenuCommandKind::Right);
    case sf::Keyboard::Enter: return command(MenuCommandKind::Confirm);
    case sf::Keyboard::Escape: return command(MenuCommandKind::Back);
    case sf::Keyboard::BackSpace: return command(MenuCommandKind::EraseBefore);
    case sf::Keyboard::Delete: return command(MenuCommandKind::EraseUnder);
    default: return {};
    }
}

MenuCommand menuTextCommand(unsigned codePoint)
{
    if (codePoint < 0x20 || codePoint == 0x7F)
        return {};
    MenuCommand made = command(MenuCommandKind::Type);
    made.character = codePoint;
    return made;
}

MenuCommand menuPadCommand(Game& game, PadDirections& held, const sf::Event& event)
{
    MenuCommand made;
    if (event.type == sf::Event::JoystickButtonPressed && event.joystickButton.joystickId == menuPad)
        made = buttonCommand(game, event.joystickButton.button);
    else if (event.type == sf::Event::JoystickMoved && event.joystickMove.joystickId == menuPad)
        made = moveCommand(game, held);
    made.fromPad = true;
    return made;
}
