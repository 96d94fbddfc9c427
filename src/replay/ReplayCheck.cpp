#include "replay/ReplayCheck.h"

#include <cstdio>

Divergence firstDivergence(const ReplayRecord& record, const std::vector<std::uint64_t>& computed,
                           std::uint64_t computedFinal)
{
    Divergence divergence;
    for (std::size_t i = 0; i < record.checksums.size(); ++i) {
        const std::uint32_t step = static_cast<std::uint32_t>((i + 1) * replayChecksumEvery);
        if (i >= computed.size() || computed[i] != record.checksums[i])
            return {true, step, divergence.agreedUntil};
        divergence.agreedUntil = step;
    }
    if (computedFinal != record.finalChecksum)
        return {true, record.finalStep, divergence.agreedUntil};
    return divergence;
}

std::string divergenceMessage(const Divergence& divergence)
{
    if (!divergence.diverged)
        return "";
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", static_cast<double>(divergence.step) / replayStepsPerSecond);
    std::string message = "play diverged by step " + std::to_string(divergence.step) + " (" + seconds + " s in)";
    if (divergence.agreedUntil > 0)
        message += "; it still agreed at step " + std::to_string(divergence.agreedUntil);
    return message;
}
