// Packets are hostile input: whatever arrives is read within its limits, a
// bad one is dropped and counted by what was wrong, and nothing it says moves
// the session. Good packets and messages read back as they were written.
#include "net/ControlMessage.h"
#include "net/InputPacket.h"
#include "net/RollbackSession.h"

#include <gtest/gtest.h>

namespace {

InputPacket packetOf(std::uint32_t sequence, std::uint32_t first, std::vector<std::uint16_t> buttons)
{
    InputPacket p;
    p.sequence = sequence;
    p.firstStep = first;
    for (std::uint16_t b : buttons)
        p.inputs.push_back(FightInput{b});
    return p;
}

// A session of player 0 without delay that has played `steps` steps guessing.
RollbackSession playedSession(FightWorld& world, std::uint32_t steps)
{
    RollbackSession s(0, 0, [](FightWorld& w, const FightInput in[2], std::uint32_t) {
        w.match.matchTimer -= in[1].buttons ? 2.f : 1.f;
    });
    for (std::uint32_t i = 0; i < steps; ++i)
        s.tick(world, FightInput{});
    return s;
}

}  // namespace

TEST(HostilePackets, InputPacketsReadBackAndBadBytesAreRefusedByReason)
{
    // Round trip, with and without a checksum, and the longest packet there is.
    InputPacket full = packetOf(9, 300, {});
    full.ack = 280;
    full.advantage = -12;
    full.hasChecksum = true;
    full.checksum = {300, 0x1234567890abcdefull};
    for (std::size_t i = 0; i < 2000; ++i)
        full.inputs.push_back(FightInput{static_cast<std::uint16_t>((i / 3) % 128)});
    std::size_t sent = 0;
    const std::string bytes = encodeInputPacket(full, &sent);
    EXPECT_EQ(sent, 3 * netMaxPacketRuns) << "runs of 3: the run limit comes first";
    EXPECT_LE(bytes.size(), netMaxInputPacketBytes);
    InputPacket read;
    ASSERT_EQ(decodeInputPacket(bytes, read), PacketProblem::None);
    full.inputs.resize(sent);
    EXPECT_EQ(read, full);
    const std::string small = encodeInputPacket(packetOf(1, 0, {0, 0, 5, 5, 5, 0}));
    EXPECT_EQ(small.size(), wireHeaderBytes + 15 + 3 * 2);
    // Every cut of a good packet is too short; bytes added are too long.
    for (std::size_t cut = 0; cut < small.size(); ++cut)
        EXPECT_EQ(decodeInputPacket(small.substr(0, cut), read), PacketProblem::TooShort) << cut;
    EXPECT_EQ(decodeInputPacket(small + "x", read), PacketProblem::TooLong);
    EXPECT_EQ(decodeInputPacket(std::string(5000, '\x7f'), read), PacketProblem::TooLong);
    // Fields out of their limits.
    auto patched = [&](std::size_t at, std::uint8_t value) {
        std::string b = small;
        b[at] = static_cast<char>(value);
        return decodeInputPacket(b, read);
    };
    EXPECT_EQ(patched(0, 'X'), PacketProblem::Foreign);
    EXPECT_EQ(patched(2, wireVersion + 1), PacketProblem::OtherVersion);
    EXPECT_EQ(patched(3, 99), PacketProblem::UnknownType);
    EXPECT_EQ(patched(3, static_cast<std::uint8_t>(PacketType::Ready)), PacketProblem::UnknownType);
    EXPECT_EQ(patched(11, 0xFF), PacketProblem::BadField) << "ack past two hours";
    EXPECT_EQ(patched(16, 2), PacketProblem::BadField) << "an unknown flag";
    EXPECT_EQ(patched(19, 0x80), PacketProblem::BadField) << "an unknown button";
    EXPECT_EQ(patched(20, 0), PacketProblem::BadField) << "an empty run";
}

TEST(HostilePackets, ControlMessagesReadBackWithinTheLevelLimits)
{
    ControlMessage setup;
    setup.type = PacketType::MatchSetup;
    setup.setup.mode = ReplayMode::Caa;
    setup.setup.levelName = "Mine";
    setup.setup.levelFiles = {{"Assets/Map/Custom/Mine/Mine.txt", true, "3\nMap1.txt\n"},
                              {"Assets/Map/Custom/Mine/Map1.txt", false, ""}};
    setup.setup.kinds[1] = 3;
    setup.setup.seed = 77;
    setup.setup.inputDelayFrames = 4;
    ControlMessage hello, ready, leave, rematch;
    ready.type = PacketType::Ready;
    ready.kind = 2;
    leave.type = PacketType::Leave;
    leave.reason = LeaveReason::Desync;
    rematch.type = PacketType::Rematch;
    ControlMessage read;
    for (const ControlMessage& m : {setup, hello, ready, leave, rematch}) {
        const std::string bytes = encodeControl(m);
        ASSERT_EQ(decodeControl(bytes, read), PacketProblem::None) << static_cast<int>(m.type);
        EXPECT_EQ(read, m);
        EXPECT_EQ(decodeControl(bytes.substr(0, bytes.size() - 1), read), PacketProblem::TooShort);
        EXPECT_EQ(decodeControl(bytes + '\0', read), PacketProblem::TooLong);
    }
    // A file claiming more bytes than arrived, or more than a level may hold.
    std::string bytes = encodeControl(setup);
    const std::size_t sizeAt = bytes.find("Mine.txt") + 9;
    bytes[sizeAt + 3] = '\x40';
    EXPECT_EQ(decodeControl(bytes, read), PacketProblem::TooShort);
    ControlMessage huge = setup;
    huge.setup.levelFiles = {{"a", true, std::string(replayMaxLevelBytes / 2 + 1, 'x')},
                             {"b", true, std::string(replayMaxLevelBytes / 2 + 1, 'y')}};
    EXPECT_EQ(decodeControl(encodeControl(huge), read), PacketProblem::BadField);
    ControlMessage bad = setup;
    bad.setup.inputDelayFrames = 5;
    EXPECT_EQ(decodeControl(encodeControl(bad), read), PacketProblem::BadField);
    bad = setup;
    bad.setup.kinds[0] = replayKindCount;
    EXPECT_EQ(decodeControl(encodeControl(bad), read), PacketProblem::BadField);
    bad = setup;
    bad.setup.levelFiles[1].bytes = "absent yet with bytes";
    EXPECT_EQ(decodeControl(encodeControl(bad), read), PacketProblem::BadField);
    for (const char* outside : {"/etc/passwd", "../../binds.txt", "Assets/../../x.txt"}) {
        bad = setup;
        bad.setup.levelFiles[0].name = outside;  // a file the joiner would write outside its own folder
        EXPECT_EQ(decodeControl(encodeControl(bad), read), PacketProblem::BadField) << outside;
    }
    EXPECT_EQ(decodeControl(encodeInputPacket(InputPacket{}), read), PacketProblem::UnknownType);
}

TEST(HostilePackets, ReplayedReorderedConflictingAndImpossiblePacketsAreDroppedAndCounted)
{
    FightWorld world;
    RollbackSession s = playedSession(world, 20);
    const float guessed = world.match.matchTimer;
    // Garbage and a cut packet never reach the session's state.
    EXPECT_EQ(s.receiveBytes("garbage!"), PacketProblem::Foreign);
    EXPECT_EQ(s.receiveBytes(encodeInputPacket(packetOf(1, 0, {0, 0})).substr(0, 9)), PacketProblem::TooShort);
    // A good packet: steps 0-9, step 5 not as guessed.
    ASSERT_EQ(s.receive(packetOf(5, 0, {0, 0, 0, 0, 0, 1, 1, 1, 1, 1})), PacketProblem::None);
    EXPECT_EQ(s.inputs(1).size(), 10u);
    // The same packet again, an older one, one after a missing step, one
    // saying other buttons for a known step, one from too far ahead.
    EXPECT_EQ(s.receive(packetOf(5, 0, {0, 0, 0, 0, 0, 1, 1, 1, 1, 1})), PacketProblem::Stale);
    EXPECT_EQ(s.receive(packetOf(4, 0, {0, 0})), PacketProblem::Stale);
    EXPECT_EQ(s.receive(packetOf(6, 11, {0})), PacketProblem::Gap);
    EXPECT_EQ(s.receive(packetOf(7, 8, {0, 0, 0})), PacketProblem::Conflict);
    EXPECT_EQ(s.receive(packetOf(8, 10, std::vector<std::uint16_t>(200, 0))), PacketProblem::TooFarAhead);
    InputPacket overAck = packetOf(9, 10, {1});
    overAck.ack = 500;
    EXPECT_EQ(s.receive(overAck), PacketProblem::TooFarAhead);
    InputPacket oddChecksum = packetOf(10, 10, {1});
    oddChecksum.hasChecksum = true;
    oddChecksum.checksum = {7, 1};
    EXPECT_EQ(s.receive(oddChecksum), PacketProblem::TooFarAhead);
    EXPECT_EQ(s.drops().total, 9u);
    for (PacketProblem p : {PacketProblem::Foreign, PacketProblem::TooShort, PacketProblem::Gap,
                            PacketProblem::Conflict})
        EXPECT_EQ(s.drops().of(p), 1u) << problemName(p);
    EXPECT_EQ(s.drops().of(PacketProblem::Stale), 2u);
    EXPECT_EQ(s.drops().of(PacketProblem::TooFarAhead), 3u);
    EXPECT_EQ(s.inputs(1).size(), 10u);
    EXPECT_EQ(s.counters().rollbacks, 0u);
    // The good packet's correction: steps 5-9 played again with the real buttons.
    s.tick(world, FightInput{});
    EXPECT_EQ(s.counters().rollbacks, 1u);
    EXPECT_EQ(s.counters().reSteps, 15u);
    // Steps 5-19 now count 2 (received, then guessed as the last received), and the new step 20 too.
    EXPECT_FLOAT_EQ(world.match.matchTimer, guessed - 15.f - 2.f);
}
