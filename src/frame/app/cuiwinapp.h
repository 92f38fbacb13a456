#pragma once

#include "frame/app/qtsingleapplication.h"

// The library's application object. Other instances only need to find it: text they send is
// read and dropped, never turned into messageReceived.
class CuiWinApp : public QtSingleApplication
{
    Q_OBJECT

public:
    CuiWinApp(const QString &id, int &argc, char **argv);
    // The current main window.
    QWidget *mainWidget() const override;

protected:
    void receiveMessage(const QString &message) override;
};
