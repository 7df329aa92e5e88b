#include "StreamTransfer.h"

#include <cstring>
#include <vector>

namespace {

void StoreLittleEndian(uint32_t value, uint8_t* bytes) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t LoadLittleEndian(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

}  // namespace

bool ReadU32(CFileReader& reader, uint32_t& value) {
    uint8_t bytes[4];
    if (!reader.Read(bytes, sizeof bytes)) return false;
    value = LoadLittleEndian(bytes);
    return true;
}

bool WriteU32(CFileWriter& writer, uint32_t value) {
    uint8_t bytes[4];
    StoreLittleEndian(value, bytes);
    return writer.Write(bytes, sizeof bytes);
}

bool ReadFloat(CFileReader& reader, float& value) {
    uint32_t bits = 0;
    if (!ReadU32(reader, bits)) return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool WriteFloat(CFileWriter& writer, float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return WriteU32(writer, bits);
}

bool ReadFloatPair(CFileReader& reader, PointF& point) {
    return ReadFloat(reader, point.x) && ReadFloat(reader, point.y);
}

bool WriteFloatPair(CFileWriter& writer, const PointF& point) {
    return WriteFloat(writer, point.x) && WriteFloat(writer, point.y);
}

bool ReadCountedString(CFileReader& reader, std::string& text) {
    uint32_t size = 0;
    if (!ReadU32(reader, size)) return false;
    if (size > reader.Remaining()) {
        reader.Fail();
        return false;
    }
    if (size == 0) {
        text.clear();
        return true;
    }
    std::vector<char> buffer(size);
    if (!reader.Read(buffer.data(), buffer.size())) return false;
    const void* nul = std::memchr(buffer.data(), 0, buffer.size());
    const size_t length = nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - buffer.data())
                                         : buffer.size();
    text.assign(buffer.data(), length);
    return true;
}

bool WriteCountedString(CFileWriter& writer, const std::string& text) {
    // The text ends at its first NUL, as a reader would see it.
    const size_t length = std::strlen(text.c_str());
    return WriteU32(writer, static_cast<uint32_t>(length + 1)) && writer.Write(text.c_str(), length + 1);
}
