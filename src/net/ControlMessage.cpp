#include "net/ControlMessage.h"

#include "replay/ReplayBytes.h"
#include "replay/ReplayFile.h"
#include "resources/TextFile.h"

namespace {

constexpr std::size_t maxVersionBytes = 32;

bool sameSetup(const MatchSetup& a, const MatchSetup& b)
{
    return a.mode == b.mode && a.levelName == b.levelName && a.levelFiles == b.levelFiles &&
           a.kinds[0] == b.kinds[0] && a.kinds[1] == b.kinds[1] && a.seed == b.seed &&
           a.inputDelayFrames == b.inputDelayFrames;
}

void writeSetup(ByteWriter& out, const MatchSetup& setup)
{
    out.u8(static_cast<std::uint8_t>(setup.mode));
    out.text8(setup.levelName);
    out.u8(setup.kinds[0]);
    out.u8(setup.kinds[1]);
    out.u64(setup.seed);
    out.u8(setup.inputDelayFrames);
    out.u16(static_cast<std::uint16_t>(setup.levelFiles.size()));
    for (const ReplayLevelFile& file : setup.levelFiles) {
        writeLevelFile(out, file);
    }
}

PacketProblem readLevelFiles(ByteReader& in, std::vector<ReplayLevelFile>& files)
{
    const std::uint16_t count = in.u16();
    if (in.failed())
        return PacketProblem::TooShort;
    if (count > replayMaxLevelFiles)
        return PacketProblem::BadField;
    std::size_t total = 0;
    for (int i = 0; i < count; ++i) {
        ReplayLevelFile file;
        file.name = in.text8();
        const std::uint8_t present = in.u8();
        const std::uint32_t size = in.u32();
        if (in.failed() || size > in.left())
            return PacketProblem::TooShort;
        total += size;
        // A name is a path the joiner may write to: never absolute, never climbing out.
        if (file.name.empty() || !listedPathProblem(file.name).empty() || present > 1 || (present == 0 && size != 0) ||
            total > replayMaxLevelBytes)
            return PacketProblem::BadField;
        file.present = present == 1;
        file.bytes = in.raw(size);
        files.push_back(std::move(file));
    }
    return PacketProblem::None;
}

PacketProblem readSetup(ByteReader& in, MatchSetup& setup)
{
    const std::uint8_t mode = in.u8();
    setup.levelName = in.text8();
    setup.kinds[0] = in.u8();
    setup.kinds[1] = in.u8();
    setup.seed = in.u64();
    setup.inputDelayFrames = in.u8();
    if (in.failed())
        return PacketProblem::TooShort;
    if (mode > static_cast<std::uint8_t>(ReplayMode::Caa) || setup.levelName.empty() ||
        setup.kinds[0] >= replayKindCount || setup.kinds[1] >= replayKindCount ||
        setup.inputDelayFrames > netMaxInputDelayFrames)
        return PacketProblem::BadField;
    setup.mode = static_cast<ReplayMode>(mode);
    return readLevelFiles(in, setup.levelFiles);
}

// The fields after the header of a message of `type`.
PacketProblem readBody(ByteReader& in, ControlMessage& message)
{
    switch (message.type) {
    case PacketType::Hello:
        message.protocol = in.u16();
        message.gameVersion = in.text8();
        if (!in.failed() && message.gameVersion.size() > maxVersionBytes)
            return PacketProblem::BadField;
        break;
    case PacketType::MatchSetup:
        if (PacketProblem p = readSetup(in, message.setup); p != PacketProblem::None)
            return p;
        break;
    case PacketType::Ready:
        message.kind = in.u8();
        if (!in.failed() && message.kind >= replayKindCount)
            return PacketProblem::BadField;
        break;
    case PacketType::Leave: {
        const std::uint8_t reason = in.u8();
        if (!in.failed() && reason >= leaveReasonCount)
            return PacketProblem::BadField;
        message.reason = static_cast<LeaveReason>(reason);
        break;
    }
    case PacketType::Rematch:
        break;
    case PacketType::Inputs:
        return PacketProblem::UnknownType;
    }
    if (in.failed())
        return PacketProblem::TooShort;
    return in.left() == 0 ? PacketProblem::None : PacketProblem::TooLong;
}

}  // namespace

bool operator==(const ControlMessage& a, const ControlMessage& b)
{
    if (a.type != b.type)
        return false;
    switch (a.type) {
    case PacketType::Hello: return a.protocol == b.protocol && a.gameVersion == b.gameVersion;
    case PacketType::MatchSetup: return sameSetup(a.setup, b.setup);
    case PacketType::Ready: return a.kind == b.kind;
    case PacketType::Leave: return a.reason == b.reason;
    default: return true;
    }
}

std::string encodeControl(const ControlMessage& message)
{
    ByteWriter out;
    writeWireHeader(out, message.type);
    switch (message.type) {
    case PacketType::Hello:
        out.u16(message.protocol);
        out.text8(message.gameVersion.substr(0, maxVersionBytes));
        break;
    case PacketType::MatchSetup: writeSetup(out, message.setup); break;
    case PacketType::Ready: out.u8(message.kind); break;
    case PacketType::Leave: out.u8(static_cast<std::uint8_t>(message.reason)); break;
    default: break;
    }
    return out.bytes();
}

PacketProblem decodeControl(std::string_view bytes, ControlMessage& message)
{
    if (bytes.size() > netMaxControlBytes)
        return PacketProblem::TooLong;
    ByteReader in(bytes);
    message = ControlMessage{};
    if (PacketProblem header = readWireHeader(in, message.type); header != PacketProblem::None)
        return header;
    return readBody(in, message);
}
