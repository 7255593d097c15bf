// The window as it opens: the picture area and its sites, the controls' stacking, the face, the
// focus order and the welcome screen as it is first shown; and a caption written and cleared.
#include "assets/picture_lookup.h"
#include "logic/site_table.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"
#include "ui/layout.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

namespace gachapoko::test {
namespace {

// (The picture area's two-pixel border is where the picture is drawn from in the scaling tests,
// and where a press raises nothing in the routing tests.)
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
    }
    // The coast's region reaches one row below the picture; the window cuts that row off.
    const MapRect& coast = SiteTable[5].Region;
    EXPECT_EQ(coast.bottom(), 200);
    EXPECT_EQ(frm.picMain()->site(5)->geometry().bottom(), picture.bottom());
    EXPECT_EQ(frm.picMain()->site(5)->height(), coast.height - 1);
}

// Down the window's middle: the bands between the controls show the window, and the higher
// caption line is drawn over the row it shares with the next.
TEST(FrmMainLayout, EachRowShowsTheControlOnTop) {
    FrmMain frm;
    const std::pair<int, QWidget*> rows[] = {{205, nullptr},      {221, nullptr},
                                             {230, frm.lblMs(0)}, {240, frm.lblMs(1)},
                                             {256, frm.lblMs(2)}, {272, frm.lblMs(2)}};
    for (const auto& [y, control] : rows) {
        EXPECT_EQ(frm.childAt(100, y), control) << y;
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

// The View's caption operation takes effect at once (its picture operation is checked scene by
// scene in the end-to-end play-through; the bout timer's in bout_timer_test).
TEST(View, SetCaptionWritesOneLineAndEmptyLeavesABorderedStrip) {
    FrmMain frm;
    frm.SetCaption(2, RefusalLine);
    EXPECT_EQ(frm.lblMs(2)->text(), toQString(RefusalLine));
    EXPECT_TRUE(frm.lblMs(0)->text().isEmpty());
    frm.SetCaption(2, u"");
    EXPECT_TRUE(frm.lblMs(2)->text().isEmpty());
    EXPECT_EQ(frm.lblMs(2)->geometry(), layout::LblMsRects[2]);
    EXPECT_EQ(frm.lblMs(2)->frameWidth(), 1);
}

// Records caption line 1 at the moment the window is first shown.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(QLabel* line) : m_line(line) {}
    std::optional<QString> lineAtShow;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !lineAtShow) {
            lineAtShow = m_line->text();
        }
        return false;
    }

private:
    QLabel* m_line;
};

// The welcome screen, whole as the window first shows. (The window's size is held by the scaling
// tests and the theme tests' screenshots; its place on the screen by the program's end-to-end
// tests.)
TEST(FrmMainStartUp, ShowsTheWelcomeScreenWithFocusOnNext) {
    FrmMain frm;
    ShowWatcher watcher(frm.lblMs(1));
    frm.installEventFilter(&watcher);
    frm.start();
    EXPECT_EQ(watcher.lineAtShow, toQString(WelcomeLine));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));

    EXPECT_EQ(frm.picMain()->picture(), loadPicture(TitlePicture));
    EXPECT_EQ(frm.lblMs(0)->text(), QString());
    EXPECT_EQ(frm.lblMs(1)->text(), toQString(WelcomeLine));
    EXPECT_EQ(frm.lblMs(2)->text(), QString());
    EXPECT_TRUE(frm.cmdNext()->isVisible());
    EXPECT_FALSE(frm.timer().isActive());
    for (SiteIndex i = 0; i < SiteCount; ++i) {
        EXPECT_FALSE(frm.picMain()->site(i)->isSiteEnabled());
    }
    EXPECT_EQ(QApplication::focusWidget(), frm.cmdNext());
    // The picture area's right border and the picture's last column lie outside the window.
    EXPECT_EQ(frm.picMain()->visibleRegion().boundingRect(), QRect(0, 0, 201, 204));
}

} // namespace
} // namespace gachapoko::test
