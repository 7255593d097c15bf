// The machine id names the X selection of a bus autolaunched for the display. It is read as
// libdbus reads it, so that the game finds that bus; and a file that is no id (a device, a pipe,
// anything long) is given up at once instead of being read for ever.
#include "app/machine_id.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gachapoko::test {
namespace {

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

constexpr const char* Id = "0123456789abcdef0123456789abcdef";

TEST(MachineId, IsReadAsLibdbusReadsIt) {
    char pattern[] = "/tmp/gachapoko-machine-id-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    const std::string file = dir + "/machine-id";
    struct Case {
        const char* name;
        std::string contents;
        std::string id;
    };
    const Case cases[] = {
        {"an id and a newline", std::string(Id) + "\n", Id},
        {"upper case, as libdbus writes it in lower case", "0123456789ABCDEF0123456789ABCDEF", Id},
        {"white space around it", " \t\r\n" + std::string(Id) + "\n\n", Id},
        {"31 digits", std::string(Id).substr(1) + "\n", ""},
        {"33 digits", std::string(Id) + "0\n", ""},
        {"a letter that is no hex digit", "g" + std::string(Id).substr(1), ""},
        {"two ids", std::string(Id) + "\n" + Id + "\n", ""},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(file, std::ios::trunc) << c.contents;
        EXPECT_EQ(readMachineId(file), c.id);
    }
    unlink(file.c_str());
    EXPECT_EQ(readMachineId(file), "") << "a missing file";

    // A pipe with no writer would block a plain open for ever; /dev/zero never ends.
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    EXPECT_EQ(readMachineId(file), "") << "a pipe";
    unlink(file.c_str());
    rmdir(dir.c_str());
    const long peakBefore = peakKiB();
    EXPECT_EQ(readMachineId("/dev/zero"), "") << "an endless device";
    EXPECT_LT(peakKiB() - peakBefore, 64 * 1024) << "read far more than an id";
}

} // namespace
} // namespace gachapoko::test
