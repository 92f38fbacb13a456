#pragma once

#include <QApplication>
#include <QString>

namespace tesk::system {
class SingleInstance;
}

// An application that can tell whether another instance with the same id is running, and
// make itself findable by later instances.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QtSingleApplication(const QString &id, int &argc, char **argv);
    ~QtSingleApplication() override;

    QString id() const;
    bool isRunning() const;
    // Whether another instance is running, found and this one made findable in one step (see
    // SingleInstance::claim); initialize then only connects the messages.
    bool claim();
    // The start ends within the load: the next start takes up this one's claim (see
    // SingleInstance::keepForNextStart).
    void keepClaimForNextStart();
    // Makes this instance findable; a second call does nothing.
    void initialize(bool activate = true);
    bool isInitialized() const;
    // The window that another instance's message brings to the front; none by default.
    virtual QWidget *mainWidget() const;

public Q_SLOTS:
    bool sendMessage(const QString &message, int timeout = 5000);
    void activateMainWidget();

Q_SIGNALS:
    void messageReceived(const QString &message);

protected:
    // Text that another instance sent; the default turns it into messageReceived.
    virtual void receiveMessage(const QString &message);

private:
    tesk::system::SingleInstance *m_instance;
    bool m_initialized = false;
};
