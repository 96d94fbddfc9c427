#pragma once

#include "net/ControlMessage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One side's part of the conversation on the reliable channel: hello both
// ways (the same protocol and game version, or both leave), the host's match
// set-up, each side's own fighter, the match, then rematch or leave. A plain
// value: what it has to say waits in `outbox` for the caller to send.

enum class OnlineStage {
    Greeting,          // our hello sent, theirs awaited
    AwaitingSetup,     // the joiner waits for the host's set-up
    ChoosingFighters,  // both sides' Ready awaited
    Playing,
    Result,            // the match is over; rematch or leave
    Left,              // one side left; `leftFor` says why
};

struct OnlineControl {
    bool host = false;
    OnlineStage stage = OnlineStage::Greeting;
    MatchSetup setup;  // the host's choice; the joiner's once received
    std::optional<std::uint8_t> kinds[2];  // each player's own fighter (the host is P1)
    bool rematch[2] = {false, false};
    int rematches = 0;                     // each one plays on the seed moved on by one
    LeaveReason leftFor = LeaveReason::Left;
    bool weLeft = false;
    std::vector<std::string> outbox;       // encoded messages for the reliable channel
    std::uint64_t refused = 0;             // unreadable, or not for the stage we are in
    std::string levelProblem;              // why we refused the host's level ("" when we did not)
};

// Why the level a set-up brings cannot be played ("" when it can, or when it
// is one of the game's own): its files are read as the fight reads them.
std::string setupLevelProblem(const MatchSetup& setup);

// The host with its set-up, or the joiner; our hello is in the outbox.
OnlineControl startHosting(const MatchSetup& setup);
OnlineControl startJoining();

void receiveControl(OnlineControl& control, std::string_view bytes);

// Our own fighter for the coming match (while choosing).
void chooseFighter(OnlineControl& control, std::uint8_t kind);
// The match was decided (on confirmed steps): Playing -> Result.
void finishMatch(OnlineControl& control);
void askRematch(OnlineControl& control);
void leaveOnline(OnlineControl& control, LeaveReason reason);

// The match to play now: the set-up with both sides' fighters and the seed of this rematch.
MatchSetup matchToPlay(const OnlineControl& control);
