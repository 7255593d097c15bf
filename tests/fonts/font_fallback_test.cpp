// The window's face on machines with other fonts than the developers': the program is run under
// a font configuration that offers only chosen font files, and tells which face it took and how
// the game's texts come out in it.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace gachapoko::test {
namespace {

// A fresh environment for one run of a program: its own home and runtime directory, Qt's
// offscreen platform and no theme or style from the machine, and only the fonts of `conf`.
QProcessEnvironment environmentWith(const QTemporaryDir& home, const char* conf) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("FONTCONFIG_FILE"),
                       QStringLiteral(GACHAPOKO_FONTS_CONF_DIR "/") + QLatin1String(conf));
    return environment;
}

// What the probe printed, name by name.
std::map<std::string, std::string> probe(const char* conf) {
    QTemporaryDir home;
    EXPECT_TRUE(home.isValid());
    QProcess process;
    process.setProcessEnvironment(environmentWith(home, conf));
    process.start(QStringLiteral(GACHAPOKO_FONT_PROBE), {});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    std::map<std::string, std::string> facts;
    for (const QString& line :
         QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0) {
            facts[line.left(equals).toStdString()] = line.mid(equals + 1).toStdString();
        }
    }
    return facts;
}

int number(const std::map<std::string, std::string>& facts, const std::string& name) {
    const auto found = facts.find(name);
    return found == facts.end() ? -1 : std::stoi(found->second);
}

const std::string NoJapaneseMessage =
    "gachapoko: no installed font can show the game's Japanese text, so the captions will show "
    "boxes; install the package fonts-ipafont-gothic";

struct FontCase {
    const char* name;
    const char* conf;
    const char* family;
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
    EXPECT_EQ(number(facts, "fixed-width"), fonts.fixedWidth ? 1 : 0);
    EXPECT_EQ(facts["missing"], "");
    EXPECT_EQ(facts["cut"], "");
    EXPECT_EQ(facts["message"], "");
    // The largest size up to 12 pixels at which the widest caption fits its 199 pixels.
    const int size = number(facts, "pixel-size");
    EXPECT_LE(size, 12);
    EXPECT_GE(size, 9);
    EXPECT_LE(number(facts, "widest"), 199);
    if (size < 12) {
        EXPECT_GT(number(facts, "widest-one-size-up"), 199);
    }
}

// Pixel sizes as measured: IPA P Gothic's kana are proportional and fit at 12 pixels; VL
// PGothic (proportional Latin letters) and IPA Gothic give every kana a full cell and fit at 11.
INSTANTIATE_TEST_SUITE_P(
    Faces, FontFallback,
    testing::Values(
        // The preferred face wins over every other one installed beside it.
        FontCase{"EveryFace", "every-face.conf", "IPAPGothic", false},
        // Another proportional Gothic takes its place.
        FontCase{"VLPGothicAlone", "vl-pgothic.conf", "VL PGothic", false},
        // The fixed-width Gothic alone: smaller, so that the longest line is not cut.
        FontCase{"IPAGothicAlone", "ipa-gothic.conf", "IPAGothic", true},
        // Given the choice at one size, the proportional face.
        FontCase{"VLPGothicBesideIPAGothic", "vl-pgothic-ipa-gothic.conf", "VL PGothic", false}),
    [](const testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

TEST(FontFallback, ThePreferredFaceTakesTwelvePixels) {
    std::map<std::string, std::string> facts = probe("ipa.conf");
    EXPECT_EQ(facts["family"], "IPAPGothic");
    EXPECT_EQ(number(facts, "pixel-size"), 12);
}

TEST(NoJapaneseFace, TheWindowKeepsALatinFaceAndNamesThePackage) {
    std::map<std::string, std::string> facts = probe("no-japanese.conf");
    EXPECT_EQ(facts["family"], "DejaVu Sans");
    EXPECT_NE(facts["missing"], "");
    EXPECT_EQ(facts["message"], NoJapaneseMessage);
}

TEST(NoJapaneseFace, TheProgramSaysSoInOneLineAndStillRuns) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcess game;
    game.setProcessEnvironment(environmentWith(home, "no-japanese.conf"));
    game.start(QStringLiteral(GACHAPOKO_EXECUTABLE), {});
    ASSERT_TRUE(game.waitForStarted(5000));
    // Long enough to have created and shown its window.
    QTest::qWait(3000);
    EXPECT_EQ(game.state(), QProcess::Running);
    game.kill();
    game.waitForFinished(5000);
    const QStringList lines =
        QString::fromUtf8(game.readAllStandardError()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.filter(QStringLiteral("fonts-ipafont-gothic")).size(), 1)
        << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(lines.contains(QString::fromStdString(NoJapaneseMessage)))
        << lines.join(QLatin1Char('\n')).toStdString();
}

TEST(NoJapaneseFace, WithAJapaneseFaceTheProgramSaysNothingAboutFonts) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcess game;
    game.setProcessEnvironment(environmentWith(home, "ipa-gothic.conf"));
    game.start(QStringLiteral(GACHAPOKO_EXECUTABLE), {});
    ASSERT_TRUE(game.waitForStarted(5000));
    QTest::qWait(2000);
    EXPECT_EQ(game.state(), QProcess::Running);
    game.kill();
    game.waitForFinished(5000);
    EXPECT_FALSE(game.readAllStandardError().contains("fonts-ipafont-gothic"));
}

} // namespace
} // namespace gachapoko::test
