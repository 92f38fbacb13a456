#include "frame/app/qtsingleapplication.h"

#include "system/singleinstance.h"

#include <QWidget>

QtSingleApplication::QtSingleApplication(const QString &id, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_instance(new tesk::system::SingleInstance(id, this))
{
}

QtSingleApplication::~QtSingleApplication() = default;

QString QtSingleApplication::id() const
{
    return m_instance->id();
}

bool QtSingleApplication::isRunning() const
{
    return m_instance->isRunning();
}

bool QtSingleApplication::claim()
{
    return m_instance->claim();
}

void QtSingleApplication::keepClaimForNextStart()
{
    m_instance->keepForNextStart();
}

void QtSingleApplication::initialize(bool activate)
{
    if (m_initialized)
        return;
    m_initialized = true;
    m_instance->listen();
    connect(m_instance, &tesk::system::SingleInstance::messageReceived, this,
            &QtSingleApplication::receiveMessage);
    if (activate)
        connect(this, &QtSingleApplication::messageReceived, this,
                &QtSingleApplication::activateMainWidget);
}

bool QtSingleApplication::isInitialized() const
{
    return m_initialized;
}

bool QtSingleApplication::sendMessage(const QString &message, int timeout)
{
    return m_instance->sendMessage(message, timeout);
}

QWidget *QtSingleApplication::mainWidget() const
{
    return nullptr;
}

void QtSingleApplication::activateMainWidget()
{
    // Not the active window: while the application is in the background there is none.
    QWidget *main = mainWidget();
    if (!main)
        return;
    main->raise();
    main->activateWindow();
}

void QtSingleApplication::receiveMessage(const QString &message)
{
    Q_EMIT messageReceived(message);
}
