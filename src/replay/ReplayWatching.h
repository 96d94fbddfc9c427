#pragma once

#include "replay/ReplayRecord.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Event.hpp>

#include <string>

struct Game;

// A replay driving the fight: set up from its header, then one step of its
// buttons at a time. Watching shows it in the fight scene with the HUD and
// sounds and a small bar (pause, ½× to 4×, restart, leave); checking runs it
// without drawing.

// Sets the replay's fight up in `game`; "" or why it cannot be played (one line).
std::string startDrive(Game& game, const ReplayRecord& record);
// Plays the replay's next step; false once every step was played.
bool driveStep(Game& game);

// Starts watching `record` in the fight scene; "" or why it cannot be played.
std::string watchReplay(Game& game, const ReplayRecord& record);
// The frame of a replay being watched: the bar's steps, the fight's steps.
void watchFrame(Game& game);
// A key or pad event while watching; true when the bar took it.
bool watchEvent(Game& game, const sf::Event& event);
// The bar while watching; the result screen's hint after a recorded match.
void drawReplayOverlay(Game& game, sf::RenderTarget& target);

// R or pad Back on the result screen.
bool replayAsked(const Game& game);
