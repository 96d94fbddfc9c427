#pragma once

#include "net/PacketShim.h"

#include <cstdint>
#include <string>

// The command line's online options, for the launch parser to hand on:
//   --host PORT              wait for the other player on PORT
//   --join ADDRESS:PORT      connect to a host (a numeric IPv4 address)
//   --net-delay MS, --net-jitter MS, --net-loss PERCENT
//                            a testing aid: a seeded packet shim on this side's sending

constexpr int maxShimDelayMs = 1000;
constexpr int maxShimJitterMs = 500;

enum class NetRole { None, Host, Join };

struct NetLaunch {
    NetRole role = NetRole::None;
    std::uint16_t port = 0;
    std::string address;  // the host's, when joining
    ShimSettings shim;
};

enum class NetOptionRead {
    NotOurs,  // not an online option: the caller reads it
    Read,
    Bad,      // `error` says what is wrong and what is allowed
};

// Reads `option` with its `value` into `launch`.
NetOptionRead readNetOption(const std::string& option, const std::string& value, NetLaunch& launch,
                            std::string& error);

// The lines `--help` shows for them.
extern const char* const netOptionsHelp;
