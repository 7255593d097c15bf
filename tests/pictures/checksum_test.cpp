// The stored bytes of every picture and of the icon, held by their SHA-256. The painter must give
// the same bytes with every compiler, optimisation level, C library and processor; a build that
// paints a single byte differently fails here with the picture's id. Changing a picture on
// purpose means changing its line below in the same commit.
#include "assets/embedded_pictures.h"
#include "logic/types.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <array>
#include <gtest/gtest.h>
#include <span>
#include <string>

namespace gachapoko::test {
namespace {

struct Checksum {
    PictureId id;
    const char* sha256;
};

constexpr std::array<Checksum, PictureCount> PictureChecksums = {{
    {TitlePicture, "412a0a059b1184b56ab13774fe7b05ac4910d2bf5018d31363696ae4c6de55ce"},
    {MapPicture, "8301ff39d439f0b2d0043a21129070ecd8a13025f86b5917daf5333fbe6ca0b6"},
    {SumoWrestlerPicture, "6975a2b3b6428d15d24800b4755038295143ca8f9dc575a8464e47ea0e68eabf"},
    {DwarfPicture, "e83770209dea0a96ab63a291246c7dbf2510cc05bbd7d90efa0cde367c99c3fc"},
    {YoungManPicture, "6f015e25d9ca7e02b8a47082bd0e89f76f13e5e2d47ba723cbb1c0fc8ac27ab0"},
    {EldestSonPicture, "e3f85a12d95db7037b86f96f406a1584b20965a5c673e70399e30acc7c73c845"},
    {SecondSonPicture, "296c28a54b5d1522bba1770b9ee2150946b5ee322308a5a65bff190efc0efd48"},
    {GoddessPicture, "7e4cf1f86dd9da15d7c539e3f916921c68ad071135c6f836cf008e6f3cdc0d88"},
    {FinalOpponentPicture, "a58da1677f4ed1cd2f16277fde42a2fc25a461d73f5a800483a161b2133a4326"},
    {FinalOpponentBeatenPicture,
     "83444ec46fccf7d03a1f0a787696cc0184b8829a98c850aed7c013f762f9e93b"},
    {ClosingPicture, "0f01e053a086bcef1dcdb5fe9a42447a4da8aa7687b707594251d24ce1552408"},
}};
constexpr const char* IconChecksum =
    "8dfe33055fa4a5da7405ffce6ecb222f2de126c9efc9261f7c928035b9f8e7ad";

std::string sha256Of(std::span<const std::uint8_t> bytes) {
    const QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex().toStdString();
}

TEST(StoredPictures, BytesHaveTheirRecordedSha256) {
    for (const Checksum& c : PictureChecksums) {
        EXPECT_EQ(sha256Of(embeddedPictureData(c.id)), c.sha256)
            << "picture " << c.id << ": its stored bytes changed";
    }
    EXPECT_EQ(sha256Of(embeddedIconData()), IconChecksum) << "the icon's stored bytes changed";
}

} // namespace
} // namespace gachapoko::test
