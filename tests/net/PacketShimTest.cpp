// The testing shim: the same seed drops and delays the same packets; loss
// spares the reliable ones, which also never overtake each other.
#include "net/PacketShim.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// 1000 packets a frame apart, every tenth reliable; what came out, in order.
std::vector<ShimmedPacket> sendThrough(PacketShim& shim)
{
    std::vector<ShimmedPacket> out;
    for (int i = 0; i < 1000; ++i) {
        const double now = i / 60.0;
        shim.send(now, std::to_string(i), i % 10 == 0);
        for (ShimmedPacket& p : shim.due(now))
            out.push_back(std::move(p));
    }
    for (ShimmedPacket& p : shim.due(1e9))
        out.push_back(std::move(p));
    return out;
}

}  // namespace

TEST(PacketShim, SeededLossAndJitterSpareTheReliableChannelsOrder)
{
    const ShimSettings settings{80, 30, 10, 5};
    PacketShim a(settings), b(settings);
    const std::vector<ShimmedPacket> outA = sendThrough(a);
    const std::vector<ShimmedPacket> outB = sendThrough(b);
    ASSERT_EQ(outA.size(), outB.size());
    for (std::size_t i = 0; i < outA.size(); ++i)
        EXPECT_EQ(outA[i].bytes, outB[i].bytes) << i;
    EXPECT_NEAR(static_cast<double>(a.lost()), 90.0, 30.0) << "about 10 % of 900 unreliable packets";
    EXPECT_EQ(outA.size() + a.lost(), 1000u);
    int lastReliable = -1;
    int overtaken = 0;
    int previous = -1;
    for (const ShimmedPacket& p : outA) {
        const int n = std::stoi(p.bytes);
        overtaken += n < previous;
        previous = n;
        if (!p.reliable)
            continue;
        EXPECT_GT(n, lastReliable) << "reliable packets keep their order";
        lastReliable = n;
    }
    EXPECT_EQ(lastReliable, 990) << "every reliable packet arrives";
    EXPECT_GT(overtaken, 50) << "jitter of 30 ms reorders packets a frame apart";
    // Each came out no earlier than 50 ms (80 - 30) after it was sent.
    for (const ShimmedPacket& p : outA)
        EXPECT_GE(p.dueAt + 1e-9, std::stoi(p.bytes) / 60.0 + 0.05);
}
