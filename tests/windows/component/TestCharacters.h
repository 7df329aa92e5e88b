#pragma once
// The character files the component tests load, built in code.
#include <string>
#include <vector>

namespace test_characters {

// "Hero": Stand (one frame, anchor (40, 180), origin "Ball" at (52.5, 20)), Walk (three
// walking frames), Wave, Kick (its last frame has the origin "ball" at (12, 30)) and Empty
// (no frames).
void WriteHero(const std::string& path);
// "Ball": Stand and Bounce.
void WriteBall(const std::string& path);
// A character named "Crowd" with count animations "Anim000", "Anim001", ...
void WriteCrowd(const std::string& path, int count);
// A file that holds a character name but no animations.
void WriteNameOnly(const std::string& path, const std::string& name);
// A Hero file cut short inside its animations: its name and first animations read, the model
// reports failure.
void WriteTruncatedHero(const std::string& path);
// A second character named "Hero" with the single animation "Only".
void WriteOtherHero(const std::string& path);
// Bytes that are no character file.
void WriteGarbage(const std::string& path);

// Every test file written into folder; their paths by name ("Hero", "Ball", ...).
struct TestFiles {
    std::string folder, hero, ball, crowd, nameOnly, garbage, truncated, otherHero;
};
TestFiles WriteAll(const std::string& folder);

}  // namespace test_characters
