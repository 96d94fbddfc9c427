// The conversation on the reliable channel between a host and a joiner:
// hello, set-up, fighters, match, rematch, leave — and what comes at the
// wrong time or from another version.
#include "net/OnlineControl.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

// Carries every waiting message from `from` to `to`.
void carry(OnlineControl& from, OnlineControl& to)
{
    for (const std::string& bytes : from.outbox)
        receiveControl(to, bytes);
    from.outbox.clear();
}

void talk(OnlineControl& host, OnlineControl& joiner)
{
    for (int round = 0; round < 4; ++round) {
        carry(host, joiner);
        carry(joiner, host);
    }
}

MatchSetup jungleSetup()
{
    MatchSetup s;
    s.levelName = "Jungle";
    s.seed = 40;
    return s;
}

}  // namespace

TEST(OnlineControl, HelloSetUpFightersMatchRematchAndLeave)
{
    OnlineControl host = startHosting(jungleSetup());
    OnlineControl joiner = startJoining();
    talk(host, joiner);
    ASSERT_EQ(joiner.stage, OnlineStage::ChoosingFighters);
    EXPECT_EQ(joiner.setup.seed, 40u);
    // Each side picks its own fighter; the match starts when both have.
    chooseFighter(joiner, 3);
    talk(host, joiner);
    EXPECT_EQ(host.stage, OnlineStage::ChoosingFighters);
    chooseFighter(host, 0);
    talk(host, joiner);
    for (const OnlineControl* c : {&host, &joiner}) {
        ASSERT_EQ(c->stage, OnlineStage::Playing);
        const MatchSetup match = matchToPlay(*c);
        EXPECT_EQ(match.kinds[0], 0);
        EXPECT_EQ(match.kinds[1], 3);
    }
    // The joiner's match ends first and it asks for a rematch while the host still plays.
    finishMatch(joiner);
    askRematch(joiner);
    talk(host, joiner);
    EXPECT_EQ(host.stage, OnlineStage::Playing);
    finishMatch(host);
    EXPECT_EQ(host.stage, OnlineStage::Result);
    askRematch(host);
    talk(host, joiner);
    for (const OnlineControl* c : {&host, &joiner}) {
        EXPECT_EQ(c->stage, OnlineStage::Playing);
        EXPECT_EQ(matchToPlay(*c).seed, 41u) << "a rematch plays on the next seed";
    }
    EXPECT_EQ(host.refused + joiner.refused, 0u);
    // Leaving reaches the other side with its reason.
    leaveOnline(joiner, LeaveReason::Desync);
    talk(host, joiner);
    EXPECT_EQ(host.stage, OnlineStage::Left);
    EXPECT_EQ(host.leftFor, LeaveReason::Desync);
    EXPECT_FALSE(host.weLeft);
    EXPECT_TRUE(joiner.weLeft);
}

TEST(OnlineControl, AnotherVersionOrAMessageOutOfTurnIsRefused)
{
    // Another game version: both sides leave, saying why.
    OnlineControl host = startHosting(jungleSetup());
    OnlineControl joiner = startJoining();
    ControlMessage old;
    old.gameVersion = "0.9";
    joiner.outbox = {encodeControl(old)};
    talk(host, joiner);
    EXPECT_EQ(host.stage, OnlineStage::Left);
    EXPECT_EQ(host.leftFor, LeaveReason::OtherVersion);
    EXPECT_EQ(joiner.stage, OnlineStage::Left);
    EXPECT_EQ(joiner.leftFor, LeaveReason::OtherVersion);
    // Out of turn: a set-up to the host, a second hello, a fighter before the
    // set-up, a rematch before any match, garbage. Refused, nothing changes.
    host = startHosting(jungleSetup());
    joiner = startJoining();
    ControlMessage setup;
    setup.type = PacketType::MatchSetup;
    ControlMessage ready;
    ready.type = PacketType::Ready;
    ControlMessage rematch;
    rematch.type = PacketType::Rematch;
    receiveControl(joiner, encodeControl(ready));
    receiveControl(joiner, encodeControl(rematch));
    receiveControl(joiner, "\x4b\x46\x01\x11");
    talk(host, joiner);
    receiveControl(host, encodeControl(setup));
    receiveControl(host, encodeControl(ControlMessage{}));
    EXPECT_EQ(joiner.refused, 3u);
    EXPECT_EQ(host.refused, 2u);
    EXPECT_EQ(joiner.stage, OnlineStage::ChoosingFighters);
    EXPECT_EQ(joiner.setup.seed, 40u);
    EXPECT_FALSE(joiner.kinds[0]);
}

TEST(OnlineControl, AHostsLevelTheJoinerCannotReadIsRefusedOnBothSidesSayingWhereItWentWrong)
{
    auto refusal = [](const HeldLevel& files) {
        MatchSetup setup = jungleSetup();
        setup.levelName = "Twin";
        setup.levelFiles = files;
        OnlineControl host = startHosting(setup);
        OnlineControl joiner = startJoining();
        talk(host, joiner);
        if (joiner.stage != OnlineStage::Left)
            return std::string();
        EXPECT_EQ(joiner.leftFor, LeaveReason::LevelRefused);
        EXPECT_EQ(host.stage, OnlineStage::Left);
        EXPECT_EQ(host.leftFor, LeaveReason::LevelRefused);
        EXPECT_FALSE(host.weLeft);
        return joiner.levelProblem;
    };
    const HeldLevel twin = heldTestLevel("Twin", 3);
    EXPECT_EQ(refusal(twin), "");
    HeldLevel garbled = twin;
    garbled[0].bytes = "two\n";
    EXPECT_EQ(refusal(garbled).rfind("Assets/Map/Custom/Twin/Twin.txt:1: \"two\" is not a last section number", 0), 0u)
        << refusal(garbled);
    HeldLevel badCode = twin;
    badCode[2].bytes.replace(badCode[2].bytes.find('\n') + 1, 2, "x ");
    EXPECT_EQ(refusal(badCode).rfind("Assets/Map/Custom/Twin/Map1.txt:2: \"x\" is not a tile code", 0), 0u)
        << refusal(badCode);
    HeldLevel missing = twin;
    missing.pop_back();
    EXPECT_EQ(refusal(missing).rfind("Assets/Map/Custom/Twin/Map2.txt:0: is missing", 0), 0u) << refusal(missing);
    missing = twin;
    missing[3].present = false;
    missing[3].bytes.clear();
    EXPECT_EQ(refusal(missing).rfind("Assets/Map/Custom/Twin/Map2.txt:0: is missing", 0), 0u) << refusal(missing);
    // Files over a replay's level limit: the set-up itself does not read.
    HeldLevel huge = twin;
    huge[1].bytes += std::string(replayMaxLevelBytes, ' ');
    EXPECT_EQ(refusal(huge), "the host's match set-up could not be read (a field out of its limits)");
}
