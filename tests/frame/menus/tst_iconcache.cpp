// Built-in icons by item id and the cycle buttons' signal mapper.
#include "frame/menus/iconcache.h"
#include "frame/menus/tesksignalmapper.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

TEST(IconCache, EveryIdOfTheListHasItsPicture)
{
    const int ids[] = {0,   1,   1001, 3,   1002, 1203, 5,   6,    10,   11,   12,  13,  1019, 14,
                       17,  20,  39,   61,  62,   63,   68,  69,   70,   71,   177, 72,  179,  73,
                       74,  79,  81,   82,  84,   88,   89,  91,   112,  114,  115, 125, 140,  171,
                       172, 178, 180,  181, 182,  183,  196, 1020, 1022, 1136, 1050};
    ASSERT_EQ(std::size(ids), 53u);
    for (int id : ids) {
        const QIcon &icon = IconCache::iconSet(id);
        ASSERT_FALSE(icon.isNull()) << id;
        EXPECT_EQ(icon.pixmap(16).size(), QSize(16, 16)) << id;
    }
    // Shared pictures are one file.
    EXPECT_EQ(IconCache::imagePath(1), IconCache::imagePath(1001));
    EXPECT_EQ(IconCache::imagePath(3), IconCache::imagePath(1203));
    EXPECT_NE(IconCache::imagePath(68), IconCache::imagePath(69));
}

TEST(IconCache, EntriesAreKeptAlsoWithoutAPicture)
{
    const QIcon &first = IconCache::iconSet(4242);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(&IconCache::iconSet(4242), &first);
    EXPECT_EQ(&IconCache::iconSet(68), &IconCache::iconSet(68));
}

namespace {
class Emitter : public QObject
{
    Q_OBJECT
signals:
    void activated(int);
};
} // namespace

TEST(TeskSignalMapper, MapsBySenderUntilTheSenderGoes)
{
    TeskSignalMapper mapper;
    QSignalSpy mapped(&mapper, &TeskSignalMapper::mapped);
    auto mappedSender = std::make_unique<Emitter>();
    Emitter unmapped;
    QObject::connect(mappedSender.get(), &Emitter::activated, &mapper, &TeskSignalMapper::map);
    QObject::connect(&unmapped, &Emitter::activated, &mapper, &TeskSignalMapper::map);
    mapper.setMapping(mappedSender.get(), 49866);
    mapper.setMapping(mappedSender.get(), 49867);

    emit mappedSender->activated(3);
    ASSERT_EQ(mapped.size(), 1);
    EXPECT_EQ(mapped[0], QVariantList({49867, 3}));
    emit unmapped.activated(4);
    EXPECT_EQ(mapped.size(), 1);

    // A new object may take the address of the destroyed one; it is not mapped.
    mappedSender.reset();
    auto successor = std::make_unique<Emitter>();
    QObject::connect(successor.get(), &Emitter::activated, &mapper, &TeskSignalMapper::map);
    emit successor->activated(5);
    EXPECT_EQ(mapped.size(), 1);
}

#include "tst_iconcache.moc"
