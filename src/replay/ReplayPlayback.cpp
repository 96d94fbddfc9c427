#include "replay/ReplayPlayback.h"

#include "app/Latches.h"
#include "menus/FighterChoice.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double wholeStepSlack = 1e-6;  // steps: a frame of 1/60 s at 1x is 5 steps, whatever the rounding

}  // namespace

ReplayPlayback startPlayback(const ReplayRecord& record)
{
    ReplayPlayback playback;
    playback.lastStep = record.finalStep;
    return playback;
}

bool playbackOver(const ReplayPlayback& playback)
{
    return playback.step >= playback.lastStep;
}

int stepsForFrame(ReplayPlayback& playback, float frameSeconds)
{
    if (playback.paused || playbackOver(playback))
        return 0;
    const double seconds = std::clamp(static_cast<double>(frameSeconds), 0.0, static_cast<double>(maxPlaybackFrame));
    playback.owed += seconds * replayStepsPerSecond * playbackSpeeds[playback.speed];
    const double whole = std::floor(playback.owed + wholeStepSlack);
    playback.owed = std::max(0.0, playback.owed - whole);
    const std::uint32_t left = playback.lastStep - playback.step;
    const std::uint32_t steps = std::min(static_cast<std::uint32_t>(whole), left);
    playback.step += steps;
    if (playbackOver(playback))
        playback.owed = 0.0;
    return static_cast<int>(steps);
}

PlaybackCommand keyCommand(sf::Keyboard::Key key)
{
    switch (key) {
    case sf::Keyboard::Space: return PlaybackCommand::Pause;
    case sf::Keyboard::Left: return PlaybackCommand::Slower;
    case sf::Keyboard::Right: return PlaybackCommand::Faster;
    case sf::Keyboard::R: return PlaybackCommand::Restart;
    case sf::Keyboard::Escape: return PlaybackCommand::Leave;
    default: return PlaybackCommand::None;
    }
}

PlaybackCommand padButtonCommand(unsigned button)
{
    switch (button) {
    case buttonA: return PlaybackCommand::Pause;
    case buttonBack: return PlaybackCommand::Restart;
    case buttonB: return PlaybackCommand::Leave;
    default: return PlaybackCommand::None;
    }
}

PlaybackCommand dpadCommand(DpadLatch& latch, float povX)
{
    const int now = povX > dpadThreshold ? 1 : povX < -dpadThreshold ? -1 : 0;
    const bool pushed = now != 0 && now != latch.held;
    latch.held = now;
    if (!pushed)
        return PlaybackCommand::None;
    return now > 0 ? PlaybackCommand::Faster : PlaybackCommand::Slower;
}

PlaybackRequest applyCommand(ReplayPlayback& playback, PlaybackCommand command)
{
    PlaybackRequest request;
    switch (command) {
    case PlaybackCommand::Pause: playback.paused = !playback.paused; break;
    case PlaybackCommand::Slower: playback.speed = std::max(playback.speed - 1, 0); break;
    case PlaybackCommand::Faster: playback.speed = std::min(playback.speed + 1, playbackSpeedCount - 1); break;
    case PlaybackCommand::Restart:
        playback.step = 0;
        playback.owed = 0.0;
        playback.paused = false;
        request.restart = true;
        break;
    case PlaybackCommand::Leave: request.leave = true; break;
    case PlaybackCommand::None: break;
    }
    return request;
}
