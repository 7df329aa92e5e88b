#include "CFileWriter.h"

void CFileWriter::FileCloser::operator()(std::FILE* file) const {
    if (file != nullptr) std::fclose(file);
}

CFileWriter::CFileWriter(const std::string& path) : m_file(std::fopen(path.c_str(), "wb")) {
    m_good = m_file != nullptr;
}

CFileWriter::~CFileWriter() = default;

bool CFileWriter::Write(const void* data, size_t n) {
    if (!m_good) return false;
    if (n == 0) return true;
    if (m_sink != nullptr) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        m_sink->insert(m_sink->end(), bytes, bytes + n);
        return true;
    }
    m_good = std::fwrite(data, 1, n, m_file.get()) == n;
    return m_good;
}

bool CFileWriter::Close() {
    if (!m_file) return m_good;
    const bool closed = std::fclose(m_file.release()) == 0;
    m_good = m_good && closed;
    return m_good;
}
