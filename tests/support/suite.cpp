// The built programs and font configurations the suites use.
#include "tests/support/suite.h"

namespace gachapoko::test {

std::string gameExecutable() {
    return GACHAPOKO_EXECUTABLE;
}

std::string fontsConf(const std::string& name) {
    return GACHAPOKO_FONTS_CONF_DIR "/" + name + ".conf";
}

} // namespace gachapoko::test
