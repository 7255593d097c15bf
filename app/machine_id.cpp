// Reading the machine id with a bound, as libdbus would accept it.
#include "app/machine_id.h"

#include "platform/platform.h"

#include <array>
#include <cctype>
#include <optional>

#if GACHAPOKO_FREEDESKTOP
#include <fcntl.h>
#include <unistd.h>
#endif

namespace gachapoko {

namespace {

constexpr std::size_t IdLength = 32;
// An id with generous white space around it; anything longer is no id.
constexpr std::size_t MostBytes = 256;

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The first MostBytes + 1 bytes at most; nothing where the file cannot be read at once.
std::optional<std::string> readBounded([[maybe_unused]] const std::string& path) {
#if GACHAPOKO_FREEDESKTOP
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string contents;
    std::array<char, MostBytes + 1> buffer{};
    while (contents.size() <= MostBytes) {
        const ssize_t got = read(fd, buffer.data(), MostBytes + 1 - contents.size());
        if (got <= 0) {
            if (got < 0) {
                contents.clear(); // a pipe with nothing in it yet, or a read error
            }
            break;
        }
        contents.append(buffer.data(), static_cast<std::size_t>(got));
    }
    close(fd);
    return contents;
#else
    return std::nullopt;
#endif
}

} // namespace

std::string readMachineId(const std::string& path) {
    const auto contents = readBounded(path);
    if (!contents || contents->size() > MostBytes) {
        return {};
    }
    std::size_t first = 0;
    std::size_t last = contents->size();
    while (first < last && isWhiteSpace((*contents)[first])) {
        ++first;
    }
    while (last > first && isWhiteSpace((*contents)[last - 1])) {
        --last;
    }
    std::string id = contents->substr(first, last - first);
    if (id.size() != IdLength) {
        return {};
    }
    for (char& c : id) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0) {
            return {};
        }
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return id;
}

std::string machineId() {
    for (const char* path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        if (std::string id = readMachineId(path); !id.empty()) {
            return id;
        }
    }
    return {};
}

} // namespace gachapoko
