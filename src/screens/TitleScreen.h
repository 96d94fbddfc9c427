#pragma once

struct Game;

// The title screen: background picture, a logo bobbing between 260 and 280
// px, and "Press any button to Start" pulsing with a period of pi seconds.
constexpr float titleBobSpeed = 10.f;         // px/s
constexpr float titleTextHeightDivisor = 1.2f;  // the prompt stands at resolution.y / 1.2

void updateTitle(Game& game);
// The pulse of the prompt and the bob of the logo.
void animateTitle(Game& game);
void drawTitle(Game& game);

// Leaving the title: both fighters stand at their hub start places.
void enterHubFromTitle(Game& game);
