#include "frame/app/splashscreen.h"

#include "system/regularfile.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QScreen>

// Resources of a static library must be registered by name before first use.
static void initialiseFrameResources()
{
    Q_INIT_RESOURCE(frameimages);
}

namespace {

constexpr int kMinimumShowTime = 500;
constexpr int kShowTime = 6000;
constexpr int kPaintTime = 500;
// A start-up picture of a few screens' worth; a larger file is no such picture.
constexpr qint64 kMaxPictureBytes = 16 << 20;

// Guarded: CuiRun deletes every window still open, the splash among them.
QPointer<SplashScreen> g_splash;

struct BuiltInImage
{
    const char *name;
    const char *resource;
    int colours;
    bool alpha;
};

// One picture: 640 by 480 in 256 colours, no alpha channel.
const BuiltInImage kBuiltInImages[] = {
    {"kso", ":/tesk/images/splash.png", 256, false},
};

QImage makeImage(const BuiltInImage &entry)
{
    initialiseFrameResources();
    QImage image(QString::fromLatin1(entry.resource));
    if (image.isNull())
        return image;
    if (entry.alpha)
        return image.convertToFormat(QImage::Format_ARGB32);
    image = image.convertToFormat(QImage::Format_Indexed8);
    if (image.colorCount() > entry.colours)
        image.setColorCount(entry.colours);
    return image;
}

} // namespace

QImage SplashScreen::builtInImage(const QString &name)
{
    static QHash<QString, QImage> cache;
    const auto cached = cache.constFind(name);
    if (cached != cache.constEnd())
        return *cached;
    for (const BuiltInImage &entry : kBuiltInImages) {
        if (name == QLatin1String(entry.name))
            return *cache.insert(name, makeImage(entry));
    }
    return QImage();
}

SplashScreen::SplashScreen(const char *imageName, const QString &installDir)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::X11BypassWindowManagerHint)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    const QPixmap picture = pictureFor(imageName, installDir);
    m_size = picture.size();
    m_buffer = new QPixmap(m_size);
    resize(m_size);
    centreOnScreen();

    if (!picture.isNull()) {
        QPainter painter(m_buffer);
        painter.drawPixmap(0, 0, picture);
        const QRect edge(0, 0, m_size.width() - 1, m_size.height() - 1);
        painter.setPen(Qt::black);
        painter.drawRect(edge);
        painter.setPen(Qt::white);
        painter.drawRect(edge.adjusted(1, 1, -1, -1));
    }
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

SplashScreen::~SplashScreen()
{
    delete m_buffer;
}

QPixmap SplashScreen::pictureFor(const char *imageName, const QString &installDir)
{
    QByteArray bytes;
    if (!installDir.isNull() &&
        tesk::system::readRegular(installDir + QStringLiteral("/bin/splash.png"), kMaxPictureBytes,
                                  bytes)) {
        QPixmap picture;
        if (picture.loadFromData(bytes))
            return picture;
    }
    return QPixmap::fromImage(builtInImage(QString::fromLatin1(imageName ? imageName : "")));
}

void SplashScreen::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), m_size);
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void SplashScreen::hideAfter(int milliseconds)
{
    m_hideTimer.start(qMax(milliseconds, kMinimumShowTime));
}

int SplashScreen::hideDelay() const
{
    return m_hideTimer.interval();
}

bool SplashScreen::isHidePending() const
{
    return m_hideTimer.isActive();
}

QSize SplashScreen::pictureSize() const
{
    return m_size;
}

void SplashScreen::mousePressEvent(QMouseEvent *)
{
    hide();
}

void SplashScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, *m_buffer);
}

void SplashScreen::showSplash(const char *imageName, const QString &installDir)
{
    if (!g_splash)
        g_splash = new SplashScreen(imageName, installDir);
    g_splash->show();
    g_splash->hideAfter(kShowTime);
    QCoreApplication::processEvents(QEventLoop::AllEvents, kPaintTime);
}

void SplashScreen::removeSplash()
{
    if (!g_splash)
        return;
    g_splash->hide();
    delete g_splash.data();
}

SplashScreen *SplashScreen::current()
{
    return g_splash;
}
