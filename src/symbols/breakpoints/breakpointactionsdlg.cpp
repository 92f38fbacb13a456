#include "symbols/breakpoints/breakpointactionsdlg.h"

#include "dialogs/dialogframe.h"
#include "frame/core/cuifunctionregistry.h"
#include "frame/core/cuihandles.h"
#include "system/modalseam.h"

#include <tesk/tesk_registry.h>

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>

#include <cstring>
#include <vector>

namespace {

// The host writes its window names, one a line, into a buffer of this size.
constexpr int kWindowListSize = 2048;

struct ActionKind
{
    int id;
    const char *keyword;
};

// Windows the host lists that an action cannot update.
bool isExcludedWindow(const QString &name)
{
    static const QStringList excluded = {QStringLiteral("OldRegisters"),
                                         QStringLiteral("OldMemory"), QStringLiteral("Editor"),
                                         QStringLiteral("User")};
    return excluded.contains(name, Qt::CaseSensitive);
}

// An argument as the row quotes it; a text that is not enclosed in quotes is taken whole, so
// that OK without a change gives the row back as it was.
QString unquoted(const QString &value)
{
    const QChar quote(QLatin1Char('"'));
    if (value.size() >= 2 && value.front() == quote && value.back() == quote)
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

class BreakpointActionsDlgPrivate
{
public:
    std::vector<ActionKind> kinds;
    QString result;
    intptr_t vdata = 0;
    bool editMode = false;
    bool polished = false;
};

BreakpointActionsDlg::BreakpointActionsDlg(QWidget *parent, const char *name, bool modal,
                                           Qt::WindowFlags flags)
    : BreakpointActionsDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
    , d(std::make_unique<BreakpointActionsDlgPrivate>())
{
}

BreakpointActionsDlg::~BreakpointActionsDlg() = default;

void BreakpointActionsDlg::setVdata(intptr_t vdata)
{
    d->vdata = vdata;
}

void BreakpointActionsDlg::setText(const QString &text)
{
    d->result = text;
}

void BreakpointActionsDlg::setEditMode(bool edit)
{
    d->editMode = edit;
}

QString BreakpointActionsDlg::text() const
{
    return d->result;
}

bool BreakpointActionsDlg::event(QEvent *event)
{
    const bool handled = BreakpointActionsDlgBase::event(event);
    if (event->type() == QEvent::Polish && !d->polished) {
        d->polished = true;
        d->kinds = {{0, "WinUpdate"}, {1, "Message"}};
        fillWindowList();
        if (d->editMode)
            presetFromText();
        else
            selectFirstRows();
        adjustSize();
    }
    return handled;
}

void BreakpointActionsDlg::fillWindowList()
{
    const auto gui =
        CuiFunctionRegistry::instance()->function<CuiHostEntryFn>(QStringLiteral("gui"));
    if (!gui) {
        tesk::system::ModalSeam::messageBox(
            this, QMessageBox::Critical, tr("Critical Error"),
            tr("The entry point for the 'gui' interface could not be found."), QMessageBox::Ok,
            QMessageBox::Ok);
        return;
    }
    char buffer[kWindowListSize] = {};
    const auto handle = reinterpret_cast<intptr_t>(tesk::handles::add(this));
    if (gui(4, handle, d->vdata, buffer, kWindowListSize - 1) != 0)
        return;
    QStringList names = QString::fromUtf8(buffer, qsizetype(strnlen(buffer, sizeof buffer - 1)))
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    names.sort(Qt::CaseSensitive);
    windowListLB->addItem(tr("All"));
    for (const QString &name : qAsConst(names)) {
        if (!isExcludedWindow(name))
            windowListLB->addItem(name);
    }
}

void BreakpointActionsDlg::selectFirstRows()
{
    actionsLB->setCurrentRow(0);
    if (windowListLB->count() > 0)
        windowListLB->setCurrentRow(0);
}

void BreakpointActionsDlg::presetFromText()
{
    const int equals = d->result.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? d->result : d->result.left(equals);
    const QString value = equals < 0 ? QString() : d->result.mid(equals + 1);
    selectFirstRows();
    if (name.isEmpty() || value.isEmpty())
        return;
    for (const ActionKind &kind : d->kinds) {
        if (name != QLatin1String(kind.keyword))
            continue;
        actionsLB->setCurrentRow(kind.id);
        if (kind.id == 1) {
            messageEF->setText(unquoted(value));
            return;
        }
        // The window the row names; a case-insensitive prefix only when none has that name.
        const QString window = unquoted(value);
        QList<QListWidgetItem *> found =
            windowListLB->findItems(window, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found.isEmpty())
            found = windowListLB->findItems(window, Qt::MatchStartsWith);
        if (!found.isEmpty())
            windowListLB->setCurrentItem(found.first());
        return;
    }
}

void BreakpointActionsDlg::accept()
{
    if (actionsLB->currentRow() == 1) {
        d->result = QStringLiteral("Message=\"%1\"").arg(messageEF->text());
    } else {
        const QListWidgetItem *window = windowListLB->currentItem();
        d->result = QStringLiteral("WinUpdate=\"%1\"").arg(window ? window->text() : QString());
    }
    BreakpointActionsDlgBase::accept();
}

void BreakpointActionsDlg::addActionSlot()
{
    qWarning("BreakpointActionsDlg::addActionSlot() not yet implemented!");
    emit addAction(QString());
}

void BreakpointActionsDlg::actionChangedSlot() {}
