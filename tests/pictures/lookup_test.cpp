// The picture lookup the window uses: every picture as an image of its own, nothing for ids that
// name none, and the program's icon with its transparency at 32 and 64 pixels.
#include "assets/picture_lookup.h"
#include "logic/types.h"
#include "tests/support/pictures.h"

#include <QIcon>
#include <QPixmap>
#include <gtest/gtest.h>

namespace gachapoko::test {
namespace {

// Every id gives an opaque 200x200 picture, decoded anew on every call: a lookup that kept its
// pictures and handed out copies would give images sharing one pixel buffer (a QImage copy shares
// its data until it is written to).
TEST(PictureLookup, EveryIdDecodesToANewOpaque200By200Picture) {
    for (PictureId id = TitlePicture; id <= ClosingPicture; ++id) {
        SCOPED_TRACE(id);
        const std::optional<QImage> picture = loadPicture(id), again = loadPicture(id);
        ASSERT_TRUE(picture.has_value());
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(picture->size(), QSize(200, 200));
        EXPECT_FALSE(picture->hasAlphaChannel());
        EXPECT_EQ(*picture, *again);
        EXPECT_NE(picture->cacheKey(), again->cacheKey());
        EXPECT_NE(picture->constBits(), again->constBits());
    }
}

TEST(PictureLookup, IdsOutsideThePicturesGiveNothing) {
    for (const int id :
         {0, 1, TitlePicture - 1, ClosingPicture + 1, 30001, -1, -TitlePicture, 32767, -32768}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(loadPicture(static_cast<PictureId>(id)).has_value());
    }
}

// The title bar takes the 32x32 icon, a HiDPI one the 64x64: the icon with every pixel doubled,
// not a smoothed enlargement that blurs the letters' edges. Both keep its see-through pixels.
TEST(ProgramIcon, Is32By32AndDoubledPixelForPixelWithItsTransparency) {
    const QIcon icon = loadProgramIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(64, 64)}));
    EXPECT_EQ(iconDifference(icon.pixmap(32, 32).toImage(), 1), "");
    EXPECT_EQ(iconDifference(icon.pixmap(64, 64).toImage(), 2), "");
}

} // namespace
} // namespace gachapoko::test
