#include "gui_components/gc_panes/panes/cuieventpane.h"

#include <QListWidget>
#include <QVBoxLayout>

#include <new>

class CuiEventPanePrivate
{
public:
    QListWidget *listBox = nullptr;
};

CuiEventPane::CuiEventPane(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : AbstractPane(parent, name, flags)
    , d(std::make_unique<CuiEventPanePrivate>())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    d->listBox = new QListWidget(this);
    d->listBox->setObjectName(QStringLiteral("CuiEventPane::listbox"));
    // Every line is one line high: scrolling to the last one needs no measuring of the rest.
    d->listBox->setUniformItemSizes(true);
    layout->addWidget(d->listBox);
}

CuiEventPane::~CuiEventPane() = default;

QListWidget *CuiEventPane::listBox() const
{
    return d->listBox;
}

void CuiEventPane::appendLine(const QString &line)
{
    if (d->listBox->count() >= kMaxLines)
        delete d->listBox->takeItem(0);
    d->listBox->addItem(line);
    const int last = d->listBox->count() - 1;
    d->listBox->setCurrentRow(last);
    d->listBox->scrollToItem(d->listBox->item(last));
}

void CuiEventPane::setPersistData(const char *) {}

int CuiEventPane::getPersistData(unsigned, char *)
{
    return 0;
}

void CuiEventPane::processCommand(CuiPaneOutputFn, void *, const QStringList &, QString &) {}

void CuiEventPane::eventGeneral(int)
{
    appendLine(QStringLiteral("eventGeneral"));
}

void CuiEventPane::eventStop(int)
{
    appendLine(QStringLiteral("eventStop"));
}

void CuiEventPane::eventStart(int)
{
    appendLine(QStringLiteral("eventStart"));
}

void CuiEventPane::eventDead(int)
{
    appendLine(QStringLiteral("eventDead"));
}

void CuiEventPane::eventConnectionChanged(int connection)
{
    // The connection is a 32-bit word: shown as such, also when its top bit is set.
    appendLine(QStringLiteral("eventConnectionChanged to 0x%1")
                   .arg(static_cast<quint32>(connection), 8, 16));
}

void CuiEventPane::eventScope(int)
{
    appendLine(QStringLiteral("eventScope"));
}

void CuiEventPane::eventMemoryModified(int)
{
    appendLine(QStringLiteral("eventMemoryModified"));
}

void CuiEventPane::eventRegisterModified(int)
{
    appendLine(QStringLiteral("eventRegisterModified"));
}

void CuiEventPane::eventChipModified(int)
{
    appendLine(QStringLiteral("eventChipModified"));
}

void CuiEventPane::eventInstructionBreak(int)
{
    appendLine(QStringLiteral("eventInstructionBreak"));
}

void CuiEventPane::setWindBox(TeskHandle handle)
{
    AbstractPane::setWindBox(handle);
}

TeskHandle CuiEventPane::windBox()
{
    return AbstractPane::windBox();
}

CuiEventPane *createEventPane()
{
    return new (std::nothrow) CuiEventPane;
}
