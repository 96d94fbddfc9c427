#include "net/EnetLink.h"

#include <enet/enet.h>

#include <cstdlib>
#include <mutex>

namespace {

constexpr std::uint32_t enetTimeoutMs = 5000;  // ENet's own give-up time, as the silence limit

bool enetReady()
{
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] {
        ready = enet_initialize() == 0;
        if (ready)
            std::atexit(enet_deinitialize);
    });
    return ready;
}

// Starts ENet once and reads `text` as an address; false with `error` otherwise.
bool prepare(const std::string& text, std::uint16_t port, ENetAddress& address, std::string& error)
{
    if (!enetReady()) {
        error = "the network library could not start";
        return false;
    }
    address.port = port;
    if (enet_address_set_host_ip(&address, text.c_str()) != 0) {
        error = "\"" + text + "\" is not an IPv4 address";
        return false;
    }
    return true;
}

}  // namespace

void EnetHostDeleter::operator()(ENetHost* host) const
{
    enet_host_destroy(host);
}

EnetLink::EnetLink(ENetHost* host, ShimSettings shim) : host_(host), shim_(shim)
{
    ENetAddress bound{};
    if (enet_socket_get_address(host->socket, &bound) == 0)
        port_ = bound.port;
}

EnetLink::~EnetLink()
{
    if (peer_ && state_ == LinkState::Connected) {
        enet_peer_disconnect_now(peer_, 0);
        enet_host_flush(host_.get());
    }
}

std::unique_ptr<EnetLink> EnetLink::host(const std::string& bindAddress, std::uint16_t port, ShimSettings shim,
                                         std::string& error)
{
    ENetAddress address{};
    if (!prepare(bindAddress, port, address, error))
        return nullptr;
    ENetHost* host = enet_host_create(&address, 1, linkChannelCount, 0, 0);
    if (!host) {
        error = "port " + std::to_string(port) + " could not be opened (in use?)";
        return nullptr;
    }
    return std::unique_ptr<EnetLink>(new EnetLink(host, shim));
}

std::unique_ptr<EnetLink> EnetLink::join(const std::string& address, std::uint16_t port, ShimSettings shim,
                                         std::string& error)
{
    ENetAddress to{};
    if (!prepare(address, port, to, error))
        return nullptr;
    ENetHost* host = enet_host_create(nullptr, 1, linkChannelCount, 0, 0);
    if (!host) {
        error = "no socket could be opened";
        return nullptr;
    }
    std::unique_ptr<EnetLink> link(new EnetLink(host, shim));
    link->peer_ = enet_host_connect(host, &to, linkChannelCount, 0);
    if (!link->peer_) {
        error = "could not start connecting to " + address;
        return nullptr;
    }
    enet_peer_timeout(link->peer_, 0, enetTimeoutMs, enetTimeoutMs);
    return link;
}

void EnetLink::send(double now, std::string bytes, bool reliable)
{
    if (state_ == LinkState::Connected)
        shim_.send(now, std::move(bytes), reliable);
}

void EnetLink::handOn(const ShimmedPacket& packet)
{
    const enet_uint32 flags = packet.reliable ? ENET_PACKET_FLAG_RELIABLE : 0;
    ENetPacket* out = enet_packet_create(packet.bytes.data(), packet.bytes.size(), flags);
    if (out && enet_peer_send(peer_, packet.reliable ? controlChannel : inputChannel, out) != 0)
        enet_packet_destroy(out);
}

std::vector<LinkPacket> EnetLink::service(double now)
{
    std::vector<LinkPacket> received;
    if (state_ == LinkState::Lost || state_ == LinkState::Closed)
        return received;
    // 1. What the shim lets go now.
    for (const ShimmedPacket& packet : shim_.due(now))
        if (state_ == LinkState::Connected)
            handOn(packet);
    // 2. Events, without waiting: a connection, packets, a goodbye.
    ENetEvent event;
    while (received.size() < maxPacketsPerService && enet_host_service(host_.get(), &event, 0) > 0) {
        switch (event.type) {
        case ENET_EVENT_TYPE_CONNECT:
            if (peer_ && event.peer != peer_) {
                enet_peer_disconnect_now(event.peer, 0);  // one peer only
                break;
            }
            peer_ = event.peer;
            enet_peer_timeout(peer_, 0, enetTimeoutMs, enetTimeoutMs);
            state_ = LinkState::Connected;
            silence_.heard(now);
            heardOnce_ = true;
            break;
        case ENET_EVENT_TYPE_RECEIVE:
            if (event.peer == peer_) {
                received.push_back({event.channelID == controlChannel,
                                    std::string(reinterpret_cast<const char*>(event.packet->data),
                                                event.packet->dataLength)});
                silence_.heard(now);
            }
            enet_packet_destroy(event.packet);
            break;
        case ENET_EVENT_TYPE_DISCONNECT:
            if (event.peer == peer_)
                state_ = LinkState::Closed;
            break;
        case ENET_EVENT_TYPE_NONE:
            break;
        }
    }
    // 3. A peer silent for too long is gone.
    if (state_ == LinkState::Connected && heardOnce_ && silence_.lost(now))
        state_ = LinkState::Lost;
    bytesSent_ = host_->totalSentData;
    packetsSent_ = host_->totalSentPackets;
    return received;
}
