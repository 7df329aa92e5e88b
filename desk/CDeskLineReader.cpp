#include "CDeskLineReader.h"

#include <cstring>

namespace desk {

bool CDeskLineReader::Append(const char* data, std::size_t size, std::vector<std::string>& lines) {
    while (!m_overflowed && size > 0) {
        const void* found = std::memchr(data, '\n', size);
        const std::size_t piece = found != nullptr ? static_cast<std::size_t>(static_cast<const char*>(found) - data) : size;
        if (m_partial.size() + piece > m_maxLineBytes) {
            m_overflowed = true;
            m_partial.clear();
            m_partial.shrink_to_fit();
            break;
        }
        m_partial.append(data, piece);
        if (found == nullptr) break;
        if (!m_partial.empty() && m_partial.back() == '\r') m_partial.pop_back();
        if (!m_partial.empty()) lines.push_back(std::move(m_partial));
        m_partial.clear();
        data += piece + 1;
        size -= piece + 1;
    }
    return !m_overflowed;
}

}  // namespace desk
