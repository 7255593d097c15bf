// The game as a screen reader reads it over AT-SPI: a frame named after the game; the picture as
// an image named after what it shows, announcing each new picture; "Next" as a push button that
// the screen reader can press; the sites as buttons named like their hover captions, present
// while the map is on screen and gone in an encounter; the caption lines as labels.
#include "logic/site_table.h"
#include "tests/a11y/atspi_client.h"
#include "tests/support/process.h"
#include "tests/support/suite.h"
#include "tests/support/x_client.h"
#include "ui/game_text.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace gachapoko::test {
namespace {

std::string utf8(std::u16string_view text) {
    return toQString(text).toStdString();
}

// What a screen reader does when it starts: tell the desktop's accessibility bus that one runs,
// so that applications expose their objects on it.
bool announceScreenReader() {
    QDBusMessage set = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    set << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled")
        << QVariant::fromValue(QDBusVariant(true));
    return QDBusConnection::sessionBus().call(set).type() == QDBusMessage::ReplyMessage;
}

// The sites' rectangles inside the picture area, border included; the coast is cut at the
// border's inner edge.
const AtspiRect SitesInPicture[SiteCount] = {
    {10, 10, 61, 36},   {112, 18, 89, 41}, {65, 66, 58, 30},
    {126, 101, 76, 50}, {2, 90, 58, 64},   {2, 170, 196, 32},
};

class ScreenReader : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_GE(atspi_init(), 0) << "no accessibility bus"; }

    void SetUp() override {
        ASSERT_TRUE(announceScreenReader()) << "the accessibility bus did not start";
        ASSERT_TRUE(m_showing.registered());

        // The game in the tests' session, on their display, with their fonts.
        m_game = std::make_unique<Process>(gameExecutable(), std::vector<std::string>{},
                                           Environment::privateSession(m_home.path())
                                               .set("DISPLAY", xDisplay())
                                               .set("QT_QPA_PLATFORM", "xcb")
                                               .set("DBUS_SESSION_BUS_ADDRESS", sessionBusAddress())
                                               .set("FONTCONFIG_FILE", fontsConf("ipa")));
        ASSERT_EQ(m_game->start(), "");

        m_application = applicationOfProcess(static_cast<unsigned>(m_game->pid()), 15000);
        ASSERT_FALSE(m_application.isNull())
            << "the game never appeared on the accessibility bus: " << m_game->report();
        ASSERT_TRUE(waitUntil([this] { return !frame().isNull() && !picture().isNull(); }, 10000));
    }

    Accessible frame() const {
        for (const Accessible& child : m_application.children()) {
            if (child.role() == ATSPI_ROLE_FRAME) {
                return child;
            }
        }
        return {};
    }

    Accessible picture() const {
        return frame().find([](const Accessible& a) { return a.role() == ATSPI_ROLE_IMAGE; });
    }

    Accessible next() const {
        return frame().find([](const Accessible& a) {
            return a.role() == ATSPI_ROLE_PUSH_BUTTON && a.name() == "Next";
        });
    }

    std::vector<std::string> captionLines() const {
        std::vector<std::string> lines;
        for (const Accessible& child : frame().children()) {
            if (child.role() == ATSPI_ROLE_LABEL) {
                lines.push_back(child.name());
            }
        }
        return lines;
    }

    // A new picture's name is said through a notification that shows (a name change of the
    // image would reach Orca in a form it drops).
    bool pictureIsAnnouncedAs(const std::string& name) {
        return waitUntil(
            [&] {
                for (const EventRecorder::Event& event : m_showing.events()) {
                    if (event.role == ATSPI_ROLE_NOTIFICATION && event.name == name) {
                        return true;
                    }
                }
                return false;
            },
            5000);
    }

    // From the welcome screen to the map, pressing "Next" as a screen reader user does.
    void goToTheMap() {
        Accessible button = next();
        ASSERT_FALSE(button.isNull());
        ASSERT_TRUE(button.doAction("Press"));
        ASSERT_TRUE(waitUntil([this] { return picture().name() == "地図"; }, 5000));
        ASSERT_TRUE(waitUntil([this] { return picture().children().size() == SiteCount; }, 5000));
    }

    EventRecorder m_newChildren{"object:children-changed:add"};
    EventRecorder m_showing{"object:state-changed:showing"};
    TemporaryDirectory m_home;
    std::unique_ptr<Process> m_game;
    Accessible m_application;
};

TEST_F(ScreenReader, TheWelcomeScreenIsAFrameWithTheTitlePictureAndNext) {
    EXPECT_EQ(m_application.name(), "gachapoko");
    int frames = 0;
    for (const Accessible& child : m_application.children()) {
        frames += child.role() == ATSPI_ROLE_FRAME ? 1 : 0;
    }
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(frame().name(), "ガチャポコ");
    EXPECT_EQ(frame().roleName(), "frame");

    const Accessible title = picture();
    EXPECT_EQ(title.name(), "タイトル「ガチャポコ」");
    EXPECT_EQ(title.roleName(), "image");
    EXPECT_TRUE(title.has(ATSPI_STATE_SHOWING));
    // No site can be clicked on the welcome screen, so the picture has none.
    EXPECT_TRUE(title.children().empty());

    const Accessible button = next();
    ASSERT_FALSE(button.isNull());
    EXPECT_TRUE(button.has(ATSPI_STATE_SHOWING));
    EXPECT_TRUE(button.has(ATSPI_STATE_FOCUSABLE));
    const std::vector<std::string> actions = button.actions();
    EXPECT_NE(std::find(actions.begin(), actions.end(), "Press"), actions.end());

    EXPECT_EQ(captionLines(), (std::vector<std::string>{"", utf8(WelcomeLine), ""}));
}

TEST_F(ScreenReader, OnTheMapThePictureIsAnnouncedAndTheSitesCanBeFound) {
    goToTheMap();
    EXPECT_TRUE(pictureIsAnnouncedAs("地図"));
    // Each site that comes onto the map is announced as a new child of the picture.
    EXPECT_TRUE(waitUntil(
        [this] {
            return std::count_if(m_newChildren.events().begin(), m_newChildren.events().end(),
                                 [](const auto& e) { return e.role == ATSPI_ROLE_IMAGE; }) ==
                   SiteCount;
        },
        5000));
    EXPECT_EQ(captionLines(), (std::vector<std::string>{"", utf8(MapInstruction), ""}));
    EXPECT_FALSE(next().has(ATSPI_STATE_SHOWING));
    // The hidden button still offers its Press action; pressing it changes nothing.
    next().doAction("Press");
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(picture().children().size(), static_cast<std::size_t>(SiteCount));

    const Accessible map = picture();
    const AtspiRect mapAt = map.extents();
    const std::vector<Accessible> sites = map.children();
    ASSERT_EQ(sites.size(), static_cast<std::size_t>(SiteCount));
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        const SiteRow& row = SiteTable[static_cast<std::size_t>(i)];
        const Accessible& site = sites[static_cast<std::size_t>(i)];
        EXPECT_EQ(site.name(), utf8(row.Place) + "・" + utf8(row.Resident));
        EXPECT_EQ(site.role(), ATSPI_ROLE_PUSH_BUTTON) << i;
        EXPECT_TRUE(site.has(ATSPI_STATE_SHOWING)) << i;
        EXPECT_TRUE(site.has(ATSPI_STATE_VISIBLE)) << i;
        EXPECT_TRUE(site.has(ATSPI_STATE_SENSITIVE)) << i;
        // Where the site lies, so that a screen reader's click lands on it.
        const AtspiRect at = site.extents();
        const AtspiRect expected = SitesInPicture[i];
        EXPECT_EQ(at.x - mapAt.x, expected.x) << i;
        EXPECT_EQ(at.y - mapAt.y, expected.y) << i;
        EXPECT_EQ(at.width, expected.width) << i;
        EXPECT_EQ(at.height, expected.height) << i;
    }
}

TEST_F(ScreenReader, InAnEncounterThePictureNamesTheResidentAndTheSitesAreGone) {
    goToTheMap();
    const Accessible town = picture().children()[3];
    ASSERT_EQ(town.name(), "街・若者");
    const AtspiRect at = town.extents();

    // The screen reader's click: the mouse, at the middle of the site.
    XClient input(xDisplay());
    ASSERT_EQ(input.error(), "");
    input.click(at.x + at.width / 2, at.y + at.height / 2);
    input.sync();

    ASSERT_TRUE(waitUntil([this] { return picture().name() == "若者"; }, 5000));
    EXPECT_TRUE(pictureIsAnnouncedAs("若者"));
    // Each site showed as it came onto the map, and stops showing as it leaves.
    EXPECT_TRUE(waitUntil(
        [this] {
            return std::count_if(m_showing.events().begin(), m_showing.events().end(),
                                 [](const auto& e) {
                                     return e.role == ATSPI_ROLE_PUSH_BUTTON && e.name != "Next";
                                 }) == 2 * SiteCount;
        },
        5000));
    EXPECT_TRUE(picture().children().empty());
    EXPECT_FALSE(town.has(ATSPI_STATE_SHOWING));
    EXPECT_FALSE(town.has(ATSPI_STATE_VISIBLE));
    EXPECT_TRUE(next().has(ATSPI_STATE_SHOWING));
    const SiteRow& row = SiteTable[3];
    EXPECT_EQ(captionLines(), (std::vector<std::string>{utf8(row.Lines[0]), utf8(row.Lines[1]),
                                                        utf8(row.Lines[2])}));
}

} // namespace
} // namespace gachapoko::test
