#pragma once

// A peer that sends nothing for this long has lost its connection: the match
// ends with a message instead of waiting for ever. Times are the caller's
// clock in seconds (the frame loop's, or a test's simulated one).

constexpr double peerSilenceLimit = 5.0;  // s

struct PeerSilence {
    double lastHeard = 0.0;

    void heard(double now) { lastHeard = now; }
    bool lost(double now) const { return now - lastHeard > peerSilenceLimit; }
};
