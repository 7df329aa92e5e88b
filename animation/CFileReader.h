#pragma once
// Sequential binary input over a file (or a byte buffer) with a sticky good flag.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

struct LoadTrace;

class CFileReader {
public:
    // Opens a regular file for binary reading, at most its first 256 MiB; Good() tells whether
    // it opened. Anything else (a pipe, a device, a directory) is refused at once.
    explicit CFileReader(const std::string& path);
    // Reads from bytes the caller keeps alive instead of a file (tests, fuzzing).
    static CFileReader OverBytes(const uint8_t* data, size_t size);

    CFileReader(CFileReader&&) noexcept = default;
    CFileReader& operator=(CFileReader&&) noexcept = default;
    CFileReader(const CFileReader&) = delete;
    CFileReader& operator=(const CFileReader&) = delete;
    ~CFileReader();

    bool Good() const { return m_good; }
    // Reads exactly n bytes; a short read clears the good flag for good.
    // Zero bytes succeed without touching the file. Nothing is read once the flag is false.
    bool Read(void* buffer, size_t n);
    // Marks the stream failed at the current offset (a size or count the file cannot hold).
    void Fail();

    uint64_t Offset() const { return m_offset; }
    uint64_t Remaining() const { return m_size > m_offset ? m_size - m_offset : 0; }
    // The file holds more than the 256 MiB that are read of it: a whole-file reader refuses it.
    bool IsCutShort() const { return m_cutShort; }
    // Not opened because the path names a folder, a device or a pipe, not a file.
    bool IsNotRegularFile() const { return m_notRegularFile; }
    // Offset of the transfer that first failed; meaningful once Good() is false.
    uint64_t FailureOffset() const { return m_failureOffset; }

    // Optional diagnostics collected while reading (ruxtool check); may be null.
    LoadTrace* Trace() const { return m_trace; }
    void SetTrace(LoadTrace* trace) { m_trace = trace; }

private:
    CFileReader() = default;
    struct FileCloser {
        void operator()(std::FILE* file) const;
    };

    std::unique_ptr<std::FILE, FileCloser> m_file;
    const uint8_t* m_view = nullptr;  // bytes read instead of m_file when it is null
    bool m_good = false;
    uint64_t m_size = 0;
    bool m_cutShort = false;
    bool m_notRegularFile = false;
    uint64_t m_offset = 0;
    uint64_t m_failureOffset = 0;
    LoadTrace* m_trace = nullptr;
};
