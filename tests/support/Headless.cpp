#include "support/Headless.h"

#include "app/Frame.h"

#include <SFML/Graphics/Texture.hpp>

#include <atomic>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path newTempFolder()
{
    static std::atomic<int> counter{0};
    const fs::path base = fs::temp_directory_path() / "kestrelfall-tests";
    fs::create_directories(base);
    for (;;) {
        fs::path candidate = base / (std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::error_code error;
        if (fs::create_directory(candidate, error))
            return candidate;
    }
}

void linkTree(const fs::path& from, const fs::path& to)
{
    for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
        const fs::path target = to / entry.path().filename();
        if (entry.is_directory()) {
            fs::create_directory(target);
            linkTree(entry.path(), target);
        } else if (entry.path().extension() == ".txt") {
            fs::copy_file(entry.path(), target);
        } else {
            std::error_code error;
            fs::create_hard_link(entry.path(), target, error);
            if (error)
                fs::copy_file(entry.path(), target);
        }
    }
}

}  // namespace

std::string enterFreshRunFolder()
{
    const fs::path folder = newTempFolder();
    const fs::path runTree(KESTRELFALL_RUN_DIR);
    if (fs::is_directory(runTree))
        linkTree(runTree, folder);
    fs::current_path(folder);
    return folder.string();
}

std::string enterEmptyFolder()
{
    const fs::path folder = newTempFolder();
    fs::current_path(folder);
    return folder.string();
}

sf::Event keyPressedEvent(sf::Keyboard::Key key)
{
    sf::Event event;
    event.type = sf::Event::KeyPressed;
    event.key = sf::Event::KeyEvent{key, false, false, false, false};
    return event;
}

sf::Event joystickButtonEvent(unsigned joystick, unsigned button)
{
    sf::Event event;
    event.type = sf::Event::JoystickButtonPressed;
    event.joystickButton.joystickId = joystick;
    event.joystickButton.button = button;
    return event;
}

sf::Event closedEvent()
{
    sf::Event event;
    event.type = sf::Event::Closed;
    return event;
}

HeadlessGame::HeadlessGame(bool openWindow)
{
    enterFreshRunFolder();
    game = std::make_unique<Game>();
    if (openWindow) {
        game->fullscreen = false;
        createWindow(*game);
    }
}

void HeadlessGame::step(int frames, float frameTime, const std::vector<sf::Event>& events)
{
    static const std::vector<sf::Event> none;
    for (int i = 0; i < frames; ++i)
        runFrame(*game, frameTime, i == 0 ? events : none, drawEachFrame && game->window.isOpen());
}

void HeadlessGame::setKey(sf::Keyboard::Key key, bool down)
{
    if (key >= 0 && key < sf::Keyboard::KeyCount)
        game->input.keys[key] = down;
}

void HeadlessGame::setButton(unsigned joystick, unsigned button, bool down)
{
    if (joystick < sf::Joystick::Count && button < sf::Joystick::ButtonCount) {
        game->input.joysticks[joystick].connected = true;
        game->input.joysticks[joystick].buttons[button] = down;
    }
}

bool HeadlessGame::saveScreenshot(const std::string& path)
{
    if (!game->window.isOpen())
        return false;
    // Drawn twice: the background's cross-fade steps when drawn and shows
    // its step on the next drawing.
    for (int i = 0; !drawEachFrame && i < 2; ++i) {
        game->window.clear(sf::Color::Black);
        draw(*game);
        game->window.display();
    }
    const sf::Vector2u size = game->window.getSize();
    sf::Texture texture;
    if (!texture.create(size.x, size.y))
        return false;
    texture.update(game->window);
    return texture.copyToImage().saveToFile(path);
}
