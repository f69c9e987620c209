#pragma once

// The Unicode Character Database as Debian's unicode-data package installs
// it, read by the tests and fuzzers themselves: the characters every reader
// must see through, taken from the data files (UnicodeData.txt's General
// Category, PropList.txt's White_Space), never from the program's own
// tables. A missing file ends the process with a message: the test command
// installs the package.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

struct UnicodeSets {
    std::vector<char32_t> format;      // General Category Cf
    std::vector<char32_t> whiteSpace;  // White_Space
};

namespace unicode_detail {

inline std::ifstream OpenData(const char* name) {
    // Under Wine the Linux root is drive Z:.
    for (const char* folder : {"/usr/share/unicode/", "Z:/usr/share/unicode/"}) {
        std::ifstream file(std::string(folder) + name);
        if (file) {
            return file;
        }
    }
    std::fprintf(stderr, "no %s in /usr/share/unicode: apt-get install unicode-data\n", name);
    std::exit(2);
}

inline char32_t Hex(const std::string& text) {
    return static_cast<char32_t>(std::stoul(text, nullptr, 16));
}

inline std::string Trimmed(std::string text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.back())) {
        text.pop_back();
    }
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    return std::string(first, text.end());
}

// UnicodeData.txt: "code;name;category;...", a range given by two lines
// whose names end in ", First>" and ", Last>".
inline std::vector<char32_t> OfCategory(const std::string& category) {
    std::ifstream file = OpenData("UnicodeData.txt");
    std::vector<char32_t> found;
    char32_t first = 0;
    for (std::string line; std::getline(file, line);) {
        std::istringstream fields(line);
        std::string code;
        std::string name;
        std::string cat;
        std::getline(fields, code, ';');
        std::getline(fields, name, ';');
        std::getline(fields, cat, ';');
        const char32_t c = Hex(code);
        if (name.ends_with(", First>")) {
            first = c;
            continue;
        }
        const char32_t from = name.ends_with(", Last>") ? first : c;
        if (cat == category) {
            for (char32_t x = from; x <= c; ++x) {
                found.push_back(x);
            }
        }
    }
    return found;
}

// PropList.txt: "XXXX ; Property # ..." or "XXXX..YYYY ; Property # ...".
inline std::vector<char32_t> WithProperty(const std::string& property) {
    std::ifstream file = OpenData("PropList.txt");
    std::vector<char32_t> found;
    for (std::string line; std::getline(file, line);) {
        line = line.substr(0, line.find('#'));
        const std::size_t semicolon = line.find(';');
        if (semicolon == std::string::npos || Trimmed(line.substr(semicolon + 1)) != property) {
            continue;
        }
        const std::string range = Trimmed(line.substr(0, semicolon));
        const std::size_t dots = range.find("..");
        const char32_t from = Hex(range.substr(0, dots));
        const char32_t to = dots == std::string::npos ? from : Hex(range.substr(dots + 2));
        for (char32_t x = from; x <= to; ++x) {
            found.push_back(x);
        }
    }
    return found;
}

}  // namespace unicode_detail

inline const UnicodeSets& InstalledUnicode() {
    static const UnicodeSets sets = [] {
        UnicodeSets made{unicode_detail::OfCategory("Cf"),
                         unicode_detail::WithProperty("White_Space")};
        std::sort(made.format.begin(), made.format.end());
        std::sort(made.whiteSpace.begin(), made.whiteSpace.end());
        return made;
    }();
    return sets;
}

inline bool IsFormatInData(char32_t c) {
    const std::vector<char32_t>& set = InstalledUnicode().format;
    return std::binary_search(set.begin(), set.end(), c);
}

inline bool IsWhiteSpaceInData(char32_t c) {
    const std::vector<char32_t>& set = InstalledUnicode().whiteSpace;
    return std::binary_search(set.begin(), set.end(), c);
}

// `c` as UTF-16.
inline std::u16string Utf16Of(char32_t c) {
    if (c < 0x10000) {
        return std::u16string(1, static_cast<char16_t>(c));
    }
    return {static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
            static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF))};
}

}  // namespace testsupport
