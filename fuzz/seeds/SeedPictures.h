#pragma once
// Small picture blocks of every kind the readers draw, made in code for the seed corpora.
#include <cstdint>
#include <vector>

namespace fuzz_seeds {

// 1, 4, 8, 16 and 24-bit, 32-bit with opacity and with every fourth byte 0, bit fields, top-down rows, a colour table of fewer entries,
// a block cut short and one with bytes to spare, the stored form of "no picture", and a
// header whose sizes wrap around 64 bits.
std::vector<std::vector<uint8_t>> PictureKinds();

}  // namespace fuzz_seeds
