#pragma once

#include "app/Game.h"

#include <SFML/Window/Event.hpp>

#include <memory>
#include <string>
#include <vector>

// Runs the game without a person: a private copy of the run folder as working
// directory, fixed frame times, scripted input, and pictures saved as PNG.
// Every test that touches files works in its own copy, so no test can change
// a player's settings or levels.

// Makes a fresh working folder holding the generated asset tree and changes
// into it. Pictures and sounds are hard-linked (cheap); text files are copied
// so that the game may rewrite them. Returns the folder's path.
std::string enterFreshRunFolder();

// An empty working folder (for tests that build their own tiny files).
std::string enterEmptyFolder();

sf::Event keyPressedEvent(sf::Keyboard::Key key);
sf::Event joystickButtonEvent(unsigned joystick, unsigned button);
sf::Event closedEvent();

struct HeadlessGame {
    std::unique_ptr<Game> game;

    // Constructs the Game in a fresh run folder. With `openWindow` a real
    // windowed 1920 x 1080 window is opened (tests that look at pictures).
    explicit HeadlessGame(bool openWindow = false);

    // Runs `frames` frames of `frameTime` seconds; `events` go to the first one.
    // With a window each frame is drawn too, unless `drawEachFrame` is off.
    void step(int frames = 1, float frameTime = 1.f / 60.f, const std::vector<sf::Event>& events = {});
    bool drawEachFrame = true;

    // Holds or releases a key / controller button in the input source.
    void setKey(sf::Keyboard::Key key, bool down);
    void setButton(unsigned joystick, unsigned button, bool down);

    // Saves what the window shows as a PNG; false without a window. Without
    // `drawEachFrame` the present state is drawn first.
    bool saveScreenshot(const std::string& path);
};
