#include "CFileReader.h"

#include <sys/stat.h>

#include <cstring>

namespace {

// No file is read past this: a larger one reads as cut there.
constexpr uint64_t kMaxFileBytes = 256u * 1024u * 1024u;

// Size of a regular file; kNotRegular for anything else there (a pipe, a device, a directory),
// which is refused: reading one could wait for ever or never end; -1 when nothing can be found.
constexpr int64_t kNotRegular = -2;
#ifdef _WIN32
int64_t SizeIfRegular(const struct _stati64& info) { return (info.st_mode & _S_IFREG) != 0 ? info.st_size : kNotRegular; }

int64_t RegularPathSize(const std::string& path) {
    struct _stati64 info {};
    return _stati64(path.c_str(), &info) == 0 ? SizeIfRegular(info) : -1;
}

int64_t RegularFileSize(std::FILE* file) {
    struct _stati64 info {};
    return _fstati64(_fileno(file), &info) == 0 ? SizeIfRegular(info) : -1;
}
#else
int64_t SizeIfRegular(const struct stat& info) { return S_ISREG(info.st_mode) ? info.st_size : kNotRegular; }

int64_t RegularPathSize(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? SizeIfRegular(info) : -1;
}

int64_t RegularFileSize(std::FILE* file) {
    struct stat info {};
    return fstat(fileno(file), &info) == 0 ? SizeIfRegular(info) : -1;
}
#endif

}  // namespace

void CFileReader::FileCloser::operator()(std::FILE* file) const {
    if (file != nullptr) std::fclose(file);
}

// The path is checked before it is opened, since opening a pipe may already wait for a
// writer, and the opened file again, since the path may have changed in between.
CFileReader::CFileReader(const std::string& path) {
    const int64_t pathSize = RegularPathSize(path);
    m_notRegularFile = pathSize == kNotRegular;
    if (pathSize < 0) return;
    m_file.reset(std::fopen(path.c_str(), "rb"));
    if (!m_file) return;
    const int64_t size = RegularFileSize(m_file.get());
    if (size < 0) {
        m_notRegularFile = size == kNotRegular;
        m_file.reset();
        return;
    }
    m_size = std::min<uint64_t>(static_cast<uint64_t>(size), kMaxFileBytes);
    m_cutShort = static_cast<uint64_t>(size) > kMaxFileBytes;
    m_good = true;
}

CFileReader::~CFileReader() = default;

CFileReader CFileReader::OverBytes(const uint8_t* data, size_t size) {
    CFileReader reader;
    reader.m_view = data;
    reader.m_size = size;
    reader.m_good = true;
    return reader;
}

bool CFileReader::Read(void* buffer, size_t n) {
    if (!m_good) return false;
    if (n == 0) return true;
    // Nothing past the size taken at open (and its cap) is read.
    size_t got = 0;
    if (n <= Remaining()) {
        if (m_file) {
            got = std::fread(buffer, 1, n, m_file.get());
        } else {
            std::memcpy(buffer, m_view + m_offset, n);
            got = n;
        }
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
