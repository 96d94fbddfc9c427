#include "replay/ReplayBytes.h"

void ByteWriter::fixed(std::uint64_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void ByteWriter::varint(std::uint32_t value)
{
    while (value >= 0x80) {
        u8(static_cast<std::uint8_t>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    u8(static_cast<std::uint8_t>(value));
}

void ByteWriter::text8(std::string_view text)
{
    const std::string_view kept = text.substr(0, 255);
    u8(static_cast<std::uint8_t>(kept.size()));
    raw(kept);
}

std::uint64_t ByteReader::fixed(int count)
{
    if (failed_ || bytes_.size() - at_ < static_cast<std::size_t>(count)) {
        failed_ = true;
        return 0;
    }
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
    at_ += static_cast<std::size_t>(count);
    return value;
}

std::uint32_t ByteReader::varint()
{
    std::uint64_t value = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        const std::uint8_t byte = u8();
        value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            break;
        if (shift == 28)
            failed_ = true;
    }
    if (value > 0xFFFFFFFFull)
        failed_ = true;
    return failed_ ? 0 : static_cast<std::uint32_t>(value);
}

std::string ByteReader::text8()
{
    const std::size_t length = u8();
    if (length > left()) {
        failed_ = true;
        return std::string();
    }
    return raw(length);
}

std::string ByteReader::raw(std::size_t count)
{
    if (failed_ || count > left()) {
        failed_ = true;
        return std::string();
    }
    std::string data(bytes_.substr(at_, count));
    at_ += count;
    return data;
}

void Hash64::add(std::string_view data)
{
    for (char c : data) {
        value_ ^= static_cast<unsigned char>(c);
        value_ *= 0x100000001b3ull;
    }
}

void Hash64::add(std::uint64_t value)
{
    for (int i = 0; i < 8; ++i) {
        value_ ^= (value >> (8 * i)) & 0xFF;
        value_ *= 0x100000001b3ull;
    }
}
