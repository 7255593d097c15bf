// What the shared test main set up for the suite it runs (see tests/support/CMakeLists.txt for
// how a suite chooses), and the built programs and font configurations the suites use.
#pragma once

#include <string>

namespace gachapoko::test {

// The suite's private X server, e.g. ":7"; empty where the suite has none.
const std::string& xDisplay();

// The game as built.
std::string gameExecutable();
// A fontconfig file offering only some font files (tests/CMakeLists.txt writes them), e.g.
// fontsConf("ipa"): with FONTCONFIG_FILE pointing at it, a program sees those faces alone.
std::string fontsConf(const std::string& name);

} // namespace gachapoko::test
