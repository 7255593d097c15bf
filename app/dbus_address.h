// D-Bus addresses as libdbus reads them: entries separated by ";", each a transport and its
// key=value pairs ("unix:path=/run/user/1000/bus,guid=..."), every byte of a value outside
// [-0-9A-Za-z_/.\*] escaped as %XX.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gachapoko {

struct BusAddressEntry {
    std::string transport;
    // The pairs in their order, the values unescaped.
    std::vector<std::pair<std::string, std::string>> values;

    std::optional<std::string> value(std::string_view key) const;
};

// The entries of `address`; nothing where libdbus would refuse it as malformed (or it holds
// bytes no address may hold, such as NUL or an unescaped space).
std::optional<std::vector<BusAddressEntry>> parseBusAddress(std::string_view address);

// `value` escaped as a D-Bus address requires.
std::string escapeBusAddressValue(std::string_view value);
// One entry written as an address, its values escaped.
std::string busAddress(const BusAddressEntry& entry);

// Why the game will not hand `address` to libdbus: it is malformed, or one of its entries starts
// a program (unixexec:) or a bus of its own (autolaunch:). Empty where it may.
std::string busAddressProblem(std::string_view address);

} // namespace gachapoko
