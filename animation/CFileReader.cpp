#include "CFileReader.h"

#include <sys/stat.h>

#include <cstring>

namespace {

// Size of a regular file, or -1 when the stream has no known size (a pipe, a device).
int64_t RegularFileSize(std::FILE* file) {
#ifdef _WIN32
    struct _stati64 info {};
    if (_fstati64(_fileno(file), &info) != 0 || (info.st_mode & _S_IFREG) == 0) return -1;
#else
    struct stat info {};
    if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
#endif
    return static_cast<int64_t>(info.st_size);
}

}  // namespace

void CFileReader::FileCloser::operator()(std::FILE* file) const {
    if (file != nullptr) std::fclose(file);
}

CFileReader::CFileReader(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {
    m_good = m_file != nullptr;
    if (!m_good) return;
    const int64_t size = RegularFileSize(m_file.get());
    if (size >= 0) {
        m_size = static_cast<uint64_t>(size);
    } else {
        SlurpUnsizedStream();
    }
}

CFileReader::~CFileReader() = default;

CFileReader CFileReader::OverBytes(const uint8_t* data, size_t size) {
    CFileReader reader;
    reader.m_view = data;
    reader.m_size = size;
    reader.m_good = true;
    return reader;
}

// A stream of unknown size is read whole first, so that sizes can be checked against it.
void CFileReader::SlurpUnsizedStream() {
    uint8_t piece[32768];
    size_t got = 0;
    while ((got = std::fread(piece, 1, sizeof piece, m_file.get())) > 0) {
        m_owned.insert(m_owned.end(), piece, piece + got);
    }
    m_file.reset();
    m_view = m_owned.data();
    m_size = m_owned.size();
}

bool CFileReader::Read(void* buffer, size_t n) {
    if (!m_good) return false;
    if (n == 0) return true;
    size_t got = 0;
    if (m_file) {
        got = std::fread(buffer, 1, n, m_file.get());
    } else {
        got = static_cast<size_t>(std::min<uint64_t>(n, Remaining()));
        if (got > 0) std::memcpy(buffer, m_view + m_offset, got);
    }
    if (got != n) {
        Fail();
        return false;
    }
    m_offset += n;
    return true;
}

void CFileReader::Fail() {
    if (m_good) m_failureOffset = m_offset;
    m_good = false;
}
