#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRgb>
#include <QWidget>

class QToolButton;

// The strip of small buttons for a dock window's title: an indicator in the window's colour,
// then the file, view and close buttons. It stands across its dock window's orientation
// (17 pixels) and stretches along it; a press into it focuses the dock window.
class DockButtons : public QWidget
{
    Q_OBJECT

public:
    explicit DockButtons(QWidget *parent = nullptr);

    // Horizontal when the parent dock window lies in a top or bottom area or floats,
    // vertical in a left or right one.
    Qt::Orientation orientation() const;
    void setColour(QRgb colour);
    const QPixmap &indicator() const { return m_indicator; }
    void setIndicatorShown(bool shown);
    bool isIndicatorShown() const { return m_showIndicator; }

    QSize minimumSizeHint() const override;

    QToolButton *closeButton() const { return m_close; }
    QToolButton *viewButton() const { return m_view; }
    QToolButton *fileButton() const { return m_file; }
    QToolButton *indicatorButton() const { return m_indicatorButton; }

signals:
    void closeButtonClicked();
    void viewButtonClicked();
    void fileButtonClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void applyOrientation();

    QToolButton *m_close = nullptr;
    QToolButton *m_view = nullptr;
    QToolButton *m_file = nullptr;
    QToolButton *m_indicatorButton = nullptr;
    QPoint m_pressed;
    bool m_showIndicator = true;
    QPixmap m_indicator;
};
