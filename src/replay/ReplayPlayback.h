#pragma once

#include "replay/ReplayRecord.h"

#include <SFML/Window/Keyboard.hpp>

#include <cstdint>
#include <string>
#include <vector>

// Watching a replay: the controller's state and rules, without a window.
// Each frame the scene asks how many 1/300 s steps to play and feeds the
// world that many steps of ReplayInputs.

constexpr float maxPlaybackFrame = 0.25f;  // s: a longer frame counts as this long, as in a live fight
constexpr int playbackSpeedCount = 4;
constexpr double playbackSpeeds[playbackSpeedCount] = {0.5, 1.0, 2.0, 4.0};
constexpr int normalSpeed = 1;             // index of 1x

struct ReplayPlayback {
    bool paused = false;
    int speed = normalSpeed;          // index into playbackSpeeds
    double owed = 0.0;                // steps earned but not yet played (less than one)
    std::uint32_t step = 0;           // steps played
    std::uint32_t lastStep = 0;       // the replay's length in steps
};

ReplayPlayback startPlayback(const ReplayRecord& record);
bool playbackOver(const ReplayPlayback& playback);

// The steps to play for a frame of `frameSeconds` (none while paused or at
// the end); counts them as played.
int stepsForFrame(ReplayPlayback& playback, float frameSeconds);

// What a key or a pad asks of the controller. Pause: Space, pad A. Slower,
// faster: Left, Right, the pad's direction pad. Restart: R, pad Back (the
// keys that started the replay from the result screen). Leave: Escape, pad B.
enum class PlaybackCommand { None, Pause, Slower, Faster, Restart, Leave };
PlaybackCommand keyCommand(sf::Keyboard::Key key);
PlaybackCommand padButtonCommand(unsigned button);
// The direction pad is an axis: pushing it past the threshold is one command,
// and it must come back to the middle before it gives another.
struct DpadLatch {
    int held = 0;  // -1 left, 0 centre, 1 right
};
PlaybackCommand dpadCommand(DpadLatch& latch, float povX);

// What the scene must do after a command.
struct PlaybackRequest {
    bool restart = false;  // build the world anew from the header, ReplayInputs::restart()
    bool leave = false;
};
PlaybackRequest applyCommand(ReplayPlayback& playback, PlaybackCommand command);
