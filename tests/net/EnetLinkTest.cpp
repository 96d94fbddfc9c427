// The real transport on this machine's loopback only: a host and a joiner
// connect, agree on a match over the reliable channel, play ten seconds of
// it through ENet with delay and loss to the same checksum, and each notices
// when the other leaves or falls silent. Every wait is bounded.
#include "net/NetPair.h"

#include "net/ControlMessage.h"
#include "net/EnetLink.h"
#include "world/WorldBytes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr std::uint32_t tenSeconds = 10 * 300;  // steps

struct LinkedPair {
    std::unique_ptr<EnetLink> links[2];
    double now = 0.0;  // s, simulated: one frame of 1/60 s per round

    explicit LinkedPair(ShimSettings shim)
    {
        std::string error;
        links[0] = EnetLink::host("127.0.0.1", 0, shim, error);
        EXPECT_TRUE(links[0]) << error;
        if (!links[0])
            return;
        shim.seed += 1;
        links[1] = EnetLink::join("127.0.0.1", links[0]->port(), shim, error);
        EXPECT_TRUE(links[1]) << error;
    }

    // Asks `done` (which services the links it needs) until it holds; at
    // most `wallSeconds` of real time.
    template <typename Done>
    bool until(Done done, double wallSeconds)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(wallSeconds);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    bool connected()
    {
        for (auto& link : links)
            link->service(now);
        return links[0]->state() == LinkState::Connected && links[1]->state() == LinkState::Connected;
    }
};

}  // namespace

TEST(EnetLoopback, HostAndJoinerAgreeOnAMatchAndPlayItToTheSameChecksum)
{
    LinkedPair pair(ShimSettings{30, 5, 5, 21});
    ASSERT_TRUE(pair.links[0] && pair.links[1]);
    ASSERT_TRUE(pair.until([&] { return pair.connected(); }, 5.0));
    // 1. The set-up, reliably, read back as sent.
    ControlMessage setup;
    setup.type = PacketType::MatchSetup;
    setup.setup.levelName = "Jungle";
    setup.setup.seed = 5;
    pair.links[0]->send(pair.now, encodeControl(setup), true);
    ControlMessage heard;
    bool got = false;
    ASSERT_TRUE(pair.until([&] {
        pair.now += 1.0 / 60.0;
        pair.links[0]->service(pair.now);
        for (const LinkPacket& p : pair.links[1]->service(pair.now))
            got = got || (p.reliable && decodeControl(p.bytes, heard) == PacketProblem::None);
        return got;
    }, 5.0));
    EXPECT_EQ(heard, setup);
    // 2. Ten seconds of the match, each side's packets through ENet.
    FightChoice choice;
    choice.seed = heard.setup.seed;
    std::unique_ptr<PairSide> sides[2];
    for (int i = 0; i < 2; ++i)
        sides[i] = std::make_unique<PairSide>(i, choice, heard.setup.inputDelayFrames, ShimSettings{});
    const double startedAt = pair.now;
    const std::uint64_t sentBefore[2] = {pair.links[0]->bytesSent(), pair.links[1]->bytesSent()};
    for (int frame = 0; frame < 1200; ++frame) {
        if (sides[0]->session.confirmedSteps() >= tenSeconds && sides[1]->session.confirmedSteps() >= tenSeconds)
            break;
        pair.now += 1.0 / 60.0;
        for (int i = 0; i < 2; ++i) {
            PairSide& side = *sides[i];
            for (const LinkPacket& p : pair.links[i]->service(pair.now))
                if (!p.reliable)
                    side.receive(p.bytes, pair.now);
            playNetFrame(side, [i](const FightWorld& w, std::uint32_t step) { return scriptedPlay(w, i, step); },
                         tenSeconds);
            pair.links[i]->send(pair.now, encodeInputPacket(side.session.nextPacket()), false);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(300));  // lets the loopback carry them
    }
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(sides[i]->session.confirmedSteps(), tenSeconds) << "side " << i;
        EXPECT_FALSE(sides[i]->session.desync());
        const double seconds = pair.now - startedAt;
        std::printf("side %d: %.0f bytes/s sent through ENet, %llu rollbacks\n", i,
                    static_cast<double>(pair.links[i]->bytesSent() - sentBefore[i]) / seconds,
                    static_cast<unsigned long long>(sides[i]->session.counters().rollbacks));
    }
    EXPECT_EQ(checksum(sides[0]->world), checksum(sides[1]->world));
    // 3. The joiner leaves: the host hears it at once.
    pair.links[1].reset();
    EXPECT_TRUE(pair.until([&] {
        pair.links[0]->service(pair.now);
        return pair.links[0]->state() == LinkState::Closed;
    }, 3.0));
}

TEST(EnetLoopback, APeerThatFallsSilentIsLostAfterFiveSecondsOfTheClock)
{
    LinkedPair pair(ShimSettings{});
    ASSERT_TRUE(pair.links[0] && pair.links[1]);
    ASSERT_TRUE(pair.until([&] { return pair.connected(); }, 5.0));
    // The joiner stops sending and servicing; the host's clock runs on.
    const double silentFrom = pair.now;
    double lostAt = -1.0;
    for (int frame = 0; frame < 60 * 8 && lostAt < 0.0; ++frame) {
        pair.now += 1.0 / 60.0;
        pair.links[0]->send(pair.now, encodeInputPacket(InputPacket{}), false);
        pair.links[0]->service(pair.now);
        if (pair.links[0]->state() == LinkState::Lost)
            lostAt = pair.now;
    }
    ASSERT_GE(lostAt, 0.0);
    EXPECT_GT(lostAt - silentFrom, peerSilenceLimit);
    EXPECT_LT(lostAt - silentFrom, 6.0);
}
