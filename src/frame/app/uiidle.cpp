#include "frame/app/uiidle.h"

#include <QTimer>

UIIdle::UIIdle(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &UIIdle::idleProcessing);
    m_timer->start(100);
}

UIIdle::~UIIdle()
{
    m_timer->stop();
}

void UIIdle::idleProcessing()
{
    if (m_idleFunction)
        m_idleFunction();
}
