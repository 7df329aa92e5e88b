#include "ArgumentNarrowing.h"

#include <ostream>

namespace {

std::optional<std::string> NarrowOne(const std::wstring& arg, const ArgumentConversion& convert) {
    if (std::optional<std::string> exact = convert.toAnsi(arg)) return exact;
    if (const std::optional<std::wstring> shortForm = convert.shortPath(arg)) return convert.toAnsi(*shortForm);
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::string>> NarrowArguments(const std::vector<std::wstring>& args,
                                                        const ArgumentConversion& convert, std::ostream& err) {
    std::vector<std::string> narrow;
    narrow.reserve(args.size());
    bool complete = true;
    for (size_t i = 0; i < args.size(); ++i) {
        if (std::optional<std::string> text = NarrowOne(args[i], convert)) {
            narrow.push_back(std::move(*text));
            continue;
        }
        err << "ruxtool: argument " << i + 1
            << " has characters this system's code page cannot hold, and no short form that it can\n";
        complete = false;
    }
    if (!complete) return std::nullopt;
    return narrow;
}
