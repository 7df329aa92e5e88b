#pragma once
// Cuts a byte stream into lines ending in "\n" (a "\r" before it is dropped), holding at most
// one unfinished line of a bounded length.
#include <cstddef>
#include <string>
#include <vector>

namespace desk {

class CDeskLineReader {
public:
    explicit CDeskLineReader(std::size_t maxLineBytes) : m_maxLineBytes(maxLineBytes) {}

    // Appends the complete non-empty lines in data to lines. False once a line has grown past
    // the limit: the stream is then unusable and every later call returns false.
    bool Append(const char* data, std::size_t size, std::vector<std::string>& lines);
    bool Overflowed() const { return m_overflowed; }
    bool HasPartialLine() const { return !m_partial.empty(); }

private:
    std::size_t m_maxLineBytes;
    std::string m_partial;
    bool m_overflowed = false;
};

}  // namespace desk
