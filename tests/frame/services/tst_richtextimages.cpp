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
