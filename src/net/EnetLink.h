#pragma once

#include "net/PacketShim.h"
#include "net/PeerSilence.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One connection between two machines over ENet (UDP): channel 0 carries the
// buttons unreliably, channel 1 the control messages reliably and in order.
// Whatever is sent goes through this side's packet shim first (inactive
// unless a delay, jitter or loss is set). Times are the caller's clock in
// seconds; nothing here waits.

constexpr std::uint8_t inputChannel = 0;
constexpr std::uint8_t controlChannel = 1;
constexpr std::size_t linkChannelCount = 2;
constexpr std::size_t maxPacketsPerService = 256;  // received per call; the rest wait for the next

enum class LinkState { Connecting, Connected, Lost, Closed };

struct LinkPacket {
    bool reliable = false;
    std::string bytes;
};

struct EnetHostDeleter {
    void operator()(struct _ENetHost* host) const;
};

class EnetLink {
public:
    // Waits for one peer on `bindAddress` (a numeric IPv4 address; "0.0.0.0"
    // for every address of this machine) and `port` (0: any free port).
    static std::unique_ptr<EnetLink> host(const std::string& bindAddress, std::uint16_t port, ShimSettings shim,
                                          std::string& error);
    // Connects to `address` (numeric IPv4) and `port`.
    static std::unique_ptr<EnetLink> join(const std::string& address, std::uint16_t port, ShimSettings shim,
                                          std::string& error);
    ~EnetLink();  // leaves at once and closes the socket

    void send(double now, std::string bytes, bool reliable);
    // Hands ENet the shim's due packets, then takes what arrived.
    std::vector<LinkPacket> service(double now);

    LinkState state() const { return state_; }
    std::uint16_t port() const { return port_; }
    std::uint64_t bytesSent() const { return bytesSent_; }  // UDP payload, ENet's own headers included
    std::uint64_t packetsSent() const { return packetsSent_; }  // UDP datagrams

private:
    EnetLink(struct _ENetHost* host, ShimSettings shim);
    void handOn(const ShimmedPacket& packet);

    std::unique_ptr<struct _ENetHost, EnetHostDeleter> host_;
    struct _ENetPeer* peer_ = nullptr;
    PacketShim shim_;
    PeerSilence silence_;
    bool heardOnce_ = false;
    LinkState state_ = LinkState::Connecting;
    std::uint16_t port_ = 0;
    std::uint64_t bytesSent_ = 0;
    std::uint64_t packetsSent_ = 0;
};
