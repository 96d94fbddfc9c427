#pragma once

#include "launch/LaunchedFight.h"
#include "net/EnetLink.h"
#include "net/MatchRecording.h"
#include "net/NetSide.h"
#include "net/OnlineControl.h"
#include "net/SendPacing.h"
#include "world/FightSetUp.h"
#include "online/OnlineStart.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// An online match as both the game and a headless run play it, without a
// window: the connection, the conversation on the reliable channel, one
// side's rollback world for each match, what the confirmed steps gave, and
// how it ended. The caller gives it the time and this side's buttons once a
// frame of 1/60 s, and sets each match's world up on its own ground.

constexpr double connectingLimit = 60.0;   // s: nobody came, or no host answered (headless)
constexpr double agreeingLimit = 10.0;     // s from connecting to both fighters chosen: a peer that
                                           // connects and says nothing is not this game
constexpr double lingerAfterResult = 2.0;  // s: lost packets of the last steps are sent again meanwhile

// Why online play stopped.
enum class OnlineEnd {
    Playing,       // not stopped
    Left,          // a player left
    Desync,        // the two worlds went apart: the match is void
    Silent,        // the other side stopped answering
    OtherVersion,  // the other side runs another version of the game
    NoPeer,        // nobody connected in time
    LevelRefused,  // the joiner could not read the host's level
};

// The match's world set up for `choice` on the caller's ground.
using MatchSetUpFunction = std::function<void(FightWorld& world, const FightChoice& choice)>;
// What one confirmed step gave (sounds, music, the flash), handed on once.
using ConfirmedUse = std::function<void(std::uint32_t step, const StepEvents& events)>;

// The fight a match set-up describes: the game's own level, or the custom
// level whose files came with it, read from memory.
FightChoice fightChoiceOf(const MatchSetup& setup);

class OnlineMatch {
public:
    // Hosts or joins as `request` says; null with `error` when the socket cannot be had.
    // Waiting for the other side ends after `waitLimit` s (the game's screen
    // waits as long as the player does: infinity).
    static std::unique_ptr<OnlineMatch> open(const OnlineRequest& request, MatchSetUpFunction setUp,
                                             std::string& error, double waitLimit = connectingLimit);

    // One frame at `now` (s, a steady clock): packets in, the conversation,
    // up to a frame's steps with `buttons`, packets out.
    void frame(double now, const OwnButtons& buttons, const ConfirmedUse& use);

    void askRematch() { ::askRematch(control_); }
    void leave() { leaveOnline(control_, LeaveReason::Left); }

    OnlineStage stage() const { return control_.stage; }
    OnlineEnd end() const { return end_; }
    bool connected() const { return link_->state() == LinkState::Connected; }
    std::uint16_t port() const { return link_->port(); }
    const NetSide* side() const { return side_.get(); }
    // Matches begun so far (one more with each rematch).
    int matchesStarted() const { return matchesStarted_; }
    // The last frame stopped short: it would have guessed past 150 ms.
    bool waitingForPeer() const { return waiting_; }
    // The match's result once its winning step is confirmed.
    const std::optional<FightOutcome>& outcome() const { return outcome_; }
    // Whether the other side holds all our buttons (or we waited long enough for it).
    bool settled(double now) const;
    // Where each side's replay went after a desync ("" until then, or when it could not be written).
    const std::string& desyncReplay() const { return desyncReplay_; }
    // What stopped online play, in one line for the screen or the terminal.
    std::string endMessage() const;
    // How the match went on the wire, in one line: corrections, steps played
    // again, steps waited for the other side, packets dropped ("" before a match).
    std::string wireSummary() const;

private:
    OnlineMatch(std::unique_ptr<EnetLink> link, OnlineControl control, std::uint8_t ownKind, MatchSetUpFunction setUp,
                double waitLimit);
    void receive(double now);
    void startMatch();
    void playFrame(const OwnButtons& buttons, const ConfirmedUse& use);
    void followConfirmed(const ConfirmedUse& use);
    void sendInputs(double now);
    void stopFor(OnlineEnd end);

    std::unique_ptr<EnetLink> link_;
    OnlineControl control_;
    std::uint8_t ownKind_;
    MatchSetUpFunction setUp_;
    std::unique_ptr<NetSide> side_;
    std::optional<MatchRecording> recording_;
    int matchesStarted_ = 0;
    bool waiting_ = false;
    std::uint32_t liveSteps_ = 0;  // confirmed steps of live fight
    std::optional<FightOutcome> outcome_;
    double waitLimit_;
    double startedAt_ = -1.0;
    double connectedAt_ = -1.0;
    double resultAt_ = 0.0;
    SendPacing pacing_;
    OnlineEnd end_ = OnlineEnd::Playing;
    std::string desyncReplay_;
};
