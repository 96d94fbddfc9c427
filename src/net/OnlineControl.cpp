#include "net/OnlineControl.h"

#include "level/HeldLevel.h"
#include "level/TileMap.h"
#include "net/WireFormat.h"

namespace {

int ourPlayer(const OnlineControl& c)
{
    return c.host ? 0 : 1;
}

void say(OnlineControl& c, const ControlMessage& message)
{
    c.outbox.push_back(encodeControl(message));
}

ControlMessage messageOf(PacketType type)
{
    ControlMessage m;
    m.type = type;
    return m;
}

// Both fighters chosen, or both asking for a rematch: the match begins.
void playWhenBothAgree(OnlineControl& c)
{
    const bool chosen = c.stage == OnlineStage::ChoosingFighters && c.kinds[0] && c.kinds[1];
    const bool again = c.stage == OnlineStage::Result && c.rematch[0] && c.rematch[1];
    if (!chosen && !again)
        return;
    if (again)
        ++c.rematches;
    c.stage = OnlineStage::Playing;
    c.rematch[0] = c.rematch[1] = false;
}

// Their hello: the same protocol and game, or we both leave.
void hello(OnlineControl& c, const ControlMessage& m)
{
    if (m.protocol != netProtocol || m.gameVersion != currentGameVersion) {
        leaveOnline(c, LeaveReason::OtherVersion);
        return;
    }
    if (c.host) {
        ControlMessage setup = messageOf(PacketType::MatchSetup);
        setup.setup = c.setup;
        say(c, setup);
        c.stage = OnlineStage::ChoosingFighters;
    } else {
        c.stage = OnlineStage::AwaitingSetup;
    }
}

// Whether `m` may come now; what came at the wrong time is refused.
bool expected(const OnlineControl& c, const ControlMessage& m)
{
    switch (m.type) {
    case PacketType::Hello: return c.stage == OnlineStage::Greeting;
    case PacketType::MatchSetup: return !c.host && c.stage == OnlineStage::AwaitingSetup;
    case PacketType::Ready: return c.stage == OnlineStage::ChoosingFighters && !c.kinds[1 - ourPlayer(c)];
    case PacketType::Rematch: return c.stage == OnlineStage::Playing || c.stage == OnlineStage::Result;
    case PacketType::Leave: return c.stage != OnlineStage::Left;
    case PacketType::Inputs: return false;
    }
    return false;
}

// The host's set-up, or one we cannot play: then we leave, saying why.
void takeSetup(OnlineControl& c, const MatchSetup& setup)
{
    c.setup = setup;
    c.levelProblem = setupLevelProblem(setup);
    if (!c.levelProblem.empty()) {
        leaveOnline(c, LeaveReason::LevelRefused);
        return;
    }
    c.stage = OnlineStage::ChoosingFighters;
}

// A set-up awaited that did not read (too large, a bad field): refused as a level we cannot play.
void refuseUnreadableSetup(OnlineControl& c, std::string_view bytes, PacketProblem problem)
{
    PacketType type = PacketType::Hello;
    if (c.host || c.stage != OnlineStage::AwaitingSetup || peekPacketType(bytes, type) != PacketProblem::None ||
        type != PacketType::MatchSetup)
        return;
    c.levelProblem = "the host's match set-up could not be read (" + std::string(problemName(problem)) + ")";
    leaveOnline(c, LeaveReason::LevelRefused);
}

}  // namespace

std::string setupLevelProblem(const MatchSetup& setup)
{
    if (setup.mode != ReplayMode::Classic || setup.levelFiles.empty())
        return "";
    return heldLevelProblem(setup.levelFiles, classicColumns);
}

OnlineControl startHosting(const MatchSetup& setup)
{
    OnlineControl c;
    c.host = true;
    c.setup = setup;
    say(c, messageOf(PacketType::Hello));
    return c;
}

OnlineControl startJoining()
{
    OnlineControl c;
    say(c, messageOf(PacketType::Hello));
    return c;
}

void receiveControl(OnlineControl& c, std::string_view bytes)
{
    ControlMessage m;
    const PacketProblem problem = decodeControl(bytes, m);
    if (problem != PacketProblem::None || !expected(c, m)) {
        ++c.refused;
        if (problem != PacketProblem::None)
            refuseUnreadableSetup(c, bytes, problem);
        return;
    }
    switch (m.type) {
    case PacketType::Hello: hello(c, m); break;
    case PacketType::MatchSetup: takeSetup(c, m.setup); break;
    case PacketType::Ready: c.kinds[1 - ourPlayer(c)] = m.kind; break;
    case PacketType::Rematch: c.rematch[1 - ourPlayer(c)] = true; break;
    case PacketType::Leave:
        c.stage = OnlineStage::Left;
        c.leftFor = m.reason;
        break;
    case PacketType::Inputs: break;
    }
    playWhenBothAgree(c);
}

void chooseFighter(OnlineControl& c, std::uint8_t kind)
{
    if (c.stage != OnlineStage::ChoosingFighters || c.kinds[ourPlayer(c)] || kind >= replayKindCount)
        return;
    c.kinds[ourPlayer(c)] = kind;
    ControlMessage ready = messageOf(PacketType::Ready);
    ready.kind = kind;
    say(c, ready);
    playWhenBothAgree(c);
}

void finishMatch(OnlineControl& c)
{
    if (c.stage == OnlineStage::Playing)
        c.stage = OnlineStage::Result;
    playWhenBothAgree(c);  // their rematch may have come first
}

void askRematch(OnlineControl& c)
{
    if (c.stage != OnlineStage::Result || c.rematch[ourPlayer(c)])
        return;
    c.rematch[ourPlayer(c)] = true;
    say(c, messageOf(PacketType::Rematch));
    playWhenBothAgree(c);
}

void leaveOnline(OnlineControl& c, LeaveReason reason)
{
    if (c.stage == OnlineStage::Left)
        return;
    ControlMessage leave = messageOf(PacketType::Leave);
    leave.reason = reason;
    say(c, leave);
    c.stage = OnlineStage::Left;
    c.leftFor = reason;
    c.weLeft = true;
}

MatchSetup matchToPlay(const OnlineControl& c)
{
    MatchSetup match = c.setup;
    for (int i = 0; i < 2; ++i)
        if (c.kinds[i])
            match.kinds[i] = *c.kinds[i];
    match.seed += static_cast<std::uint64_t>(c.rematches);
    return match;
}
