#include "world/WorldBytes.h"

#include "world/WorldFields.h"

#include <cstring>
#include <type_traits>

namespace {

constexpr std::uint32_t magic = 0x4B465744;  // "KFWD"
constexpr std::uint64_t fnvOffset = 1469598103934665603ULL;
constexpr std::uint64_t fnvPrime = 1099511628211ULL;
constexpr std::size_t headerBytes = 8;   // magic, version
constexpr std::size_t trailerBytes = 8;  // checksum of everything before it

// A field as an unsigned number of its own width: floats by their bits, enums by their value.
template <class T>
std::uint64_t fieldBits(const T& value)
{
    if constexpr (std::is_same_v<T, float>) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    } else if constexpr (std::is_same_v<T, double>) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    } else if constexpr (std::is_enum_v<T>) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(value));
    } else if constexpr (std::is_same_v<T, bool>) {
        return value ? 1u : 0u;
    } else {
        return static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<T>>(value));
    }
}

template <class T>
constexpr std::size_t fieldWidth()
{
    if constexpr (std::is_same_v<T, bool>)
        return 1;
    else
        return sizeof(T);
}

template <class T>
void setFieldBits(T& value, std::uint64_t bits)
{
    if constexpr (std::is_same_v<T, float>) {
        const auto narrow = static_cast<std::uint32_t>(bits);
        std::memcpy(&value, &narrow, sizeof value);
    } else if constexpr (std::is_same_v<T, double>) {
        std::memcpy(&value, &bits, sizeof value);
    } else if constexpr (std::is_same_v<T, bool>) {
        value = bits != 0;
    } else if constexpr (std::is_enum_v<T>) {
        value = static_cast<T>(static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
    } else {
        value = static_cast<T>(static_cast<std::make_unsigned_t<T>>(bits));
    }
}

std::uint64_t fnv(std::uint64_t hash, const std::uint8_t* bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        hash = (hash ^ bytes[i]) * fnvPrime;
    return hash;
}

// Hands each field's bytes, little-endian and in the field's own width, to
// `Out` (the byte form or the checksum).
template <class Out>
struct Encoder {
    Out out;

    void put(std::uint64_t bits, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i)
            out.byte(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
    template <class T>
    void operator()(const T& value)
    {
        put(fieldBits(value), fieldWidth<T>());
    }
    template <class T>
    void unhashed(const T& value)
    {
        if (!Out::hashes)
            (*this)(value);
    }
    template <class V>
    bool count(const V& items)
    {
        put(items.size(), 4);
        return true;
    }
    template <class O>
    bool present(const O& optional)
    {
        (*this)(optional.has_value());
        return optional.has_value();
    }
    void view(const sf::View& v)
    {
        for (float f : {v.getCenter().x, v.getCenter().y, v.getSize().x, v.getSize().y, v.getRotation()})
            (*this)(f);
    }
};

struct ToBytes {
    static constexpr bool hashes = false;
    std::vector<std::uint8_t>& bytes;
    void byte(std::uint8_t b) { bytes.push_back(b); }
};

struct ToHash {
    static constexpr bool hashes = true;
    std::uint64_t hash = fnvOffset;
    void byte(std::uint8_t b) { hash = (hash ^ b) * fnvPrime; }
};

// Reads the fields back; once anything is wrong it stops taking bytes and
// says the first problem.
struct Reader {
    const std::vector<std::uint8_t>& in;
    std::size_t at;
    std::size_t end;
    std::string error;
    std::uint64_t version = worldBytesVersion;

    std::uint64_t take(std::size_t width)
    {
        if (!error.empty())
            return 0;
        if (end - at < width) {
            error = "the world data ends early (byte " + std::to_string(at) + ")";
            return 0;
        }
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < width; ++i)
            bits |= static_cast<std::uint64_t>(in[at + i]) << (8 * i);
        at += width;
        return bits;
    }
    template <class T>
    void operator()(T& value)
    {
        setFieldBits(value, take(fieldWidth<T>()));
    }
    template <class T>
    void unhashed(T& value)
    {
        if (version > oldestWorldBytesVersion)
            (*this)(value);
    }
    template <class V>
    bool count(V& items)
    {
        const std::uint64_t n = take(4);
        if (n > maxShots && error.empty())
            error = std::to_string(n) + " shots in flight (at most " + std::to_string(maxShots) + ")";
        if (!error.empty())
            return false;
        items.resize(static_cast<std::size_t>(n));
        return true;
    }
    template <class O>
    bool present(O& optional)
    {
        bool there = false;
        (*this)(there);
        if (there && error.empty())
            optional.emplace();
        else
            optional.reset();
        return there && error.empty();
    }
    void view(sf::View& v)
    {
        float f[5] = {};
        for (float& value : f)
            (*this)(value);
        v.setCenter(f[0], f[1]);
        v.setSize(f[2], f[3]);
        v.setRotation(f[4]);
    }
};

}  // namespace

std::uint64_t checksum(const FightWorld& world)
{
    Encoder<ToHash> hasher;
    visitWorld(world, hasher);
    return hasher.out.hash;
}

std::vector<std::uint8_t> serialize(const FightWorld& world)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2048);
    Encoder<ToBytes> writer{ToBytes{bytes}};
    writer.put(magic, 4);
    writer.put(worldBytesVersion, 4);
    visitWorld(world, writer);
    writer.put(fnv(fnvOffset, bytes.data(), bytes.size()), trailerBytes);
    return bytes;
}

bool deserialize(const std::vector<std::uint8_t>& bytes, FightWorld& world, std::string& error)
{
    // 1. Size, magic, version and the trailing checksum, before any field is read.
    if (bytes.size() > maxWorldBytes) {
        error = "the world data is " + std::to_string(bytes.size()) + " bytes (at most " +
                std::to_string(maxWorldBytes) + ")";
        return false;
    }
    if (bytes.size() < headerBytes + trailerBytes) {
        error = "the world data is too short (" + std::to_string(bytes.size()) + " bytes)";
        return false;
    }
    Reader head{bytes, 0, bytes.size(), {}};
    if (head.take(4) != magic) {
        error = "this is not world data";
        return false;
    }
    const std::uint64_t version = head.take(4);
    if (version < oldestWorldBytesVersion || version > worldBytesVersion) {
        error = "world data of version " + std::to_string(version) + " (this game reads versions " +
                std::to_string(oldestWorldBytesVersion) + " to " + std::to_string(worldBytesVersion) + ")";
        return false;
    }
    const std::size_t body = bytes.size() - trailerBytes;
    Reader tail{bytes, body, bytes.size(), {}};
    if (tail.take(trailerBytes) != fnv(fnvOffset, bytes.data(), body)) {
        error = "the world data is damaged (its checksum does not match)";
        return false;
    }
    // 2. The fields, into a copy: a refused blob changes nothing.
    FightWorld read = world;
    Reader reader{bytes, headerBytes, body, {}, version};
    visitWorld(read, reader);
    if (reader.error.empty() && reader.at != body)
        reader.error = "the world data has " + std::to_string(body - reader.at) + " bytes too many";
    if (reader.error.empty() && (read.sectionIndex < 0 || read.sectionIndex >= maxSections))
        reader.error = "the world data names section " + std::to_string(read.sectionIndex) + " (at most " +
                       std::to_string(maxSections - 1) + ")";
    if (!reader.error.empty()) {
        error = reader.error;
        return false;
    }
    world = read;
    return true;
}
