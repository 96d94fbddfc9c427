#pragma once

#include "net/ControlMessage.h"
#include "net/RollbackSession.h"
#include "replay/ReplayRecorder.h"

// An online match as a replay, confirmed steps only: when the two sides'
// checksums differ, each writes its own, so that the match can be played
// again on one machine to find which side went wrong.

// The replay header of the match `setup` describes: on a custom level its
// files as they came with the set-up, on the game's own level at `levelPath`
// the files installed here.
ReplayHeader replayHeaderOf(const MatchSetup& setup, const std::string& levelPath);

class MatchRecording {
public:
    explicit MatchRecording(ReplayHeader header) : recorder_(std::move(header)) {}

    // Notes the steps `session` confirmed since the last call, with our
    // checksum of each whole second.
    void follow(const RollbackSession& session);
    ReplayRecord finish(bool won, std::uint64_t finalChecksum) { return recorder_.finish(won, finalChecksum); }

private:
    ReplayRecorder recorder_;
};
