#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// A testing aid on the sending side: holds each packet back by a delay with
// seeded jitter and drops a seeded share of the unreliable ones, so that a
// bad connection can be played on one machine, the same way every run.
// Reliable packets are never dropped and keep their order.

struct ShimSettings {
    int delayMs = 0;
    int jitterMs = 0;     // each packet's delay is delayMs +- up to this
    int lossPercent = 0;  // of unreliable packets, 0..100
    std::uint64_t seed = 1;

    bool active() const { return delayMs > 0 || jitterMs > 0 || lossPercent > 0; }
};

struct ShimmedPacket {
    double dueAt = 0.0;  // s on the sender's clock
    bool reliable = false;
    std::string bytes;
};

class PacketShim {
public:
    explicit PacketShim(ShimSettings settings = {});

    // Queues `bytes` sent at `now` (s), unless the loss draw drops it.
    void send(double now, std::string bytes, bool reliable);
    // The packets due by `now`, in the order they fall due.
    std::vector<ShimmedPacket> due(double now);

    std::uint64_t sent() const { return sent_; }
    std::uint64_t lost() const { return lost_; }
    std::uint64_t bytesSent() const { return bytes_; }  // bytes handed on, lost ones included

private:
    std::uint64_t draw();

    ShimSettings settings_;
    std::uint64_t state_;
    std::deque<ShimmedPacket> queue_;  // by due time
    double lastReliableDue_ = 0.0;
    std::uint64_t sent_ = 0, lost_ = 0, bytes_ = 0;
};
