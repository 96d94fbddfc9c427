#pragma once

#include <SFML/Graphics/Image.hpp>

#include <string>

struct Game;

// Reference pictures of what the player sees, kept at half size in
// tests/data/golden. Drawing may change how it reaches the window, never
// what it shows: a picture drawn now must match its reference within a mean
// absolute difference of 1 % in each colour channel.

// The whole frame as the window shows it, drawn twice from the present
// state (the background's cross-fade shows its step one drawing late).
sf::Image drawnWindow(Game& game);

// Half the size, each pixel the mean of four.
sf::Image halfSize(const sf::Image& image);

// The largest of the three channels' mean absolute differences, 0..1;
// 1 when the sizes differ.
double meanChannelDifference(const sf::Image& a, const sf::Image& b);

// Compares `picture` (full size) with the reference `name`. With
// KESTRELFALL_WRITE_GOLDEN set, the reference is written instead. A picture
// that does not match is saved beside the temporary folder's copy for a
// person to look at; the message says where.
struct GoldenResult {
    bool matches = false;
    double difference = 1.0;
    std::string message;
};
GoldenResult compareWithGolden(const sf::Image& picture, const std::string& name);
