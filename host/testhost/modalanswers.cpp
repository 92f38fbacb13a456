#include "modalanswers.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace testhost {

using tesk::system::ModalSeam;

namespace {

constexpr int kWatchdogMs = 5000;
constexpr int kWatchIntervalMs = 250;
// The answers made last that still live: only they watch, so that one window left waiting is
// one failure.
ModalAnswers *g_innermost = nullptr;
// An animated click (the escape button of the library's own box) ends its box a moment later.
constexpr int kSettleMs = 1000;

QString withoutMnemonics(QString text)
{
    return text.remove(QLatin1Char('&'));
}

QAbstractButton *findButton(QWidget *widget, const QString &name)
{
    const QList<QAbstractButton *> buttons = widget->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->objectName() == name || withoutMnemonics(button->text()) == name)
            return button;
    }
    return nullptr;
}

void waitUntilHidden(const QPointer<QWidget> &widget)
{
    QElapsedTimer timer;
    timer.start();
    while (widget && widget->isVisible() && timer.elapsed() < kSettleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void endWidget(QWidget *widget)
{
    if (auto *dialog = qobject_cast<QDialog *>(widget))
        dialog->reject();
    else
        widget->close();
}

} // namespace

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

ModalAnswers::ModalAnswers()
{
    m_previous = ModalSeam::setResponder([this](const Request &request) { respond(request); });
    m_outer = std::exchange(g_innermost, this);
    m_lastRequest.start();
    m_watchdog.setInterval(kWatchIntervalMs);
    QObject::connect(&m_watchdog, &QTimer::timeout, [this] { watch(); });
    m_watchdog.start();
}

ModalAnswers::~ModalAnswers()
{
    g_innermost = m_outer;
    ModalSeam::setResponder(m_previous);
}

ModalAnswers &ModalAnswers::click(const QString &button)
{
    m_steps.push_back({Step::Click, button, QString()});
    return *this;
}

ModalAnswers &ModalAnswers::type(const QString &edit, const QString &text)
{
    m_steps.push_back({Step::Type, edit, text});
    return *this;
}

ModalAnswers &ModalAnswers::escape()
{
    m_steps.push_back({Step::Escape, QString(), QString()});
    return *this;
}

ModalAnswers &ModalAnswers::close()
{
    m_steps.push_back({Step::Close, QString(), QString()});
    return *this;
}

void ModalAnswers::respond(const Request &request)
{
    m_lastRequest.restart();
    m_seen.push_back({request.kind, request.caption, request.text});
    if (request.kind == ModalSeam::Kind::Menu) {
        respondByDefault(request);
        return;
    }
    const QPointer<QWidget> widget = request.widget;
    while (widget && widget->isVisible() && !m_steps.empty()) {
        const Step step = m_steps.front();
        m_steps.pop_front();
        if (!take(step, widget)) {
            endWidget(widget);
            return;
        }
    }
    if (widget && widget->isVisible())
        respondByDefault(request);
}

bool ModalAnswers::take(const Step &step, QWidget *widget)
{
    const QPointer<QWidget> guard = widget;
    switch (step.kind) {
    case Step::Click:
        if (QAbstractButton *button = findButton(widget, step.target)) {
            button->click();
            return true;
        }
        ADD_FAILURE() << "no button \"" << qPrintable(step.target) << "\" in \""
                      << qPrintable(widget->windowTitle()) << "\"";
        return false;
    case Step::Type: {
        auto *edit = widget->findChild<QLineEdit *>(step.target);
        if (!edit) {
            ADD_FAILURE() << "no line edit \"" << qPrintable(step.target) << "\" in \""
                          << qPrintable(widget->windowTitle()) << "\"";
            return false;
        }
        edit->clear();
        typeText(edit, step.text);
        return true;
    }
    case Step::Escape:
        QTest::keyClick(widget, Qt::Key_Escape);
        waitUntilHidden(guard);
        return true;
    case Step::Close:
        widget->close();
        return true;
    }
    return false;
}

void ModalAnswers::respondByDefault(const Request &request)
{
    if (auto *box = qobject_cast<QMessageBox *>(request.widget.data())) {
        QAbstractButton *button =
            m_button != QMessageBox::NoButton ? box->button(m_button) : box->escapeButton();
        if (!button)
            button = box->defaultButton();
        if (button) {
            button->click();
            return;
        }
        box->reject();
        return;
    }
    if (m_handler) {
        m_handler(request);
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(request.widget.data()))
        dialog->reject();
    else if (auto *menu = qobject_cast<QMenu *>(request.widget.data()))
        menu->close();
}

// The timer runs inside every modal loop, whoever answers it.
void ModalAnswers::watch()
{
    QWidget *widget = QApplication::activePopupWidget();
    if (!widget)
        widget = QApplication::activeModalWidget();
    if (g_innermost != this)
        widget = nullptr;
    if (widget != m_waiting) {
        m_waiting = widget;
        m_waitingSince.restart();
        return;
    }
    if (widget && m_waitingSince.elapsed() >= kWatchdogMs && m_lastRequest.elapsed() >= kWatchdogMs)
        watchdogExpired();
}

void ModalAnswers::watchdogExpired()
{
    // Innermost first, so that each one's loop can end; a widget that will not end is left
    // after a bounded number of tries.
    for (int tries = 0; tries < 16; ++tries) {
        QWidget *widget = QApplication::activePopupWidget();
        if (!widget)
            widget = QApplication::activeModalWidget();
        if (!widget)
            return;
        ADD_FAILURE() << "a modal window (\"" << qPrintable(widget->windowTitle())
                      << "\") was still waiting " << kWatchdogMs / 1000 << " s after the last "
                      << "answer; rejected";
        endWidget(widget);
        QCoreApplication::processEvents();
    }
    // A window that would not end is reported again after another spell.
    m_waiting = nullptr;
}

} // namespace testhost
