#pragma once

#include "net/ControlMessage.h"
#include "net/NetOptions.h"

#include <cstdint>

struct Game;

// What the menus or the command line ask of online play: host on a port or
// join an address, with this side's own choices.
struct OnlineRequest {
    NetLaunch net;             // role, port, the host's address when joining, the testing shim
    MatchSetup setup;          // the host's mode, level and seed (a joiner's is not used)
    std::uint8_t ownKind = 1;  // this side's fighter
};

// Starts online play in `game`: connects (a screen says what it waits for;
// Escape or the pad's B leaves to the hub), plays the match with rollback,
// then rematch or leave. Never blocks the frame loop.
void startOnline(Game& game, const OnlineRequest& request);
