// Small parsers for the values of the configuration file and the command line.
#include "tools/devsim/value_parser.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace zerin::devsim {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::optional<uint8_t> ParseHexByte(const std::string& text) {
    if (text.size() != 2 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(std::stoul(text, nullptr, 16));
}

}  // namespace

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return "";
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1) {
        items.push_back(Trim(text.substr(start, comma - start)));
    }
    items.push_back(Trim(text.substr(start)));
    return items;
}

std::optional<uint32_t> ParseUnsigned(const std::string& text, uint32_t max) {
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    std::string digits = hex ? text.substr(2) : text;
    auto valid = [hex](char c) {
        return hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : IsDigit(c);
    };
    if (digits.empty() || digits.size() > 10 || !std::all_of(digits.begin(), digits.end(), valid)) {
        return std::nullopt;
    }
    unsigned long long value = std::stoull(digits, nullptr, hex ? 16 : 10);
    if (value > max) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

std::optional<MacAddress> ParseMac(const std::string& text) {
    if (text.size() != 17) {
        return std::nullopt;
    }
    MacAddress mac{};
    for (size_t i = 0; i < mac.size(); ++i) {
        size_t at = i * 3;
        if (i > 0 && text[at - 1] != ':' && text[at - 1] != '-') {
            return std::nullopt;
        }
        std::optional<uint8_t> byte = ParseHexByte(text.substr(at, 2));
        if (!byte) {
            return std::nullopt;
        }
        mac[i] = *byte;
    }
    return mac;
}

std::string FormatMac(const MacAddress& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return text;
}

bool IsDottedQuad(const std::string& text) {
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        size_t end = part < 3 ? text.find('.', start) : text.size();
        if (end == std::string::npos) {
            return false;
        }
        std::string number = text.substr(start, end - start);
        if (number.empty() || number.size() > 3 || !IsDigits(number, number.size()) ||
            std::stoi(number) > 255) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

bool IsDigits(const std::string& text, size_t count) {
    return text.size() == count && std::all_of(text.begin(), text.end(), IsDigit);
}

}  // namespace zerin::devsim
