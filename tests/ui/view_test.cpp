// The View's picture and caption operations on the window's controls, each taking effect at
// once (the bout timer's are in bout_timer_test and the end-to-end play-through; how a picture is
// drawn, at every scale, in the scaling tests).
#include "assets/picture_lookup.h"
#include "logic/site_table.h"
#include "ui/frm_main.h"
#include "ui/game_text.h"
#include "ui/layout.h"
#include "ui/picture_area.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

TEST(View, SetPictureShowsEveryBuiltInPictureById) {
    FrmMain frm;
    for (PictureId id = 101; id <= 111; ++id) {
        frm.SetPicture(id);
        const std::optional<QImage> expected = loadPicture(id);
        ASSERT_TRUE(expected.has_value()) << id;
        EXPECT_EQ(frm.picMain()->picture(), *expected) << id;
    }
}

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

} // namespace
} // namespace gachapoko::test
