#pragma once

struct Game;

// The logo splash: a black screen revealed during the first 1.5 s, the two
// logos from then on, and a fade to black into the title from 5 s.
constexpr float splashRevealTime = 1.5f;  // s: logos show from here
constexpr float splashEndTime = 5.f;      // s: the fade to the title starts here
constexpr float splashLogoScales[2] = {0.25f, 0.3f};

void updateSplash(Game& game);
void drawSplash(Game& game);
