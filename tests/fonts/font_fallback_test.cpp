// The window's face on machines with other fonts than the developers': the program is run under
// a font configuration that offers only chosen font files, and tells which face it took and how
// the game's texts come out in it.
#include "tests/support/process.h"
#include "tests/support/suite.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

namespace gachapoko::test {
namespace {

// A session of its own on Qt's offscreen platform, with only the fonts of `conf`.
Environment sessionWith(const TemporaryDirectory& home, const std::string& conf) {
    return Environment::privateSession(home.path())
        .set("QT_QPA_PLATFORM", "offscreen")
        .set("DBUS_SESSION_BUS_ADDRESS", "disabled:")
        .set("FONTCONFIG_FILE", fontsConf(conf));
}

// What the probe printed, name by name.
std::map<std::string, std::string> probe(const std::string& conf) {
    const TemporaryDirectory home;
    const Finished probe = run(GACHAPOKO_FONT_PROBE, {}, sessionWith(home, conf));
    EXPECT_TRUE(probe.succeeded()) << probe.report();
    std::map<std::string, std::string> facts;
    std::istringstream lines(probe.out);
    for (std::string line; std::getline(lines, line);) {
        if (const auto equals = line.find('='); equals != std::string::npos) {
            facts[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return facts;
}

const std::string NoJapaneseMessage =
    "gachapoko: no installed font can show the game's Japanese text, so the captions will show "
    "boxes; install the package " GACHAPOKO_FONT_PACKAGE;

struct FontCase {
    const char* name;
    const char* conf;
    const char* family;
    int pixelSize;
    bool fixedWidth;
};

void PrintTo(const FontCase& fonts, std::ostream* out) {
    *out << fonts.name;
}

class FontFallback : public testing::TestWithParam<FontCase> {};

TEST_P(FontFallback, TakesAFaceWithEveryGlyphAtTheLargestSizeWhereEveryCaptionFits) {
    const FontCase& fonts = GetParam();
    std::map<std::string, std::string> facts = probe(fonts.conf);
    EXPECT_EQ(facts["family"], fonts.family);
    EXPECT_EQ(facts["pixel-size"], std::to_string(fonts.pixelSize));
    EXPECT_EQ(facts["fixed-width"], fonts.fixedWidth ? "1" : "0");
    EXPECT_EQ(facts["missing"], "");
    EXPECT_EQ(facts["cut"], "");
    EXPECT_EQ(facts["message"], "");
    // The largest size up to 12 pixels at which the widest caption fits its 199 pixels.
    // (A fact the probe did not print fails the test as it is read.)
    EXPECT_LE(std::stoi(facts["widest"]), 199);
    if (fonts.pixelSize < 12) {
        EXPECT_GT(std::stoi(facts["widest-one-size-up"]), 199);
    }
}

// Pixel sizes as measured: IPA P Gothic's kana are proportional and fit at 12 pixels; VL
// PGothic (proportional Latin letters) and IPA Gothic give every kana a full cell and fit at 11.
INSTANTIATE_TEST_SUITE_P(
    Faces, FontFallback,
    testing::Values(
        // The preferred face wins over every other one installed beside it.
        FontCase{"EveryFace", "every-face", "IPAPGothic", 12, false},
        // Another proportional Gothic takes its place.
        FontCase{"VLPGothicAlone", "vl-pgothic", "VL PGothic", 11, false},
        // The fixed-width Gothic alone: smaller, so that the longest line is not cut.
        FontCase{"IPAGothicAlone", "ipa-gothic", "IPAGothic", 11, true},
        // Given the choice at one size, the proportional face.
        FontCase{"VLPGothicBesideIPAGothic", "vl-pgothic-ipa-gothic", "VL PGothic", 11, false}),
    [](const testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

// The game itself, two seconds after it started, under fonts with and without a Japanese face.
// (Without one, the window can only take the Latin face the fonts offer.)
std::string printedByTheGame(const std::string& conf) {
    const TemporaryDirectory home;
    Process game(gameExecutable(), {}, sessionWith(home, conf));
    EXPECT_EQ(game.start(), "");
    EXPECT_FALSE(game.waitForEnd(2s)) << game.report();
    return game.standardError();
}

TEST(NoJapaneseFace, TheProgramSaysSoInOneLineAndPlaysOn) {
    EXPECT_EQ(printedByTheGame("no-japanese"), NoJapaneseMessage + "\n");
    EXPECT_EQ(printedByTheGame("ipa-gothic"), "");
}

} // namespace
} // namespace gachapoko::test
