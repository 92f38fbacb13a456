#pragma once

#include <QLabel>

// The one tool tip the host can place anywhere on the screen and take away again.
class CuiToolTip : public QLabel
{
    Q_OBJECT

public:
    CuiToolTip(QWidget *parent, const QString &text);

    // Replaces the tool tip shown, if any, by one with the text at a global position.
    static void showAt(QWidget *parent, const QString &text, int x, int y);
    static void hideTip();
    static CuiToolTip *shown();
};
