#pragma once

#include <tesk/tesk_app.h>

#include <QObject>

class QTimer;

// Calls the host's idle function every 100 ms from the event loop.
class UIIdle : public QObject
{
    Q_OBJECT

public:
    explicit UIIdle(QObject *parent = nullptr);
    ~UIIdle() override;

    void setIdleFunction(CuiIdleFn fn) { m_idleFunction = fn; }
    CuiIdleFn idleFunction() const { return m_idleFunction; }

private Q_SLOTS:
    void idleProcessing();

private:
    QTimer *m_timer;
    CuiIdleFn m_idleFunction = nullptr;
};
