#include "Cp1252.h"

#include <cstdint>
#include <cstdio>

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the range maps to itself.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

char32_t CodePointOfByte(uint8_t byte) { return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte; }

std::optional<uint8_t> ByteOfCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<uint8_t>(codePoint);
    for (uint8_t i = 0; i < 32; ++i) {
        if (kHighControls[i] == codePoint) return static_cast<uint8_t>(0x80 + i);
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        // Windows-1252 reaches no further than U+2122, so three bytes always suffice.
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Decodes the UTF-8 sequence at text[at], advancing at; nothing for a malformed, overlong,
// surrogate or out-of-range sequence.
std::optional<char32_t> NextCodePoint(const std::string& text, size_t& at) {
    const auto lead = static_cast<uint8_t>(text[at]);
    size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < length) return std::nullopt;
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<uint8_t>(text[at + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return std::nullopt;
    at += length;
    return codePoint;
}

std::string CodePointName(char32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes) AppendUtf8(out, CodePointOfByte(static_cast<uint8_t>(byte)));
    return out;
}

std::optional<std::string> Utf8ToCp1252(const std::string& text, std::string& why) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t start = at;
        const std::optional<char32_t> codePoint = NextCodePoint(text, at);
        if (!codePoint) {
            why = "not valid UTF-8 at byte " + std::to_string(start);
            return std::nullopt;
        }
        const std::optional<uint8_t> byte = ByteOfCodePoint(*codePoint);
        if (!byte) {
            why = "character " + CodePointName(*codePoint) + " cannot be written in Windows-1252";
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}
