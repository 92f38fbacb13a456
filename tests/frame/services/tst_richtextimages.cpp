// Images that rich text names by a plain word, served beside a host's own resource provider.
#include "testhost.h"

#include "frame/services/richtextimages.h"

#include <QTextDocument>
#include <QUrl>
#include <QVariant>

#include <gtest/gtest.h>

TEST(RichTextImages, AHostsOwnProviderKeepsServingItsNames)
{
    const QTextDocument::ResourceProvider before = QTextDocument::defaultResourceProvider();
    QImage hostImage(3, 3, QImage::Format_RGB32);
    hostImage.fill(Qt::blue);
    QTextDocument::setDefaultResourceProvider([hostImage](const QUrl &name) {
        return name.toString() == QLatin1String("host-logo") ? QVariant(hostImage) : QVariant();
    });

    QImage ours(5, 5, QImage::Format_RGB32);
    ours.fill(Qt::red);
    tesk::frame::addRichTextImage(QStringLiteral("test-padlock"), ours);

    const QTextDocument::ResourceProvider provider = QTextDocument::defaultResourceProvider();
    ASSERT_TRUE(provider);
    EXPECT_EQ(provider(QUrl(QStringLiteral("test-padlock"))).value<QImage>(), ours);
    EXPECT_EQ(provider(QUrl(QStringLiteral("host-logo"))).value<QImage>(), hostImage);
    EXPECT_FALSE(provider(QUrl(QStringLiteral("nothing"))).isValid());

    QTextDocument::setDefaultResourceProvider(before);
}

TEST(RichTextImages, TheHostsProviderStandsAgainOnceTheLibraryEnds)
{
    const QTextDocument::ResourceProvider before = QTextDocument::defaultResourceProvider();
    int asked = 0;
    QTextDocument::setDefaultResourceProvider([&asked](const QUrl &) {
        ++asked;
        return QVariant();
    });
    tesk::frame::addRichTextImage(QStringLiteral("ended-padlock"),
                                  QImage(2, 2, QImage::Format_RGB32));
    tesk::frame::setRichTextImageSource([](const QString &) { return QImage(); });
    EXPECT_TRUE(
        QTextDocument::defaultResourceProvider()(QUrl(QStringLiteral("ended-padlock"))).isValid());
    EXPECT_EQ(asked, 0);

    // Ended: the library's provider, which may be unloaded next, is no longer asked.
    tesk::frame::setRichTextImageSource(nullptr);
    EXPECT_FALSE(
        QTextDocument::defaultResourceProvider()(QUrl(QStringLiteral("ended-padlock"))).isValid());
    EXPECT_EQ(asked, 1);
    QTextDocument::setDefaultResourceProvider(before);
}
