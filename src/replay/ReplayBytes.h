#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Little-endian bytes of the replay file: a writer that appends and a reader
// that never reads past the end. A read past the end leaves the reader failed
// (every later read gives 0) so that a parser checks once per part.

class ByteWriter {
public:
    void u8(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void u16(std::uint16_t value) { fixed(value, 2); }
    void u32(std::uint32_t value) { fixed(value, 4); }
    void u64(std::uint64_t value) { fixed(value, 8); }
    // 7 bits a byte, low bits first; a set top bit means more follow.
    void varint(std::uint32_t value);
    // A length byte, then the text (at most 255 bytes; longer is cut).
    void text8(std::string_view text);
    void raw(std::string_view data) { bytes_.append(data); }
    std::string& bytes() { return bytes_; }

private:
    void fixed(std::uint64_t value, int count);
    std::string bytes_;
};

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
    std::uint8_t u8() { return static_cast<std::uint8_t>(fixed(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(fixed(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(fixed(4)); }
    std::uint64_t u64() { return fixed(8); }
    // Fails on more than 5 bytes or a value over 32 bits.
    std::uint32_t varint();
    std::string text8();
    // `count` bytes; the caller has checked them against left().
    std::string raw(std::size_t count);
    std::size_t left() const { return failed_ ? 0 : bytes_.size() - at_; }
    std::size_t at() const { return at_; }
    bool failed() const { return failed_; }

private:
    std::uint64_t fixed(int count);
    std::string_view bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

// FNV-1a, 64 bits. Every change of a single byte changes it.
class Hash64 {
public:
    void add(std::string_view data);
    void add(std::uint64_t value);  // as 8 little-endian bytes
    std::uint64_t value() const { return value_; }

private:
    std::uint64_t value_ = 0xcbf29ce484222325ull;
};
