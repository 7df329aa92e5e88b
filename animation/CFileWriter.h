#pragma once
// Sequential binary output to a file (or appended to bytes in memory) with a sticky good flag.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class CFileWriter {
public:
    // Creates or truncates the file for binary writing; Good() tells whether it opened.
    explicit CFileWriter(const std::string& path);
    // Appends everything written to `sink`, which must outlive the writer.
    explicit CFileWriter(std::vector<uint8_t>& sink) : m_sink(&sink), m_good(true) {}
    CFileWriter(const CFileWriter&) = delete;
    CFileWriter& operator=(const CFileWriter&) = delete;
    ~CFileWriter();

    bool Good() const { return m_good; }
    // Writes exactly n bytes; a failure clears the good flag for good. Zero bytes always succeed.
    bool Write(const void* data, size_t n);
    // Flushes and closes; a failed flush or close clears the good flag.
    bool Close();

private:
    struct FileCloser {
        void operator()(std::FILE* file) const;
    };
    std::unique_ptr<std::FILE, FileCloser> m_file;
    std::vector<uint8_t>* m_sink = nullptr;
    bool m_good = false;
};
