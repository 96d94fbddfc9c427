#pragma once

// The length of one step of the world's rules.
constexpr float fixedStep = 1.f / 300.f;  // s

// The game's own clock. Game logic never reads the wall clock: the frame loop
// advances `now` by `frameTime` once per frame, and every clock of the game
// (animation, attack, parry, curtain settle, navigation pacing...) measures
// against it. A test that feeds fixed frame times is therefore deterministic.
struct GameTime {
    double now = 0.0;  // seconds since the game started
};

// A stopwatch with the semantics of sf::Clock, read against a GameTime.
struct GameClock {
    double startedAt = 0.0;

    float elapsed(const GameTime& time) const { return static_cast<float>(time.now - startedAt); }
    // Restarts the clock and returns the time it showed before.
    float restart(const GameTime& time)
    {
        const float shown = elapsed(time);
        startedAt = time.now;
        return shown;
    }
};
