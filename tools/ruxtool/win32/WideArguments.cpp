#include "WideArguments.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>

namespace {

struct LocalFreer {
    void operator()(LPWSTR* block) const { LocalFree(block); }
};

}  // namespace

std::vector<std::wstring> ProgramArguments() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> words(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::wstring> args;
    if (words == nullptr) return args;
    for (int i = 1; i < count; ++i) args.emplace_back(words.get()[i]);
    return args;
}

std::optional<std::string> AnsiText(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int wideLength = static_cast<int>(text.size());
    // No best-fit mapping: "Ω" must not turn into "O" and name another file.
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy) return std::nullopt;
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, narrow.data(), length, nullptr, &lossy);
    if (lossy) return std::nullopt;
    return narrow;
}

std::optional<std::wstring> ShortPath(const std::wstring& path) {
    const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0) return std::nullopt;
    std::wstring shortForm(needed, L'\0');
    const DWORD written = GetShortPathNameW(path.c_str(), shortForm.data(), needed);
    if (written == 0 || written >= needed) return std::nullopt;
    shortForm.resize(written);
    return shortForm;
}
