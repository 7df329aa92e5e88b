#pragma once
// Model texts are Windows-1252 bytes; JSON texts are UTF-8.
#include <optional>
#include <string>

// Every byte maps: the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the C1 controls of the same value, so any byte string survives the round trip.
std::string Cp1252ToUtf8(const std::string& bytes);

// The Windows-1252 bytes of a UTF-8 text; nothing when the text is not valid UTF-8 or holds a
// character Windows-1252 cannot write (why says which).
std::optional<std::string> Utf8ToCp1252(const std::string& text, std::string& why);
