// The splash screen through its exports, and its picture.
#include "nonregularfiles.h"
#include "testhost.h"

#include "frame/app/splashscreen.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

class Splash : public ::testing::Test
{
protected:
    void TearDown() override { QtShowSplash(0, nullptr, nullptr); }
};

TEST_F(Splash, InstallationPictureOrBuiltIn)
{
    QTemporaryDir install;
    ASSERT_TRUE(QDir(install.path()).mkpath(QStringLiteral("bin")));
    QImage picture(200, 120, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(install.path() + QStringLiteral("/bin/splash.png")));

    QtShowSplash(1, "kso", install.path().toLocal8Bit().constData());
    ASSERT_NE(SplashScreen::current(), nullptr);
    EXPECT_EQ(SplashScreen::current()->size(), QSize(200, 120));
    EXPECT_TRUE(SplashScreen::current()->isVisible());
    QtShowSplash(0, nullptr, nullptr);
    EXPECT_EQ(SplashScreen::current(), nullptr);

    QTemporaryDir empty;
    QtShowSplash(1, "kso", empty.path().toLocal8Bit().constData());
    EXPECT_EQ(SplashScreen::current()->size(), QSize(640, 480));
}

// A picture that is no regular file is not read: the pipe would be waited on.
TEST_F(Splash, TheInstallationPictureIsARegularFile)
{
    QTemporaryDir install;
    ASSERT_TRUE(QDir(install.path()).mkpath(QStringLiteral("bin")));
    QImage picture(200, 120, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "PNG"));
    const testfiles::FedPipe pipe(install.path() + QStringLiteral("/bin/splash.png"), png);
    QtShowSplash(1, "kso", install.path().toLocal8Bit().constData());
    ASSERT_NE(SplashScreen::current(), nullptr);
    EXPECT_EQ(SplashScreen::current()->size(), QSize(640, 480));
}

TEST_F(Splash, BuiltInPictures)
{
    const QImage kso = SplashScreen::builtInImage(QStringLiteral("kso"));
    EXPECT_EQ(kso.size(), QSize(640, 480));
    EXPECT_EQ(kso.format(), QImage::Format_Indexed8);
    EXPECT_LE(kso.colorCount(), 256);
    EXPECT_FALSE(kso.hasAlphaChannel());
    EXPECT_TRUE(SplashScreen::builtInImage(QStringLiteral("none")).isNull());

    // An unknown name gives an empty splash, not a failure.
    QtShowSplash(1, "none", nullptr);
    ASSERT_NE(SplashScreen::current(), nullptr);
    EXPECT_TRUE(SplashScreen::current()->pictureSize().isEmpty());
}

TEST_F(Splash, OneSplashShownAtLeastHalfASecond)
{
    QtShowSplash(1, "kso", nullptr);
    SplashScreen *first = SplashScreen::current();
    EXPECT_EQ(first->hideDelay(), 6000);
    QtShowSplash(1, "kso", nullptr);
    EXPECT_EQ(SplashScreen::current(), first);

    first->hideAfter(100);
    EXPECT_EQ(first->hideDelay(), 500);
    EXPECT_TRUE(first->isHidePending());
    first->hideAfter(700);
    EXPECT_EQ(first->hideDelay(), 700);
}

TEST_F(Splash, ClickHidesButKeepsIt)
{
    QtShowSplash(1, "kso", nullptr);
    SplashScreen *splash = SplashScreen::current();
    QTest::mouseClick(splash, Qt::LeftButton);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(SplashScreen::current(), splash);
    // Shown again by the next request.
    QtShowSplash(1, "kso", nullptr);
    EXPECT_TRUE(splash->isVisible());
}

TEST_F(Splash, RemovingWithoutSplashAndMessagesAreHarmless)
{
    QtShowSplash(0, nullptr, nullptr);
    EXPECT_EQ(SplashScreen::current(), nullptr);
    CuiSetSplashMessage("Loading...");
    CuiSetSplashMessage(nullptr);
}

TEST_F(Splash, ASplashDeletedWithTheWindowsIsNotTouchedAgain)
{
    QtShowSplash(1, "kso", nullptr);
    // CuiRun deletes every window still open when its loop ends, the splash among them.
    delete SplashScreen::current();
    EXPECT_EQ(SplashScreen::current(), nullptr);
    QtShowSplash(0, nullptr, nullptr);
    QtShowSplash(1, "kso", nullptr);
    EXPECT_NE(SplashScreen::current(), nullptr);
}
