#pragma once
// Sizes and colours shared by every character on screen.
#include <cstdint>

// The drawing area of one character: the window size in layered mode and the size of every blit.
constexpr int kDrawingWidth = 160;
constexpr int kDrawingHeight = 200;
// The transparent colour of every character picture (red, green and blue 175).
constexpr uint32_t KEY_COLOUR = 0xAFAFAF;
// Period of a character's timer.
constexpr unsigned kTickPeriodMs = 100;
