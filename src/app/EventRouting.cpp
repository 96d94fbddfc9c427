#include "app/Cursor.h"
#include "app/Frame.h"
#include "app/Game.h"
#include "app/MousePosition.h"
#include "editor/MapEditor.h"
#include "menus/KeyBindingScreen.h"
#include "menus/OptionsScreen.h"
#include "menus/PauseMenu.h"
#include "replay/ReplayWatching.h"

namespace {

constexpr float wheelZoomStep = 0.05f;  // view size change per wheel notch

void mousePressed(Game& game, sf::Vector2f mouse, sf::Mouse::Button button)
{
    switch (game.state) {
    case SceneState::Editor:
        onMousePressed(game.editor, mouse);
        break;
    case SceneState::Options:
        onMousePressed(game.options, mouse, button);
        break;
    case SceneState::Pause:
        onMousePressed(game.pauseMenu, mouse, button);
        break;
    case SceneState::KeyBindings:
        onBindClick(game.options.keyBindingScreen, mouse);
        break;
    default:
        break;
    }
}

void mouseMoved(Game& game, sf::Vector2f mouse)
{
    setCursorVisible(game, true);
    switch (game.state) {
    case SceneState::Editor:
        onMouseMoved(game.editor, mouse);
        break;
    case SceneState::Options:
        onMouseMoved(game.options, mouse);
        break;
    case SceneState::Pause:
        onMouseMoved(game.pauseMenu, mouse);
        break;
    case SceneState::KeyBindings:
        onBindHover(game.options.keyBindingScreen, mouse);
        break;
    default:
        break;
    }
}

void wheelMoved(Game& game, int delta)
{
    MapEditor& editor = game.editor;
    if (game.state != SceneState::Editor || editor.panel != EditorPanel::Canvas)
        return;
    editor.view.zoom(1.f - wheelZoomStep * static_cast<float>(delta));
    clampZoom(editor);
}

}  // namespace

void routeEvent(Game& game, const sf::Event& event)
{
    if (game.replay.watch.active && watchEvent(game, event))
        return;
    if (game.outsidePlay && game.outsidePlay->takeEvent(game, event))
        return;
    switch (event.type) {
    case sf::Event::Closed:
        if (game.window.isOpen())
            game.window.close();
        break;
    case sf::Event::MouseButtonPressed:
        mousePressed(game, toLogicalScreen(game, {event.mouseButton.x, event.mouseButton.y}), event.mouseButton.button);
        break;
    case sf::Event::MouseMoved:
        mouseMoved(game, toLogicalScreen(game, {event.mouseMove.x, event.mouseMove.y}));
        break;
    case sf::Event::KeyPressed:
        onKeyPressed(game, event.key);
        break;
    case sf::Event::JoystickButtonPressed:
    case sf::Event::JoystickMoved:
        onJoystick(game, event);
        break;
    case sf::Event::MouseWheelMoved:
        wheelMoved(game, event.mouseWheel.delta);
        break;
    case sf::Event::TextEntered:
        onTextEntered(game, event.text.unicode);
        break;
    case sf::Event::LostFocus:
    case sf::Event::GainedFocus:
        setWindowFocus(game.input, event.type == sf::Event::GainedFocus);
        break;
    default:
        break;
    }
}
