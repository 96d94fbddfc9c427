#include "replay/ReplayFile.h"

#include "replay/ReplayBytes.h"
#include "resources/TextFile.h"

#include <algorithm>
#include <string>

const char* const replayMagic = "KFREPLAY";
const char* const replayTooLarge = "is larger than 4 MiB; it is not a replay this game wrote";

namespace {

constexpr std::size_t magicBytes = 8;
constexpr std::size_t sealBytes = 8;             // the closing hash
constexpr std::size_t minLevelFileBytes = 6;     // name length, present, size
constexpr std::size_t minRunBytes = 3;           // two button bytes, one length byte
constexpr std::uint8_t flagFinished = 1;
constexpr std::uint8_t flagCustomLevel = 2;

std::uint64_t sealOf(std::string_view bytes)
{
    Hash64 hash;
    hash.add(bytes);
    return hash.value();
}

// ---- writing ----

void writeHeader(ByteWriter& out, const ReplayHeader& header)
{
    out.raw(replayMagic);
    out.u16(replayFormatVersion);
    out.text8(header.gameVersion);
    out.u8(static_cast<std::uint8_t>(header.mode));
    const int flags = (header.finished ? flagFinished : 0) | (header.customLevel ? flagCustomLevel : 0);
    out.u8(static_cast<std::uint8_t>(flags));
    out.text8(header.levelName);
    out.u64(header.levelHash);
    out.u8(header.kinds[0]);
    out.u8(header.kinds[1]);
    out.u64(header.seed);
    out.u32(header.curtainSteps);
    out.u32(static_cast<std::uint32_t>(header.startWorld.size()));
    out.raw(std::string(header.startWorld.begin(), header.startWorld.end()));
    out.u16(replayStepsPerSecond);
    out.u16(static_cast<std::uint16_t>(header.levelFiles.size()));
    for (const ReplayLevelFile& file : header.levelFiles) {
        writeLevelFile(out, file);
    }
}

void writePlay(ByteWriter& out, const ReplayRecord& record)
{
    out.u32(record.finalStep);
    out.u32(static_cast<std::uint32_t>(record.runs.size()));
    for (const ReplayRun& run : record.runs) {
        out.u8(static_cast<std::uint8_t>(run.p1.buttons));
        out.u8(static_cast<std::uint8_t>(run.p2.buttons));
        out.varint(run.steps - 1);
    }
    for (std::uint64_t checksum : record.checksums)
        out.u64(checksum);
    out.u64(record.finalChecksum);
}

// ---- reading ----

std::string endedEarly(const char* part)
{
    return std::string("ends too early, in ") + part;
}

// Size, magic, format version and the closing hash: what must hold before any field is read.
std::string outerProblem(std::string_view bytes)
{
    if (bytes.size() > maxReplayBytes)
        return replayTooLarge;
    if (bytes.substr(0, magicBytes) != replayMagic)
        return "is not a replay (it does not start with \"" + std::string(replayMagic) + "\")";
    ByteReader in(bytes.substr(magicBytes));
    const std::uint16_t version = in.u16();
    if (in.failed())
        return endedEarly("the format version");
    if (version < oldestReplayFormat || version > replayFormatVersion) {
        const std::string by = in.text8();
        return "was written in replay format " + std::to_string(version) +
               (in.failed() ? std::string() : " by Kestrelfall " + quotedWord(by, 32)) + "; this game (" +
               currentGameVersion + ") reads formats " + std::to_string(oldestReplayFormat) + " to " +
               std::to_string(replayFormatVersion) + " only";
    }
    if (bytes.size() < magicBytes + 2 + sealBytes)
        return endedEarly("the header");
    ByteReader seal(bytes.substr(bytes.size() - sealBytes));
    if (seal.u64() != sealOf(bytes.substr(0, bytes.size() - sealBytes)))
        return "is damaged or cut short: its closing check sum does not match its bytes";
    return "";
}

std::string readLevelFileEntries(ByteReader& in, ReplayHeader& header)
{
    const std::size_t count = in.u16();
    if (count > replayMaxLevelFiles || count * minLevelFileBytes > in.left())
        return "claims " + std::to_string(count) + " level files, more than it can hold";
    header.levelFiles.resize(count);
    for (ReplayLevelFile& file : header.levelFiles) {
        file.name = in.text8();
        const std::uint8_t present = in.u8();
        const std::size_t size = in.u32();
        if (in.failed())
            return endedEarly("the level files");
        if (present > 1)
            return "level file " + quotedWord(file.name, 64) + ": its presence byte is " + std::to_string(present);
        if (size > in.left())
            return "level file " + quotedWord(file.name, 64) + " claims " + std::to_string(size) +
                   " bytes, but only " + std::to_string(in.left()) + " are left";
        file.present = present == 1;
        file.bytes = in.raw(size);
    }
    return "";
}

std::string readHeader(ByteReader& in, ReplayHeader& header)
{
    in.raw(magicBytes);
    const std::uint16_t version = in.u16();
    header.gameVersion = in.text8();
    const std::uint8_t mode = in.u8();
    const std::uint8_t flags = in.u8();
    header.levelName = in.text8();
    header.levelHash = in.u64();
    header.kinds[0] = in.u8();
    header.kinds[1] = in.u8();
    header.seed = in.u64();
    std::size_t worldSize = 0;
    if (version >= 2) {
        header.curtainSteps = in.u32();
        worldSize = in.u32();
    }
    if (in.failed())
        return endedEarly("the header");
    if (worldSize > replayMaxWorldBytes || worldSize > in.left())
        return "claims a starting world of " + std::to_string(worldSize) + " bytes, more than it can hold";
    const std::string world = in.raw(worldSize);
    header.startWorld.assign(world.begin(), world.end());
    const std::uint16_t stepsPerSecond = in.u16();
    if (in.failed())
        return endedEarly("the header");
    if (mode > static_cast<std::uint8_t>(ReplayMode::Caa))
        return "mode " + std::to_string(mode) + " is neither classic (0) nor kill race (1)";
    if ((flags & ~(flagFinished | flagCustomLevel)) != 0)
        return "has header flags this game does not know (" + std::to_string(flags) + ")";
    if (stepsPerSecond != replayStepsPerSecond)
        return "was played in steps of 1/" + std::to_string(stepsPerSecond) + " s; this game plays steps of 1/" +
               std::to_string(replayStepsPerSecond) + " s";
    header.mode = static_cast<ReplayMode>(mode);
    header.finished = (flags & flagFinished) != 0;
    header.customLevel = (flags & flagCustomLevel) != 0;
    return readLevelFileEntries(in, header);
}

std::string readPlay(ByteReader& in, ReplayRecord& record)
{
    record.finalStep = in.u32();
    const std::size_t runCount = in.u32();
    if (in.failed())
        return endedEarly("the step count");
    if (record.finalStep > static_cast<std::uint32_t>(replayMaxSteps))
        return "holds " + std::to_string(record.finalStep) + " steps; a replay keeps at most " +
               std::to_string(replayMaxSteps) + " (30 minutes)";
    if (runCount > record.finalStep || runCount * minRunBytes > in.left())
        return "claims " + std::to_string(runCount) + " runs of input, more than it can hold";
    record.runs.resize(runCount);
    for (ReplayRun& run : record.runs) {
        run.p1.buttons = in.u8();
        run.p2.buttons = in.u8();
        run.steps = in.varint() + 1;
    }
    if (in.failed())
        return endedEarly("the input runs");
    const std::size_t checksums = record.finalStep / replayChecksumEvery;
    if ((checksums + 1) * 8 > in.left())
        return endedEarly("the checksums");
    record.checksums.resize(checksums);
    for (std::uint64_t& checksum : record.checksums)
        checksum = in.u64();
    record.finalChecksum = in.u64();
    return "";
}

}  // namespace

std::string encodeReplay(const ReplayRecord& record)
{
    ByteWriter out;
    writeHeader(out, record.header);
    writePlay(out, record);
    out.u64(sealOf(out.bytes()));
    return std::move(out.bytes());
}

DecodedReplay decodeReplay(std::string_view bytes)
{
    DecodedReplay decoded;
    // 1. What holds before any field is read; 2. the fields, each part bounded
    // by the bytes left; 3. nothing after the end; 4. the record's own rules.
    decoded.problem = outerProblem(bytes);
    ByteReader in(bytes.substr(0, bytes.size() - std::min(bytes.size(), sealBytes)));
    if (decoded.problem.empty())
        decoded.problem = readHeader(in, decoded.record.header);
    if (decoded.problem.empty())
        decoded.problem = readPlay(in, decoded.record);
    if (decoded.problem.empty() && in.left() > 0)
        decoded.problem = "has " + std::to_string(in.left()) + " stray bytes after its checksums";
    if (decoded.problem.empty())
        decoded.problem = replayRecordProblem(decoded.record);
    if (!decoded.problem.empty())
        decoded.record = ReplayRecord{};
    return decoded;
}

void resealReplay(std::string& bytes)
{
    if (bytes.size() < sealBytes)
        return;
    ByteWriter seal;
    seal.u64(sealOf(std::string_view(bytes).substr(0, bytes.size() - sealBytes)));
    bytes.replace(bytes.size() - sealBytes, sealBytes, seal.bytes());
}

void writeLevelFile(ByteWriter& out, const ReplayLevelFile& file)
{
    out.text8(file.name);
    out.u8(file.present ? 1 : 0);
    out.u32(static_cast<std::uint32_t>(file.bytes.size()));
    out.raw(file.bytes);
}
