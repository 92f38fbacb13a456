#include "dialogs/aboutdialog.h"

#include "dialogs/dialogframe.h"
#include "frame/core/cuitextutils.h"
#include "frame/core/hosttext.h"
#include "frame/core/services.h"
#include "system/regularfile.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

class AboutDialogPrivate
{
public:
    QString buildText;
    QString copyrightText;
    QString additionalText;
    QString noticeText;
    std::unique_ptr<QWidget> splash;
};

namespace tesk::dialogs {

namespace {

QString installFolder()
{
    return qEnvironmentVariableIsSet("KSODEBUG_INSTALL") ? qEnvironmentVariable("KSODEBUG_INSTALL")
                                                         : QString();
}

// A notice is a page or two of licence text; a larger file is no notice.
constexpr qint64 kMaxNoticeBytes = 1 << 20;

// One file's part of the notices; empty when it is no regular file of notice size.
QString noticeOf(const QString &path)
{
    QByteArray bytes;
    if (!tesk::system::readRegular(path, kMaxNoticeBytes, bytes))
        return QString();
    QString text = QLatin1String("<b>") + tesk::core::escapeMarkup(QDir::toNativeSeparators(path)) +
                   QLatin1String("</b><br>");
    QTextStream in(bytes);
    QString line;
    while (in.readLineInto(&line)) {
        if (!line.startsWith(u'#'))
            text += tesk::core::escapeMarkup(line) + QLatin1String("<br>");
    }
    return text + QLatin1String("<br>");
}

// A word longer than this many characters may break anywhere.
constexpr int kLongestWord = 40;

} // namespace

QString breakableAnywhere(const QString &text)
{
    QString broken;
    broken.reserve(text.size() + text.size() / kLongestWord);
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWord) {
            broken += QChar(0x200B);
            run = 1;
        }
        broken += c;
    }
    return broken;
}

QString collectNotices()
{
    const QString install = installFolder();
    if (install.isNull())
        return QString();
    const QDir etc(install + QLatin1String("/etc"));
    if (!etc.exists())
        return QString();
    QString notices;
    const QStringList files = etc.entryList({QStringLiteral("*.lic")}, QDir::Files, QDir::Name);
    for (const QString &name : files) {
        const QString notice = noticeOf(etc.absoluteFilePath(name));
        if (notice.isEmpty())
            continue;
        if (notices.isEmpty())
            notices = AboutDialog::tr("<h2>Third Party Copyright Messages</h2><p>");
        notices += notice;
    }
    return notices;
}

} // namespace tesk::dialogs

AboutDialog::AboutDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : AboutDialogBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
    , d(std::make_unique<AboutDialogPrivate>())
{
    // The host's texts may be of any length: wrapped, and scrolled once they are longer than
    // the box shows, so the box stays on the screen.
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("textsScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *holder = new QWidget(scroll);
    auto *column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(texts->spacing());
    for (QLabel *label : {buildLabel, copyrightLabel}) {
        texts->removeWidget(label);
        label->setWordWrap(true);
        column->addWidget(label);
    }
    column->addStretch();
    scroll->setWidget(holder);
    textRow->removeItem(texts);
    delete texts;
    texts = nullptr;
    textRow->insertWidget(0, scroll, 1);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::setBuildText(const QString &text)
{
    d->buildText = text;
}

void AboutDialog::setCopyrightText(const QString &text)
{
    d->copyrightText = text;
}

void AboutDialog::setAdditionalText(const QString &text)
{
    d->additionalText = text;
}

QWidget *AboutDialog::splash() const
{
    return d->splash.get();
}

bool AboutDialog::event(QEvent *event)
{
    const bool handled = AboutDialogBase::event(event);
    if (event->type() == QEvent::Polish)
        fill();
    return handled;
}

void AboutDialog::fill()
{
    d->noticeText = tesk::dialogs::collectNotices();
    buildLabel->setText(tesk::dialogs::breakableAnywhere(d->buildText));
    copyrightLabel->setText(tesk::dialogs::breakableAnywhere(d->copyrightText));
    if (!d->noticeText.isEmpty())
        d->additionalText = tr("<p>") + d->additionalText + QLatin1String("<p>") + d->noticeText;
    // The line points at the notices in the field: without any it would point at nothing.
    textLabel10->setVisible(!d->noticeText.isEmpty());
    pixmapLabel4->setVisible(!d->noticeText.isEmpty());
    QString shown = d->additionalText;
    shown.replace(u'\n', QLatin1String("<br>"));
    additionalEdit->setHtml(shown);
}

void AboutDialog::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return;
    if (d->splash) {
        d->splash.reset();
        return;
    }
    const QString install = tesk::dialogs::installFolder();
    d->splash.reset(tesk::core::frameServices().createSplash("kso", install));
    if (d->splash)
        d->splash->show();
}
