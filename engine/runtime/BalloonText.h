#pragma once
// The text of a balloon in lines and pages, and how long each page stays up.
#include <cstdint>
#include <string>
#include <vector>

using BalloonPage = std::vector<std::u16string>;

// Lines of at most charsPerLine UTF-16 units, broken at spaces; a word longer than a line is
// cut (never inside a surrogate pair), a line break in the text starts a new line, and runs
// of spaces at a break vanish. Empty or blank text gives no line.
std::vector<std::u16string> WrapBalloonText(const std::u16string& text, int32_t charsPerLine);

// The lines in pages of numberOfLines lines each (the last may hold fewer).
std::vector<BalloonPage> PageBalloonLines(const std::vector<std::u16string>& lines, int32_t numberOfLines);

// Reading time of a page: 1.5 s to find the balloon, then 60 ms per character shown (about 200
// words a minute), at most 15 s a page.
constexpr uint32_t kBalloonPageBaseMs = 1500;
constexpr uint32_t kBalloonMsPerCharacter = 60;
constexpr uint32_t kBalloonLongestPageMs = 15000;
uint32_t BalloonReadingTime(const BalloonPage& page);
