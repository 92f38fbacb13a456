#include "dialogs/loadimagepanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

template<typename W, typename... Args>
W *named(const char *name, Args &&...args)
{
    auto *widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

loadimagepanel::loadimagepanel(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setObjectName(QString::fromLatin1(name ? name : "loadimagepanel"));
    buttonGroup1 = named<QGroupBox>("buttonGroup1", this);
    autoSetPCCB = named<QCheckBox>("autoSetPCCB", buttonGroup1);
    setPCToEntryCB = named<QCheckBox>("setPCToEntryCB", buttonGroup1);
    symbolsOnlyCB = named<QCheckBox>("symbolsOnlyCB", this);
    replaceExistingFilesCB = named<QCheckBox>("replaceExistingFilesCB", this);
    argumentsLabel = named<QLabel>("argumentsLabel", this);
    sectionsLabel = named<QLabel>("sectionsLabel", this);
    offsetLineEdit = named<QLineEdit>("offsetLineEdit", this);
    offsetLabel = named<QLabel>("offsetLabel", this);
    argumentsLineEdit = named<QLineEdit>("argumentsLineEdit", this);
    sectionsLineEdit = named<QLineEdit>("sectionsLineEdit", this);

    layout9 = named<QVBoxLayout>("layout9", buttonGroup1);
    layout9->addWidget(autoSetPCCB);
    layout9->addWidget(setPCToEntryCB);

    layout10 = named<QHBoxLayout>("layout10");
    layout10->addWidget(symbolsOnlyCB);
    layout10->addWidget(replaceExistingFilesCB);
    layout10->addStretch();

    layout10_2 = named<QGridLayout>("layout10_2");
    const struct
    {
        QLabel *label;
        QLineEdit *edit;
    } rows[] = {{argumentsLabel, argumentsLineEdit},
                {sectionsLabel, sectionsLineEdit},
                {offsetLabel, offsetLineEdit}};
    for (int row = 0; row < 3; ++row) {
        layout10_2->addWidget(rows[row].label, row, 0);
        layout10_2->addWidget(rows[row].edit, row, 1);
    }
    argumentsLabel->setBuddy(argumentsLineEdit);
    sectionsLabel->setBuddy(sectionsLineEdit);

    loadimagepanelLayout = named<QGridLayout>("loadimagepanelLayout", this);
    loadimagepanelLayout->addLayout(layout10, 0, 0);
    loadimagepanelLayout->addLayout(layout10_2, 1, 0);
    loadimagepanelLayout->addWidget(buttonGroup1, 0, 1, 2, 1);
    languageChange();

    autoSetPCCB->setChecked(true);
    setPCToEntryCB->setChecked(true);
    replaceExistingFilesCB->setChecked(true);
    connect(replaceExistingFilesCB, &QCheckBox::stateChanged, this,
            &loadimagepanel::updateOnReplaceExistingFilesStateChange);
    connect(autoSetPCCB, &QCheckBox::stateChanged, this,
            &loadimagepanel::updateOnAutoSetPCStateChanged);
    connect(symbolsOnlyCB, &QCheckBox::stateChanged, this,
            &loadimagepanel::updateOnSymbolsOnlyStateChange);
}

void loadimagepanel::languageChange()
{
    setWindowTitle(tr("Load Image Panel"));
    buttonGroup1->setTitle(tr("PC"));
    autoSetPCCB->setText(tr("&Auto-Set PC"));
    setPCToEntryCB->setText(tr("Set &PC to Entry point"));
    symbolsOnlyCB->setText(tr("&Symbols Only"));
    replaceExistingFilesCB->setText(tr("&Replace Existing Files"));
    argumentsLabel->setText(tr("A&rguments:"));
    sectionsLabel->setText(tr("S&ections:"));
    offsetLabel->setText(tr("Offset:"));
}

void loadimagepanel::updateOnReplaceExistingFilesStateChange(int state)
{
    if (autoSetPCCB->isChecked())
        setPCToEntryCB->setChecked(state == Qt::Checked);
}

void loadimagepanel::updateOnAutoSetPCStateChanged(int state)
{
    if (state) {
        setPCToEntryCB->setEnabled(false);
        if (replaceExistingFilesCB->isChecked())
            setPCToEntryCB->setChecked(true);
    } else {
        setPCToEntryCB->setEnabled(true);
    }
}

void loadimagepanel::updateOnSymbolsOnlyStateChange(int state)
{
    if (state == Qt::Checked) {
        setPCToEntryCB->setEnabled(true);
        setPCToEntryCB->setChecked(false);
        autoSetPCCB->setChecked(false);
    } else {
        setPCToEntryCB->setEnabled(false);
        autoSetPCCB->setChecked(true);
        setPCToEntryCB->setChecked(replaceExistingFilesCB->isChecked());
    }
}
