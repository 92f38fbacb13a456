// CuiSimpleAbout: the host's texts, the installation's notices shown as written, and the
// splash toggle.
#include "../frame/services/scopedenv.h"
#include "modalanswers.h"
#include "nonregularfiles.h"
#include "testhost.h"

#include "dialogs/aboutdialog.h"

#include <tesk/tesk_dialogs.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

using testhost::ModalAnswers;

class About : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    void writeNotice(const char *name, const QByteArray &text) const
    {
        QDir(m_install.path()).mkpath(QStringLiteral("etc"));
        QFile file(m_install.filePath(QStringLiteral("etc/") + QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // Shows the about box and answers what it showed in its additional field.
    QString shownAdditional(const char *additional)
    {
        QString shown;
        m_answers.setHandler([&](const ModalAnswers::Request &request) {
            auto *dialog = qobject_cast<AboutDialog *>(request.widget.data());
            ASSERT_TRUE(dialog);
            shown = dialog->additionalEdit->toPlainText();
            m_noticeLine =
                dialog->textLabel10->isVisibleTo(dialog) && !dialog->textLabel10->text().isEmpty();
            dialog->accept();
        });
        EXPECT_EQ(CuiSimpleAbout("b", "c", "unused", additional), 0);
        return shown;
    }

    QTemporaryDir m_install;
    // Whether the box said that other makers' notices are listed.
    bool m_noticeLine = false;
    ScopedEnv m_env{"KSODEBUG_INSTALL", m_install.path().toLocal8Bit().constData()};
    ModalAnswers m_answers;
};

TEST_F(About, WithoutNoticesOnlyTheHostsTextLineByLine)
{
    EXPECT_EQ(tesk::dialogs::collectNotices(), QString());
    EXPECT_EQ(shownAdditional("first\nsecond <b>bold</b>"), QStringLiteral("first\nsecond bold"));
    EXPECT_FALSE(m_noticeLine) << "a line about notices that are not there";
    ScopedEnv unset("KSODEBUG_INSTALL", nullptr);
    EXPECT_EQ(tesk::dialogs::collectNotices(), QString());
}

TEST_F(About, AMegabyteOfAdditionalTextIsCut)
{
    QByteArray huge;
    while (huge.size() < 1024 * 1024)
        huge += "additional\n";
    const QString shown = shownAdditional(huge.constData());
    EXPECT_LE(shown.size(), 64 * 1024 + 8);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("[...]"))) << qPrintable(shown.right(20));
}

TEST_F(About, NoticesByFileNameShownAsWritten)
{
    writeNotice("b.lic", "# licence header\nB <one> & two\n#\n\nend\n");
    writeNotice("a.lic", "A line\n");
    writeNotice("c.txt", "not a notice\n");
    const QString etc = QDir::toNativeSeparators(m_install.filePath(QStringLiteral("etc")));
    EXPECT_EQ(tesk::dialogs::collectNotices(),
              QStringLiteral("<h2>Third Party Copyright Messages</h2><p>") + QStringLiteral("<b>") +
                  etc + QStringLiteral("/a.lic</b><br>A line<br><br>") + QStringLiteral("<b>") +
                  etc + QStringLiteral("/b.lic</b><br>B &lt;one&gt; &amp; two<br><br>end<br><br>"));
    const QString shown = shownAdditional("host");
    EXPECT_TRUE(shown.startsWith(QStringLiteral("host"))) << qPrintable(shown);
    EXPECT_TRUE(shown.contains(QStringLiteral("B <one> & two"))) << qPrintable(shown);
    EXPECT_TRUE(m_noticeLine);
}

// A notice named like one that is no regular file (a link to a pipe or a device) is not read:
// the pipe would be waited on and a device read for ever.
TEST_F(About, NoticesComeFromRegularFilesOnly)
{
    writeNotice("a.lic", "A line\n");
    const QString etc = m_install.filePath(QStringLiteral("etc"));
    const testfiles::FedPipe pipe(etc + QStringLiteral("/pipe"), "pipe notice\n");
    ASSERT_TRUE(QFile::link(etc + QStringLiteral("/pipe"), etc + QStringLiteral("/p.lic")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), etc + QStringLiteral("/n.lic")));
    const QString notices = tesk::dialogs::collectNotices();
    EXPECT_TRUE(notices.contains(QStringLiteral("A line"))) << qPrintable(notices);
    EXPECT_FALSE(notices.contains(QStringLiteral("p.lic"))) << qPrintable(notices);
    EXPECT_FALSE(notices.contains(QStringLiteral("n.lic"))) << qPrintable(notices);
}

TEST_F(About, HostTextsAndNoFileTheyName)
{
    const QString image = m_install.filePath(QStringLiteral("picture.png"));
    QImage(40, 40, QImage::Format_RGB32).save(image);
    const QByteArray additional = "<img src=\"" + image.toLocal8Bit() + "\">";
    QString build;
    QString copyright;
    QVariant loaded;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<AboutDialog *>(request.widget.data());
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("about_box"));
        build = dialog->buildLabel->text();
        copyright = dialog->copyrightLabel->text();
        dialog->grab();
        loaded = dialog->additionalEdit->document()->resource(
            QTextDocument::ImageResource, QUrl(QString::fromLocal8Bit(image.toLocal8Bit())));
        dialog->accept();
    });
    EXPECT_EQ(CuiSimpleAbout("Build <7>", nullptr, nullptr, additional.constData()), 0);
    EXPECT_EQ(build, QStringLiteral("Build <7>"));
    EXPECT_EQ(copyright, QString());
    EXPECT_EQ(loaded.value<QImage>().size(), QSize(1, 1)) << "the picture the host named was read";
}

TEST_F(About, ControlDoubleClickTogglesTheSplash)
{
    AboutDialog dialog;
    dialog.show();
    QTest::mouseDClick(&dialog, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dialog.splash(), nullptr) << "without Control";
    QTest::mouseDClick(&dialog, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    ASSERT_NE(dialog.splash(), nullptr);
    EXPECT_TRUE(dialog.splash()->isVisible());
    QTest::mouseDClick(&dialog, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    EXPECT_EQ(dialog.splash(), nullptr);

    QPointer<QWidget> splash;
    {
        AboutDialog second;
        second.show();
        QTest::mouseDClick(&second, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
        splash = second.splash();
        ASSERT_TRUE(splash);
    }
    EXPECT_TRUE(splash.isNull()) << "the splash outlived its about box";
}

} // namespace

TEST_F(About, AnUnbrokenCopyrightLineWrapsWithinTheScreen)
{
    // 64 KiB without a space: the labels wrap anywhere in it, and the box keeps its frame
    // within the free area of its screen.
    const QByteArray line(64 * 1024, 'c');
    QRect frame;
    QRect free;
    bool wraps = false;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<AboutDialog *>(request.widget.data());
        ASSERT_TRUE(dialog);
        frame = dialog->frameGeometry();
        free = dialog->screen()->availableGeometry();
        wraps = dialog->copyrightLabel->wordWrap();
        dialog->accept();
    });
    EXPECT_EQ(CuiSimpleAbout(line.constData(), line.constData(), "unused", "more"), 0);
    EXPECT_TRUE(wraps);
    EXPECT_TRUE(free.contains(frame)) << frame.width() << "x" << frame.height();
    // Every character is still there, a break allowed between some of them.
    QString broken = tesk::dialogs::breakableAnywhere(QString::fromLatin1(line));
    EXPECT_GT(broken.size(), line.size());
    EXPECT_EQ(broken.remove(QChar(0x200B)), QString::fromLatin1(line));
}
