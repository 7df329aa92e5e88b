#include "BalloonText.h"

#include <algorithm>

namespace {

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsBreak(char16_t c) { return c == u'\n' || c == u'\r'; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// Where to cut a word that does not fit a line: at the limit, or one unit earlier where the
// limit would split a surrogate pair.
size_t CutLength(const std::u16string& word, size_t limit) {
    if (limit > 1 && limit < word.size() && IsHighSurrogate(word[limit - 1])) return limit - 1;
    return limit;
}

class LineBuilder {
public:
    explicit LineBuilder(size_t limit) : m_limit(limit) {}

    void AddWord(std::u16string word) {
        while (!word.empty()) {
            const size_t needed = m_line.empty() ? word.size() : m_line.size() + 1 + word.size();
            if (needed <= m_limit) {
                if (!m_line.empty()) m_line += u' ';
                m_line += word;
                return;
            }
            if (!m_line.empty()) {
                EndLine();
                continue;
            }
            const size_t cut = CutLength(word, m_limit);
            m_lines.push_back(word.substr(0, cut));
            word.erase(0, cut);
        }
    }
    void EndLine() {
        if (!m_line.empty()) m_lines.push_back(std::move(m_line));
        m_line.clear();
    }
    std::vector<std::u16string> Take() {
        EndLine();
        return std::move(m_lines);
    }

private:
    size_t m_limit;
    std::u16string m_line;
    std::vector<std::u16string> m_lines;
};

}  // namespace

std::vector<std::u16string> WrapBalloonText(const std::u16string& text, int32_t charsPerLine) {
    LineBuilder builder(static_cast<size_t>(std::max(charsPerLine, 1)));
    std::u16string word;
    for (const char16_t c : text) {
        if (IsSpace(c) || IsBreak(c)) {
            builder.AddWord(std::move(word));
            word.clear();
            if (IsBreak(c)) builder.EndLine();
            continue;
        }
        word += c;
    }
    builder.AddWord(std::move(word));
    return builder.Take();
}

std::vector<BalloonPage> PageBalloonLines(const std::vector<std::u16string>& lines, int32_t numberOfLines) {
    const size_t perPage = static_cast<size_t>(std::max(numberOfLines, 1));
    std::vector<BalloonPage> pages;
    for (size_t first = 0; first < lines.size(); first += perPage) {
        const size_t last = std::min(lines.size(), first + perPage);
        pages.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(first),
                           lines.begin() + static_cast<std::ptrdiff_t>(last));
    }
    return pages;
}

uint32_t BalloonReadingTime(const BalloonPage& page) {
    uint64_t characters = 0;
    for (const std::u16string& line : page) characters += line.size();
    const uint64_t time = kBalloonPageBaseMs + characters * kBalloonMsPerCharacter;
    return static_cast<uint32_t>(std::min<uint64_t>(time, kBalloonLongestPageMs));
}
