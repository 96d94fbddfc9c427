#include "online/OnlineMatch.h"

#include "replay/ReplayStore.h"
#include "world/WorldBytes.h"

#include <ctime>

namespace {

// 0 P1, 1 P2, 2 both, -1 none yet.
int winnerOf(const FightWorld& world)
{
    const bool p1 = world.players[0].isWinner, p2 = world.players[1].isWinner;
    return p1 && p2 ? 2 : p1 ? 0 : p2 ? 1 : -1;
}

OnlineEnd endFor(LeaveReason reason)
{
    switch (reason) {
    case LeaveReason::Desync: return OnlineEnd::Desync;
    case LeaveReason::OtherVersion: return OnlineEnd::OtherVersion;
    case LeaveReason::Silent: return OnlineEnd::Silent;
    case LeaveReason::LevelRefused: return OnlineEnd::LevelRefused;
    case LeaveReason::Left: break;
    }
    return OnlineEnd::Left;
}

}  // namespace

FightChoice fightChoiceOf(const MatchSetup& setup)
{
    FightChoice choice;
    choice.caa = setup.mode == ReplayMode::Caa;
    choice.kinds[0] = setup.kinds[0];
    choice.kinds[1] = setup.kinds[1];
    choice.seed = setup.seed;
    if (!choice.caa && !setup.levelFiles.empty()) {
        choice.level = setup.levelFiles.front().name;
        choice.heldLevel = setup.levelFiles;
    }
    return choice;
}

std::unique_ptr<OnlineMatch> OnlineMatch::open(const OnlineRequest& request, MatchSetUpFunction setUp,
                                               std::string& error, double waitLimit)
{
    const bool host = request.net.role == NetRole::Host;
    std::unique_ptr<EnetLink> link = host ? EnetLink::host("0.0.0.0", request.net.port, request.net.shim, error)
                                          : EnetLink::join(request.net.address, request.net.port, request.net.shim, error);
    if (!link)
        return nullptr;
    OnlineControl control = host ? startHosting(request.setup) : startJoining();
    return std::unique_ptr<OnlineMatch>(new OnlineMatch(std::move(link), std::move(control), request.ownKind,
                                                        std::move(setUp), waitLimit));
}

OnlineMatch::OnlineMatch(std::unique_ptr<EnetLink> link, OnlineControl control, std::uint8_t ownKind,
                         MatchSetUpFunction setUp, double waitLimit)
    : link_(std::move(link)),
      control_(std::move(control)),
      ownKind_(ownKind),
      setUp_(std::move(setUp)),
      waitLimit_(waitLimit)
{
}

void OnlineMatch::frame(double now, const OwnButtons& buttons, const ConfirmedUse& use)
{
    if (startedAt_ < 0.0)
        startedAt_ = now;
    // 1. What arrived; 2. the conversation moves on; 3. the match, when one is on.
    receive(now);
    if (control_.stage == OnlineStage::ChoosingFighters && !control_.kinds[control_.host ? 0 : 1])
        chooseFighter(control_, ownKind_);
    if (control_.stage == OnlineStage::Left && end_ == OnlineEnd::Playing)
        stopFor(endFor(control_.leftFor));
    if (control_.stage == OnlineStage::Playing && matchesStarted_ != control_.rematches + 1)
        startMatch();
    if (end_ == OnlineEnd::Playing && side_ && control_.stage == OnlineStage::Playing)
        playFrame(buttons, use);
    if (outcome_ && control_.stage == OnlineStage::Playing) {
        finishMatch(control_);
        resultAt_ = now;
    }
    // 4. What we have to say, once there is someone to say it to.
    if (!connected())
        return;
    sendInputs(now);
    for (std::string& message : control_.outbox)
        link_->send(now, std::move(message), true);
    control_.outbox.clear();
}

void OnlineMatch::receive(double now)
{
    for (const LinkPacket& packet : link_->service(now)) {
        if (packet.reliable)
            receiveControl(control_, packet.bytes);
        else if (side_)
            side_->receive(packet.bytes, now);
    }
    if (end_ != OnlineEnd::Playing || control_.stage == OnlineStage::Left)
        return;
    const LinkState state = link_->state();
    if (state == LinkState::Connected && connectedAt_ < 0.0)
        connectedAt_ = now;
    const bool agreeing = control_.stage == OnlineStage::Greeting || control_.stage == OnlineStage::AwaitingSetup ||
                          control_.stage == OnlineStage::ChoosingFighters;
    if (agreeing && (state == LinkState::Closed || (connectedAt_ < 0.0 && now - startedAt_ > waitLimit_) ||
                     (connectedAt_ >= 0.0 && now - connectedAt_ > agreeingLimit)))
        stopFor(OnlineEnd::NoPeer);
    else if ((state == LinkState::Lost || state == LinkState::Closed) && !(outcome_ && settled(now)))
        stopFor(OnlineEnd::Silent);
}

void OnlineMatch::startMatch()
{
    const MatchSetup match = matchToPlay(control_);
    side_ = std::make_unique<NetSide>(control_.host ? 0 : 1, match.inputDelayFrames);
    setUp_(side_->world, fightChoiceOf(match));
    ReplayHeader header = replayHeaderOf(match, tiles(side_->world).levelPath);
    header.startWorld = serialize(side_->world);
    recording_.emplace(std::move(header));
    ++matchesStarted_;
    liveSteps_ = 0;
    outcome_.reset();
    pacing_ = SendPacing{};
}

void OnlineMatch::playFrame(const OwnButtons& buttons, const ConfirmedUse& use)
{
    // 1. Up to a frame's steps; none past a winner the live world already shows.
    NetSide& side = *side_;
    const bool decided = winnerOf(side.world) >= 0;
    waiting_ = playNetFrame(side, buttons, decided ? side.session.steps() : netMaxStep).waited;
    // 2. The confirmed steps: their events, the result, the replay.
    followConfirmed(use);
    recording_->follow(side.session);
    // 3. Worlds that went apart void the match; each side keeps its replay.
    if (side.session.desync()) {
        const ReplayRecord record = recording_->finish(false, checksum(side.session.confirmedWorld(side.world)));
        desyncReplay_ = saveReplay(record, std::time(nullptr)).path;
        stopFor(OnlineEnd::Desync);
    }
}

void OnlineMatch::followConfirmed(const ConfirmedUse& use)
{
    NetSide& side = *side_;
    const std::uint32_t confirmed = side.session.confirmedSteps();
    side.pendingEvents.release(confirmed, [&](std::uint32_t step, const StepEvents& events) {
        if (outcome_)
            return;  // the steps after the winning one are not the match's
        const FightWorld& after = side.session.worldAfter(step + 1, side.world);
        liveSteps_ += after.match.fightLive ? 1 : 0;
        use(step, events);
        if (events.matchWon || winnerOf(after) >= 0)
            outcome_ = FightOutcome{winnerOf(after), liveSteps_ / 300.0, checksum(after)};
    });
}

void OnlineMatch::sendInputs(double now)
{
    const bool matchOn = control_.stage == OnlineStage::Playing || control_.stage == OnlineStage::Result;
    if (!side_ || !matchOn || end_ != OnlineEnd::Playing)
        return;
    const std::vector<FightInput>& ours = side_->session.inputs(side_->session.localPlayer());
    if (pacing_.due(ours.empty() ? FightInput{} : ours.back()))
        link_->send(now, encodeInputPacket(side_->session.nextPacket()), false);
}

void OnlineMatch::stopFor(OnlineEnd end)
{
    end_ = end;
    const LeaveReason reasons[] = {LeaveReason::Left,         LeaveReason::Left,   LeaveReason::Desync,
                                   LeaveReason::Silent,       LeaveReason::OtherVersion, LeaveReason::Silent,
                                   LeaveReason::LevelRefused};
    leaveOnline(control_, reasons[static_cast<int>(end)]);
}

bool OnlineMatch::settled(double now) const
{
    return outcome_ && (side_->session.allOursHeld() || now - resultAt_ > lingerAfterResult);
}

std::string OnlineMatch::wireSummary() const
{
    if (!side_)
        return "";
    const SessionCounters& counts = side_->session.counters();
    return std::to_string(counts.rollbacks) + " rollbacks (" + std::to_string(counts.reSteps) +
           " steps played again), " + std::to_string(counts.waits) + " steps waited for the other side, " +
           std::to_string(side_->session.drops().total) + " packets dropped";
}

std::string OnlineMatch::endMessage() const
{
    switch (end_) {
    case OnlineEnd::Playing: return "";
    case OnlineEnd::Left: return control_.weLeft ? "you left the online match" : "the other player left";
    case OnlineEnd::Desync: {
        const std::string second = side_ && side_->session.desync()
                                       ? std::to_string(side_->session.desync()->step / 300)
                                       : "?";
        return "the two games went apart at second " + second + ": the match is void" +
               (desyncReplay_.empty() ? std::string() : "; replay kept in " + desyncReplay_);
    }
    case OnlineEnd::Silent: return "the other player stopped answering (nothing heard for 5 s)";
    case OnlineEnd::OtherVersion: return "the other player runs another version of the game";
    case OnlineEnd::NoPeer:
        if (connectedAt_ >= 0.0)
            return "the other side connected but did not answer as this game does";
        return control_.host ? "nobody joined in time" : "no game answered at that address and port";
    case OnlineEnd::LevelRefused:
        if (!control_.weLeft)
            return "the other player's game could not read this level";
        return "the host's level cannot be played here: " + control_.levelProblem;
    }
    return "";
}
