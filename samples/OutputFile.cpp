#include "OutputFile.h"

#include "CFileWriter.h"

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    CFileWriter writer(path);
    return writer.Good() && writer.Write(bytes.data(), bytes.size()) && writer.Close();
}
