#pragma once
// The format's shared transfers: 32-bit values, floats, float pairs and counted strings,
// all little-endian, each combining its success into the stream's good flag.
#include <cstdint>
#include <string>

#include "CFileReader.h"
#include "CFileWriter.h"
#include "PointF.h"

bool ReadU32(CFileReader& reader, uint32_t& value);
bool WriteU32(CFileWriter& writer, uint32_t value);
bool ReadFloat(CFileReader& reader, float& value);
bool WriteFloat(CFileWriter& writer, float value);
bool ReadFloatPair(CFileReader& reader, PointF& point);
bool WriteFloatPair(CFileWriter& writer, const PointF& point);
// A counted string: size (text length + 1) then the bytes; the text ends at the first NUL.
// A size larger than what is left in the file fails before anything is allocated.
bool ReadCountedString(CFileReader& reader, std::string& text);
bool WriteCountedString(CFileWriter& writer, const std::string& text);
