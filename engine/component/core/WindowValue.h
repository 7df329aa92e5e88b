#pragma once
// Window handles cross the component interface as 32-bit numbers: the low 32 bits going out,
// sign-extended coming in, so that the special insert-after values -1 (topmost), -2 (not
// topmost), 0 (top) and 1 (bottom) survive the trip.
#include <cstdint>

constexpr int32_t HandleToWire(uintptr_t handle) {
    return static_cast<int32_t>(static_cast<uint32_t>(handle & 0xFFFFFFFFu));
}

constexpr uintptr_t WireToHandle(int32_t value) {
    return static_cast<uintptr_t>(static_cast<intptr_t>(value));
}
