#pragma once

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The borderless picture in the middle of the screen while the debugger engine starts: the
// installation's bin/splash.png when there is one, else a picture built into the library.
class SplashScreen : public QWidget
{
    Q_OBJECT

public:
    SplashScreen(const char *imageName, const QString &installDir);
    ~SplashScreen() override;

    // Hides the splash after the time, but never sooner than half a second from now.
    void hideAfter(int milliseconds);
    int hideDelay() const;
    bool isHidePending() const;
    QSize pictureSize() const;

    // The splash of QtShowSplash: shown (created on the first request) or removed.
    static void showSplash(const char *imageName, const QString &installDir);
    static void removeSplash();
    static SplashScreen *current();

    // The built-in picture of a name; a name the library has none for gives a null image.
    static QImage builtInImage(const QString &name);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static QPixmap pictureFor(const char *imageName, const QString &installDir);
    void centreOnScreen();

    QPixmap *m_buffer = nullptr;
    QSize m_size;
    QTimer m_hideTimer;
};
