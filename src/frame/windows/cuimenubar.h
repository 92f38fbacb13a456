#pragma once

#include <QMenuBar>

// The menu bar of main windows. The old toolkit moved the input-method position with the
// menu bar's focus; this bar had to keep it still. The toolkit no longer does that, so the
// class only carries the name the menu code looks for.
class CuiMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    explicit CuiMenuBar(QWidget *mainWindow);
};
