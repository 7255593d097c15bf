// The window as it opens: its frame, the controls' places and stacking, colours, fonts and the
// state right after start-up.
#include "assets/picture_lookup.h"
#include "logic/site_table.h"
#include "ui/frm_main.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

QString text(std::u16string_view view) {
    return QString::fromUtf16(view.data(), static_cast<qsizetype>(view.size()));
}

TEST(FrmMainWindow, HasTheGameTitleAndIcon) {
    FrmMain frm;
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("ガチャポコ"));
    EXPECT_FALSE(frm.windowIcon().isNull());
}

TEST(FrmMainWindow, ClientAreaIsFixedAt201By273) {
    FrmMain frm;
    EXPECT_EQ(frm.size(), QSize(201, 273));
    EXPECT_EQ(frm.minimumSize(), QSize(201, 273));
    EXPECT_EQ(frm.maximumSize(), QSize(201, 273));
}

TEST(FrmMainWindow, HasACloseBoxAndSystemMenuButNoMinimiseOrMaximiseBox) {
    FrmMain frm;
    const Qt::WindowFlags flags = frm.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::Window));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

struct Placed {
    const char* control;
    QRect rect;
};

TEST(FrmMainLayout, ControlsSitAtTheirPixelRectangles) {
    FrmMain frm;
    const std::vector<std::pair<QWidget*, Placed>> controls = {
        {frm.cmdNext(), {"CmdNext", {0, 208, 201, 12}}},
        {frm.picMain(), {"PicMain", {0, 0, 204, 204}}},
        {frm.lblMs(0), {"LblMs(0)", {0, 224, 201, 17}}},
        {frm.lblMs(1), {"LblMs(1)", {0, 240, 201, 17}}},
        {frm.lblMs(2), {"LblMs(2)", {0, 256, 201, 17}}},
    };
    for (const auto& [widget, placed] : controls) {
        EXPECT_EQ(widget->parentWidget(), &frm) << placed.control;
        EXPECT_EQ(widget->geometry(), placed.rect) << placed.control;
    }
}

TEST(FrmMainLayout, PicMainHasATwoPixelBorderAroundThePicture) {
    FrmMain frm;
    EXPECT_EQ(frm.picMain()->contentsRect(), QRect(2, 2, 200, 200));
}

TEST(FrmMainLayout, SitesLieInsideTheBorderAtTheirMapRectanglesAndTheCoastIsCut) {
    FrmMain frm;
    const QRect picture(2, 2, 200, 200); // inside the 2-pixel border
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        SiteRegion* site = frm.picMain()->site(i);
        ASSERT_NE(site, nullptr);
        // The site table's rectangle in picture pixels, moved past the border and cut at it.
        const MapRect& r = SiteTable[static_cast<std::size_t>(i)].Region;
        const QRect expected = QRect(r.x + 2, r.y + 2, r.width, r.height).intersected(picture);
        EXPECT_EQ(site->parentWidget(), frm.picMain()) << "site " << i;
        EXPECT_EQ(site->geometry(), expected) << "site " << i;
        EXPECT_EQ(site->cursor().shape(), Qt::CrossCursor) << "site " << i;
        EXPECT_FALSE(site->autoFillBackground()) << "site " << i;
    }
    // The coast's region reaches one row below the picture; the window cuts that row off.
    const MapRect& coast = SiteTable[5].Region;
    EXPECT_EQ(coast.bottom(), 200);
    EXPECT_EQ(frm.picMain()->site(5)->geometry().bottom(), picture.bottom());
    EXPECT_EQ(frm.picMain()->site(5)->height(), coast.height - 1);
}

TEST(FrmMainLayout, HigherCaptionLineIsDrawnOverTheSharedRow) {
    FrmMain frm;
    EXPECT_EQ(frm.childAt(100, 240), frm.lblMs(1));
    EXPECT_EQ(frm.childAt(100, 256), frm.lblMs(2));
    EXPECT_EQ(frm.childAt(100, 230), frm.lblMs(0));
    EXPECT_EQ(frm.childAt(100, 272), frm.lblMs(2));
}

TEST(FrmMainLayout, BandsBetweenTheControlsShowTheWindow) {
    FrmMain frm;
    EXPECT_EQ(frm.childAt(100, 205), nullptr);
    EXPECT_EQ(frm.childAt(100, 221), nullptr);
}

TEST(FrmMainLayout, ButtonIsAnOrdinaryPushButtonAfterThePictureInFocusOrder) {
    FrmMain frm;
    QPushButton* next = frm.cmdNext();
    EXPECT_EQ(next->text(), QStringLiteral("Next"));
    EXPECT_FALSE(next->isDefault());
    EXPECT_FALSE(next->autoDefault());
    EXPECT_FALSE(next->isFlat());
    EXPECT_EQ(frm.picMain()->focusPolicy(), Qt::StrongFocus);
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        EXPECT_EQ(frm.lblMs(line)->focusPolicy(), Qt::NoFocus);
    }
}

TEST(FrmMainLayout, CaptionLinesAreCentredSunkenSingleBorderedStrips) {
    FrmMain frm;
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        QLabel* label = frm.lblMs(line);
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
        EXPECT_EQ(label->frameShadow(), QFrame::Sunken);
        EXPECT_EQ(label->frameWidth(), 1);
        EXPECT_FALSE(label->wordWrap());
    }
}

TEST(FrmMainFocus, TabMovesBetweenThePictureAndTheButton) {
    FrmMain frm;
    frm.start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    ASSERT_EQ(QApplication::focusWidget(), frm.picMain());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frm.cmdNext());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), frm.picMain());
}

TEST(FrmMainFocus, SpaceOnTheFocusedButtonPressesNext) {
    FrmMain frm;
    frm.start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    frm.cmdNext()->setFocus();
    QTest::keyClick(frm.cmdNext(), Qt::Key_Space);
    EXPECT_EQ(frm.gameState().Scene, SceneCode::MapFirstReached);
    EXPECT_TRUE(frm.cmdNext()->isHidden());
    // The focus leaves the hidden button for the picture area.
    EXPECT_EQ(QApplication::focusWidget(), frm.picMain());
}

TEST(FrmMainColours, WindowIsButtonFaceAndCaptionLinesAreTheClassicBlackOnWhite) {
    FrmMain frm;
    const QPalette platform = QApplication::palette();
    EXPECT_EQ(frm.backgroundRole(), QPalette::Button);
    EXPECT_EQ(frm.palette().color(frm.backgroundRole()), platform.color(QPalette::Button));
    EXPECT_TRUE(frm.autoFillBackground());
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        const QPalette colours = frm.lblMs(line)->palette();
        EXPECT_EQ(colours.color(QPalette::Window), QColor(255, 255, 255));
        EXPECT_EQ(colours.color(QPalette::WindowText), QColor(0, 0, 0));
        EXPECT_TRUE(frm.lblMs(line)->autoFillBackground());
    }
}

TEST(FrmMainFont, EveryControlUsesTheOneJapaneseFace) {
    FrmMain frm;
    const std::vector<QWidget*> controls = {&frm,         frm.cmdNext(), frm.picMain(),
                                            frm.lblMs(0), frm.lblMs(1),  frm.lblMs(2)};
    for (QWidget* control : controls) {
        const QFontInfo info(control->font());
        EXPECT_EQ(info.family(), QStringLiteral("IPAPGothic"))
            << control->metaObject()->className();
        EXPECT_EQ(info.pixelSize(), 12) << control->metaObject()->className();
    }
}

TEST(FrmMainAccessibility, PictureAndSitesAreNamedAndCaptionsExposeTheirText) {
    FrmMain frm;
    frm.start();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(frm.picMain())->text(QAccessible::Name),
              QStringLiteral("タイトル「ガチャポコ」"));
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        const SiteRow& row = SiteTable[static_cast<std::size_t>(i)];
        QAccessibleInterface* site = QAccessible::queryAccessibleInterface(frm.picMain()->site(i));
        ASSERT_NE(site, nullptr);
        EXPECT_EQ(site->text(QAccessible::Name), text(row.Place) + u'・' + text(row.Resident));
    }
    QAccessibleInterface* next = QAccessible::queryAccessibleInterface(frm.cmdNext());
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->text(QAccessible::Name), QStringLiteral("Next"));
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        EXPECT_TRUE(frm.lblMs(line)->accessibleName().isEmpty());
    }
    QAccessibleInterface* welcome = QAccessible::queryAccessibleInterface(frm.lblMs(1));
    ASSERT_NE(welcome, nullptr);
    EXPECT_EQ(welcome->text(QAccessible::Name), text(WelcomeLine));
}

TEST(FrmMainCreation, StartsHiddenWithTitlePictureEmptyLinesAndNothingRunning) {
    FrmMain frm;
    EXPECT_FALSE(frm.isVisible());
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        EXPECT_TRUE(frm.lblMs(line)->text().isEmpty()) << "line " << line;
    }
    const std::optional<QImage> title = loadPicture(TitlePicture);
    ASSERT_TRUE(title.has_value());
    EXPECT_EQ(frm.picMain()->picture(), *title);
    EXPECT_FALSE(frm.cmdNext()->isHidden());
    EXPECT_FALSE(frm.timer().isActive());
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        EXPECT_FALSE(frm.picMain()->site(i)->isEnabled());
        EXPECT_TRUE(frm.picMain()->site(i)->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    EXPECT_EQ(frm.gameState().Scene, SceneCode::Welcome);
}

// Records caption line 1 at the moment the window is first shown.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(QLabel* line) : m_line(line) {}
    QString lineAtShow;
    bool shown = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !shown) {
            shown = true;
            lineAtShow = m_line->text();
        }
        return false;
    }

private:
    QLabel* m_line;
};

TEST(FrmMainStartUp, ShowsTheWelcomeScreenCentredWithFocusOnThePicture) {
    FrmMain frm;
    ShowWatcher watcher(frm.lblMs(1));
    frm.installEventFilter(&watcher);
    frm.start();
    EXPECT_TRUE(watcher.shown);
    EXPECT_EQ(watcher.lineAtShow, text(WelcomeLine));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));

    EXPECT_TRUE(frm.isVisible());
    EXPECT_EQ(frm.lblMs(0)->text(), QString());
    EXPECT_EQ(frm.lblMs(1)->text(), text(WelcomeLine));
    EXPECT_EQ(frm.lblMs(2)->text(), QString());
    EXPECT_TRUE(frm.cmdNext()->isVisible());
    EXPECT_FALSE(frm.timer().isActive());
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        EXPECT_FALSE(frm.picMain()->site(i)->isEnabled());
    }
    EXPECT_EQ(QApplication::focusWidget(), frm.picMain());
    EXPECT_EQ(frm.size(), QSize(201, 273));
    // The picture area's right border and the picture's last column lie outside the window.
    EXPECT_EQ(frm.picMain()->visibleRegion().boundingRect(), QRect(0, 0, 201, 204));

    const QRect screen = frm.screen()->availableGeometry();
    const QPoint offCentre = frm.geometry().center() - screen.center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
}

} // namespace
} // namespace gachapoko::test
