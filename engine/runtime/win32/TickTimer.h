#pragma once
// The timer that drives a character's ticks, armed only while something can change: every
// period while a request plays, once for the next balloon page or idle action, soon after a
// request, a move or a show, and not at all for a character with nothing to do.
#include "Win32Api.h"

#include <atomic>
#include <cstdint>
#include <optional>

// Posted to the character window from the client's thread: something changed that the next
// tick shows (a position put, a show); the window makes sure that tick comes within a period.
constexpr UINT CHM_WAKE = 0x400 + 135;

class TickTimer {
public:
    // On the window's thread. Makes sure a tick comes within delayMs: the timer is set again
    // only when it would fire later than that (or not at all), so that a stream of wakes,
    // mouse moves during a drag for one, never keeps pushing the tick away.
    void WakeWithin(HWND window, uint32_t delayMs);
    // On the window's thread, after a tick: the next tick after delayMs (a repeating timer
    // keeps running while the delay stays the same), or none.
    void Rearm(HWND window, std::optional<uint32_t> delayMs);
    // Any thread may ask.
    bool IsArmed() const { return m_armed.load(); }

private:
    void Set(HWND window, uint32_t delayMs, uint32_t now);

    std::optional<uint32_t> m_interval;  // the period the timer was set with, while it runs
    uint32_t m_dueAt = 0;                // when it fires next (tick count)
    std::atomic<bool> m_armed{false};
};
