#pragma once

#include <QLabel>

#include <memory>

class CuiProgressPrivate;

// The busy indicator of a status bar: a ball that bounces along the label, one step each time
// the host ticks it, behind an optional text.
class CuiProgress : public QLabel
{
    Q_OBJECT

public:
    explicit CuiProgress(QWidget *parent = nullptr, const char *name = nullptr,
                         Qt::WindowFlags flags = {});
    ~CuiProgress() override;

    QString text() const;
    int position() const;
    int lastStep() const;
    bool isRunning() const;

public slots:
    void setText(const QString &text);
    virtual void tick();
    virtual void start();
    virtual void stop();

protected:
    virtual void redraw();
    virtual void drawBall(QPainter *painter, int x, int y, int width, int height);
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawHorizontal(QPainter *painter);
    void drawVertical(QPainter *painter);

    std::unique_ptr<CuiProgressPrivate> d;
};
