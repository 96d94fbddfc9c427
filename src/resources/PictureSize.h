#pragma once

#include <SFML/System/Vector2.hpp>

#include <string>

// The size in px of the picture at `path` (the letter case resolved), read
// from the file alone: no graphics card, no display. (0, 0) when it cannot
// be read, as an unreadable picture shows nothing.
sf::Vector2u pictureSize(const std::string& path);
