#pragma once

#include "world/GameTime.h"

#include <SFML/System/Vector2.hpp>

struct Button;
struct Game;

// Controller 0 drives the pause, options and key-binding screens. Its stick
// moves the choice at most once per navRepeat, and only as events arrive.
constexpr float navRepeat = 0.25f;            // s between two stick steps
constexpr float navVerticalThreshold = 70.f;  // of 100: stick up or down
constexpr float navSideThreshold = 30.f;      // of 100: stick left or right
constexpr int menuPad = 0;

// Whether the screen's navigation clock allows a stick step now.
bool navReady(const Game& game, const GameClock& navClock);
// -1, 0 or +1: the pad's stick pushed up, not at all, or down.
int stickVertical(const Game& game);
// -1, 0 or +1: the pad's stick pushed left, not at all, or right.
int stickSideways(const Game& game);

// Moves `selected` one item down (+1) or up (-1) among `count`, wrapping at
// both ends; from -1 (the mouse's) down gives the first item, up the last.
int wrapSelection(int selected, int step, int count);

// One stick step of a list of `count` items: plays "HOVER" and restarts the
// clock when the stick is up or down and the clock allows. True if it moved.
bool stepSelectionByStick(Game& game, GameClock& navClock, int& selected, int count);

// The mouse hover of the pause and options buttons: "HOVER" when the mouse
// comes onto a button.
void hoverButtons(Button* const* buttons, int count, sf::Vector2f mouse);
