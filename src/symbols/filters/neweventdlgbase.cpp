#include "symbols/filters/neweventdlgbase.h"

NewEventDlgBase::NewEventDlgBase(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QLatin1String(name));
    setModal(modal);
    setupUi(this);
    // The form creates each page with its contents; the dialog always made all pages first,
    // and the focus chain keeps the order that gave.
    QWidget::setTabOrder(groupBox1, WStackPage_3);
    QWidget::setTabOrder(checkIgnoreFileName, textLabel3_2_2);
    resize(size().expandedTo(minimumSizeHint()));
    connectSignals();
}

void NewEventDlgBase::connectSignals()
{
    connect(buttonOk, &QPushButton::clicked, this, &NewEventDlgBase::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &NewEventDlgBase::reject);
    connect(checkIgnoreFileName, &QCheckBox::clicked, this,
            [this] { On_checkIgnoreFileName_Click(); });
    connect(checkIgnoreProcessName, &QCheckBox::clicked, this,
            [this] { On_checkIgnoreProcessName_Click(); });
    connect(checkIgnoreModuleName, &QCheckBox::clicked, this,
            [this] { On_checkIgnoreModuleName_Click(); });
    connect(comboEventType, &QComboBox::activated, this, [this] { On_comboEventTypeActivated(); });
}

void NewEventDlgBase::languageChange()
{
    retranslateUi(this);
}

void NewEventDlgBase::accept()
{
    qWarning("NewEventDlgBase::accept(): Not implemented yet");
}

void NewEventDlgBase::reject()
{
    qWarning("NewEventDlgBase::reject(): Not implemented yet");
}

void NewEventDlgBase::On_checkIgnoreModuleName_Click()
{
    qWarning("NewEventDlgBase::On_checkIgnoreModuleName_Click(): Not implemented yet");
}

void NewEventDlgBase::On_checkIgnoreFileName_Click()
{
    qWarning("NewEventDlgBase::On_checkIgnoreFileName_Click(): Not implemented yet");
}

void NewEventDlgBase::On_checkIgnoreProcessName_Click()
{
    qWarning("NewEventDlgBase::On_checkIgnoreProcessName_Click(): Not implemented yet");
}

void NewEventDlgBase::On_comboEventTypeActivated()
{
    qWarning("NewEventDlgBase::On_comboEventTypeActivated(): Not implemented yet");
}
