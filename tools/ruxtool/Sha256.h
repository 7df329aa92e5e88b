#pragma once
// SHA-256 digests, for naming picture blocks in dumps.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class Sha256 {
public:
    Sha256();
    void Update(const uint8_t* data, size_t size);
    // The digest of everything updated so far; the object is spent afterwards.
    std::array<uint8_t, 32> Finish();

private:
    void Compress(const uint8_t* block);

    std::array<uint32_t, 8> m_state;
    std::array<uint8_t, 64> m_buffer{};
    size_t m_buffered = 0;
    uint64_t m_length = 0;  // bytes updated
};

// Lower-case hex digest of the bytes.
std::string Sha256Hex(const uint8_t* data, size_t size);
