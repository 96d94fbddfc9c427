#pragma once

#include <vector>

// An effect a step asks for: played at volume (0..100) x the effect volume,
// unless it is already sounding; or, for `restart`, from its beginning.
struct SoundCue {
    const char* key = "";
    float volume = 100.f;
    bool restart = false;
};

// The fight music's change a step asks for.
enum class FightMusic { Unchanged, Starts, Stops };

// What one step asks of the scene around the world, in the order it asked.
struct StepEvents {
    std::vector<SoundCue> sounds;
    FightMusic music = FightMusic::Unchanged;
    bool stopFlash = false;      // the STOP item was used: the screen flashes
    bool matchWon = false;       // the result screen follows
    int victories[2] = {0, 0};   // classic wins declared this step, by player (the hub counts them)
};

inline void cueSound(StepEvents& events, const char* key, float volume)
{
    events.sounds.push_back({key, volume, false});
}

inline void cueRestart(StepEvents& events, const char* key, float volume)
{
    events.sounds.push_back({key, volume, true});
}
