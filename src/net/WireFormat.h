#pragma once

#include <cstdint>
#include <string_view>

// What every packet between two machines starts with: the game's two magic
// bytes, the wire version and the kind of packet. A packet of another version
// is refused whole; the two sides compare versions in their hello first.

constexpr std::uint16_t wireMagic = 0x464B;  // "KF" little-endian
constexpr std::uint8_t wireVersion = 1;
constexpr std::size_t wireHeaderBytes = 4;

enum class PacketType : std::uint8_t {
    Inputs = 1,  // unreliable channel: buttons, ack, checksum
    Hello = 16,  // reliable channel from here on
    MatchSetup = 17,
    Ready = 18,
    Rematch = 19,
    Leave = 20,
};

// Why a packet was dropped. The first group is the reader's (the bytes), the
// second the session's (a well-formed packet that cannot be true now).
enum class PacketProblem : std::uint8_t {
    None,
    TooShort,      // ends inside a field
    TooLong,       // longer than any packet of its kind, or bytes after its end
    Foreign,       // not our magic bytes
    OtherVersion,  // our magic, another wire version
    UnknownType,
    BadField,      // a count, size, step number or button outside its limits
    Stale,         // replayed or overtaken: its sequence number was seen already
    Gap,           // its inputs start after a step not yet received
    Conflict,      // says other buttons for a step than an earlier packet did
    TooFarAhead,   // inputs for steps the peer cannot have played yet
};
constexpr int packetProblemCount = 11;

// A short plain-text name of `problem` for logs and reports.
std::string_view problemName(PacketProblem problem);

class ByteWriter;
class ByteReader;

void writeWireHeader(ByteWriter& out, PacketType type);
// Reads and checks the header; `type` is set only when it is fine.
PacketProblem readWireHeader(ByteReader& in, PacketType& type);
// The type of a packet whose header is fine, for routing; otherwise why not.
PacketProblem peekPacketType(std::string_view bytes, PacketType& type);
