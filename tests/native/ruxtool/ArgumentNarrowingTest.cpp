// Wide arguments narrowed to the ANSI code page, falling back to short paths.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "ArgumentNarrowing.h"

namespace {

// A code page of plain ASCII, and a file system where one folder has a short form.
std::optional<std::string> AsciiOnly(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text) {
        if (c > 0x7F) return std::nullopt;
        narrow.push_back(static_cast<char>(c));
    }
    return narrow;
}

const std::map<std::wstring, std::wstring> kShortForms = {
    {L"C:\\Users\\\u0416\u0435\u043D\u044F\\Pip.rux", L"C:\\Users\\9C3F~1\\Pip.rux"},
    {L"C:\\\u0416\\long \u0416 name.rux", L"C:\\\u0416\\LONG~1.RUX"},  // still not in the code page
};

std::optional<std::wstring> ShortForm(const std::wstring& path) {
    const auto found = kShortForms.find(path);
    if (found == kShortForms.end()) return std::nullopt;
    return found->second;
}

const ArgumentConversion kConversion{AsciiOnly, ShortForm};

}  // namespace

TEST(ArgumentNarrowing, KeepsWhatFitsAndTakesTheShortFormOfAPathThatDoesNot) {
    std::ostringstream err;
    const auto args =
        NarrowArguments({L"install", L"C:\\Users\\\u0416\u0435\u043D\u044F\\Pip.rux", L"D:\\Ball.rux"}, kConversion, err);
    ASSERT_TRUE(args.has_value()) << err.str();
    EXPECT_EQ(*args, (std::vector<std::string>{"install", "C:\\Users\\9C3F~1\\Pip.rux", "D:\\Ball.rux"}));
    EXPECT_TRUE(err.str().empty());
}

TEST(ArgumentNarrowing, RefusesAnArgumentWithNeitherFormInTheCodePageAndNamesIt) {
    std::ostringstream err;
    EXPECT_FALSE(NarrowArguments({L"install", L"C:\\\u0416\\long \u0416 name.rux", L"\u0416.rux"}, kConversion, err));
    EXPECT_NE(err.str().find("argument 2 "), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("argument 3 "), std::string::npos) << "every such argument is named";
}
