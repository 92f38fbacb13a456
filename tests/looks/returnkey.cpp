#include "returnkey.h"

#include "inspect.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <utility>

namespace looks {

QWidget *ReturnKey::firstFocus(QWidget *window)
{
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QCoreApplication::processEvents();
    }
    return window->focusWidget();
}

void ReturnKey::opened(const QWidget *window)
{
    m_opened << (window->windowTitle().isEmpty()
                     ? QString::fromLatin1(window->metaObject()->className())
                     : window->windowTitle());
}

void ReturnKey::press(QDialog *dialog, QWidget *firstFocus, const QString &name)
{
    QWidget *target = firstFocus ? firstFocus : dialog;
    if (dialog->focusWidget() != target && target != dialog)
        target->setFocus(Qt::OtherFocusReason);
    // The button whose press opens a window is the last one pressed before the window shows.
    QList<QMetaObject::Connection> watches;
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        watches << QObject::connect(button, &QPushButton::pressed,
                                    [this, button] { m_pressed = button; });
    const QPointer<QWidget> alive = target;
    const QString focusName = describe(target);
    m_pressed.clear();
    m_opened.clear();
    m_pressing = true;
    QTest::keyPress(target, Qt::Key_Return);
    if (alive)
        QTest::keyRelease(target, Qt::Key_Return);
    m_pressing = false;
    for (const QMetaObject::Connection &watch : std::as_const(watches))
        QObject::disconnect(watch);
    if (m_opened.isEmpty())
        return;
    const QString what = QStringLiteral("(%1): \"%2\"").arg(kReturnOpens, m_opened.join("\", \""));
    if (m_pressed)
        m_faults.add(name,
                     describe(m_pressed) + QStringLiteral(", pressed by Return from ") + focusName,
                     what);
    else
        m_faults.add(name, focusName, what);
}

} // namespace looks
