#include <glyphon/kmediatordisplay.h>

#include <QDialog>
#include <QMenu>
#include <QWidget>

#include <utility>

namespace {

KMediator_Display::ModalRunner &modalRunner()
{
    static KMediator_Display::ModalRunner runner;
    return runner;
}

} // namespace

KMediator_Display::KMediator_Display(QObject *parent)
    : QObject(parent)
{
}

KMediator_Display::~KMediator_Display() = default;

KMediator_Display *KMediator_Display::get_Instance()
{
    static KMediator_Display instance;
    return &instance;
}

KMediator_Display::ModalRunner KMediator_Display::set_modalRunner(ModalRunner runner)
{
    return std::exchange(modalRunner(), std::move(runner));
}

int KMediator_Display::runModal(QDialog *dialog)
{
    if (modalRunner())
        return modalRunner()(dialog);
    return dialog->exec();
}

void KMediator_Display::set_parentWnd(QWidget *parent)
{
    m_parent = parent;
}

QWidget *KMediator_Display::get_parentWnd() const
{
    return m_parent;
}

void KMediator_Display::set_menu(QMenu *menu)
{
    m_menu = menu;
}

QMenu *KMediator_Display::get_menu() const
{
    return m_menu;
}

void KMediator_Display::set_inPlaceEditGeometry(int left, int top, int right, int bottom)
{
    m_editGeometry = QRect(QPoint(left, top), QPoint(right, bottom));
}
