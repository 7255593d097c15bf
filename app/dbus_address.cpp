// Reading, escaping and vetting D-Bus addresses.
#include "app/dbus_address.h"

namespace gachapoko {

namespace {

bool isOptionallyEscaped(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '/' || c == '\\' || c == '*' || c == '.';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A transport or key: lower-case letters, digits and dashes, as every known one is.
bool isName(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    for (const char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> unescape(std::string_view value) {
    std::string plain;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (isOptionallyEscaped(value[i])) {
            plain += value[i];
            continue;
        }
        if (value[i] != '%' || i + 2 >= value.size()) {
            return std::nullopt;
        }
        const int high = hexDigit(value[i + 1]);
        const int low = hexDigit(value[i + 2]);
        // A NUL would cut the value short where libdbus hands it on.
        if (high < 0 || low < 0 || (high == 0 && low == 0)) {
            return std::nullopt;
        }
        plain += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return plain;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator); end != std::string_view::npos;
         end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<BusAddressEntry> parseEntry(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || !isName(text.substr(0, colon))) {
        return std::nullopt;
    }
    BusAddressEntry entry{std::string(text.substr(0, colon)), {}};
    const std::string_view pairs = text.substr(colon + 1);
    if (pairs.empty()) {
        return entry;
    }
    for (const std::string_view pair : split(pairs, ',')) {
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos || !isName(pair.substr(0, equals))) {
            return std::nullopt;
        }
        auto value = unescape(pair.substr(equals + 1));
        if (!value) {
            return std::nullopt;
        }
        entry.values.emplace_back(std::string(pair.substr(0, equals)), std::move(*value));
    }
    return entry;
}

} // namespace

std::optional<std::string> BusAddressEntry::value(std::string_view key) const {
    for (const auto& [name, value] : values) {
        if (name == key) {
            return value;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<BusAddressEntry>> parseBusAddress(std::string_view address) {
    // A last ";" ends the list, as libdbus allows.
    if (!address.empty() && address.back() == ';') {
        address.remove_suffix(1);
    }
    if (address.empty()) {
        return std::nullopt;
    }
    std::vector<BusAddressEntry> entries;
    for (const std::string_view text : split(address, ';')) {
        auto entry = parseEntry(text);
        if (!entry) {
            return std::nullopt;
        }
        entries.push_back(std::move(*entry));
    }
    return entries;
}

std::string escapeBusAddressValue(std::string_view value) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string escaped;
    for (const char c : value) {
        if (isOptionallyEscaped(c)) {
            escaped += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            escaped += '%';
            escaped += Hex[byte >> 4];
            escaped += Hex[byte & 0xf];
        }
    }
    return escaped;
}

std::string busAddress(const BusAddressEntry& entry) {
    std::string address = entry.transport + ":";
    for (std::size_t i = 0; i < entry.values.size(); ++i) {
        address += (i == 0 ? "" : ",") + entry.values[i].first + "=" +
                   escapeBusAddressValue(entry.values[i].second);
    }
    return address;
}

std::string busAddressProblem(std::string_view address) {
    const auto entries = parseBusAddress(address);
    if (!entries) {
        return "it is not a D-Bus address";
    }
    for (const BusAddressEntry& entry : *entries) {
        if (entry.transport == "unixexec") {
            return "it would start a program (unixexec:)";
        }
        if (entry.transport == "autolaunch") {
            return "it would start a bus of its own (autolaunch:)";
        }
    }
    return {};
}

} // namespace gachapoko
