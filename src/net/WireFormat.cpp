#include "net/WireFormat.h"

#include "replay/ReplayBytes.h"

std::string_view problemName(PacketProblem problem)
{
    switch (problem) {
    case PacketProblem::None: return "fine";
    case PacketProblem::TooShort: return "too short";
    case PacketProblem::TooLong: return "too long";
    case PacketProblem::Foreign: return "not a game packet";
    case PacketProblem::OtherVersion: return "another wire version";
    case PacketProblem::UnknownType: return "unknown packet type";
    case PacketProblem::BadField: return "a field out of its limits";
    case PacketProblem::Stale: return "replayed or out of order";
    case PacketProblem::Gap: return "inputs after a missing step";
    case PacketProblem::Conflict: return "other buttons for a known step";
    case PacketProblem::TooFarAhead: return "inputs too far ahead";
    }
    return "unknown problem";
}

void writeWireHeader(ByteWriter& out, PacketType type)
{
    out.u16(wireMagic);
    out.u8(wireVersion);
    out.u8(static_cast<std::uint8_t>(type));
}

PacketProblem readWireHeader(ByteReader& in, PacketType& type)
{
    const std::uint16_t magic = in.u16();
    const std::uint8_t version = in.u8();
    const std::uint8_t kind = in.u8();
    if (in.failed())
        return PacketProblem::TooShort;
    if (magic != wireMagic)
        return PacketProblem::Foreign;
    if (version != wireVersion)
        return PacketProblem::OtherVersion;
    switch (static_cast<PacketType>(kind)) {
    case PacketType::Inputs:
    case PacketType::Hello:
    case PacketType::MatchSetup:
    case PacketType::Ready:
    case PacketType::Rematch:
    case PacketType::Leave:
        type = static_cast<PacketType>(kind);
        return PacketProblem::None;
    }
    return PacketProblem::UnknownType;
}

PacketProblem peekPacketType(std::string_view bytes, PacketType& type)
{
    ByteReader in(bytes);
    return readWireHeader(in, type);
}
