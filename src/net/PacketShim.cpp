#include "net/PacketShim.h"

#include <algorithm>

PacketShim::PacketShim(ShimSettings settings)
    : settings_(settings), state_(settings.seed)
{
    settings_.lossPercent = std::clamp(settings_.lossPercent, 0, 100);
    settings_.delayMs = std::max(settings_.delayMs, 0);
    settings_.jitterMs = std::max(settings_.jitterMs, 0);
}

// splitmix64: the same numbers on every machine and library.
std::uint64_t PacketShim::draw()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void PacketShim::send(double now, std::string bytes, bool reliable)
{
    // 1. Loss, unreliable packets only.
    ++sent_;
    bytes_ += bytes.size();
    if (!reliable && settings_.lossPercent > 0 && static_cast<int>(draw() % 100) < settings_.lossPercent) {
        ++lost_;
        return;
    }
    // 2. Delay and jitter; reliable packets never overtake each other.
    int delayMs = settings_.delayMs;
    if (settings_.jitterMs > 0)
        delayMs += static_cast<int>(draw() % (2u * settings_.jitterMs + 1)) - settings_.jitterMs;
    double dueAt = now + std::max(delayMs, 0) / 1000.0;
    if (reliable) {
        dueAt = std::max(dueAt, lastReliableDue_);
        lastReliableDue_ = dueAt;
    }
    // 3. Into the queue, after every packet due no later.
    auto at = std::upper_bound(queue_.begin(), queue_.end(), dueAt,
                               [](double due, const ShimmedPacket& p) { return due < p.dueAt; });
    queue_.insert(at, ShimmedPacket{dueAt, reliable, std::move(bytes)});
}

std::vector<ShimmedPacket> PacketShim::due(double now)
{
    std::vector<ShimmedPacket> out;
    while (!queue_.empty() && queue_.front().dueAt <= now) {
        out.push_back(std::move(queue_.front()));
        queue_.pop_front();
    }
    return out;
}
