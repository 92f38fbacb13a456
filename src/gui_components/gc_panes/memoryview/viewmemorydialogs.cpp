#include "gui_components/gc_panes/memoryview/viewmemorydialogs.h"

#include "frame/core/services.h"
#include "gui_components/gc_panes/memory/bridgekso.h"
#include "system/modalseam.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpacerItem>

namespace {

constexpr Qt::WindowFlags kDialogFlags =
    Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::CustomizeWindowHint;

void setUpDialog(QDialog *dialog, const char *name, const char *fallback, bool modal,
                 Qt::WindowFlags flags)
{
    dialog->setObjectName(QString::fromLatin1(name ? name : fallback));
    dialog->setWindowFlags(flags | Qt::Dialog | kDialogFlags);
    dialog->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    dialog->setSizeGripEnabled(false);
    dialog->setModal(modal);
}

void sizeAtLeast(QDialog *dialog, QSize size)
{
    dialog->resize(size.expandedTo(dialog->minimumSizeHint()));
}

// A number in C notation ("0x" hexadecimal, a leading "0" octal, else decimal).
bool readNumber(const QString &text, qlonglong &value)
{
    bool ok = false;
    value = text.trimmed().toLongLong(&ok, 0);
    return ok;
}

UMemoryAddress evaluate(int target, const QString &text)
{
    return KGcp_Bridge_KSO::instance()->textToAddress(target, text.trimmed().toStdString());
}

template<typename Widget>
Widget *named(QWidget *parent, const char *name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

KViewMemoryDialog_Fill::KViewMemoryDialog_Fill(QWidget *parent, const char *name, bool modal,
                                               Qt::WindowFlags flags)
    : QDialog(parent)
{
    setUpDialog(this, name, "KViewMemoryDialog_Fill", modal, flags);
    m_layout = new QGridLayout(this);
    m_layout->setObjectName(QStringLiteral("layoutMain_"));
    m_layout->setContentsMargins(3, 3, 3, 3);
    m_layout->setSpacing(6);
    m_layout->setSizeConstraint(QLayout::SetMinimumSize);
    m_startLabel = named<QLabel>(this, "labelStartAddress_");
    m_startEdit = named<QLineEdit>(this, "lineEditStartAddress_");
    m_endRadio = named<QRadioButton>(this, "radioButtonEndAddress_");
    m_endEdit = named<QLineEdit>(this, "lineEditEndAddress_");
    m_lengthRadio = named<QRadioButton>(this, "radioButtonLength_");
    m_lengthEdit = named<QLineEdit>(this, "lineEditLength_");
    m_sizeLabel = named<QLabel>(this, "labelFillSize_");
    // Its own name: sharing the length edit's would make the two indistinguishable.
    m_sizeCombo = named<QComboBox>(this, "comboBoxFillSize_");
    m_expressionLabel = named<QLabel>(this, "labelExpression_");
    m_expressionEdit = named<QLineEdit>(this, "lineeditExpression_");
    m_okButton = named<QPushButton>(this, "buttonOk_");
    m_cancelButton = named<QPushButton>(this, "buttonCancel_");
    m_helpButton = named<QPushButton>(this, "buttonHelp_");
    // The radio buttons are kept exclusive by the toggle slots, not by a group.
    m_endRadio->setAutoExclusive(false);
    m_lengthRadio->setAutoExclusive(false);
    m_endRadio->setChecked(true);
    m_lengthEdit->setEnabled(false);
    m_sizeCombo->addItems({QString(), QString(), QString(), QString()});
    m_expressionEdit->setMinimumWidth(250);
    m_okButton->setDefault(true);

    m_layout->addWidget(m_startLabel, 0, 0);
    m_layout->addWidget(m_startEdit, 0, 1, 1, 4);
    m_layout->addWidget(m_endRadio, 1, 0);
    m_layout->addWidget(m_endEdit, 1, 1, 1, 4);
    m_layout->addWidget(m_lengthRadio, 2, 0);
    m_layout->addWidget(m_lengthEdit, 2, 1, 1, 4);
    m_layout->addWidget(m_sizeLabel, 3, 0);
    m_layout->addWidget(m_sizeCombo, 3, 1, 1, 4);
    m_layout->addWidget(m_expressionLabel, 4, 0);
    m_layout->addWidget(m_expressionEdit, 5, 0, 1, 5);
    m_layout->addWidget(m_okButton, 7, 2);
    m_layout->addWidget(m_cancelButton, 7, 3);
    m_layout->addWidget(m_helpButton, 7, 4);

    connect(m_endRadio, &QRadioButton::toggled, this,
            qOverload<bool>(&KViewMemoryDialog_Fill::slotToggleEndAddress));
    connect(m_lengthRadio, &QRadioButton::toggled, this,
            qOverload<bool>(&KViewMemoryDialog_Fill::slotToggleLength));
    connect(m_endEdit, &QLineEdit::textChanged, this,
            &KViewMemoryDialog_Fill::slotEndAddressChanged);
    connect(m_lengthEdit, &QLineEdit::textChanged, this,
            &KViewMemoryDialog_Fill::slotLengthChanged);
    connect(m_okButton, &QPushButton::clicked, this, &KViewMemoryDialog_Fill::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &KViewMemoryDialog_Fill::reject);
    connect(m_helpButton, &QPushButton::clicked, this, &KViewMemoryDialog_Fill::slotHelp);
    languageChange();
    sizeAtLeast(this, QSize(250, 140));
}

KViewMemoryDialog_Fill::~KViewMemoryDialog_Fill() = default;

void KViewMemoryDialog_Fill::languageChange()
{
    setWindowTitle(tr("Fill Memory"));
    m_startLabel->setText(tr("Start address:"));
    m_endRadio->setText(tr("End Address:"));
    m_lengthRadio->setText(tr("Length:"));
    m_sizeLabel->setText(tr("Fill size:"));
    const QStringList sizes = {tr("Default"), tr("8 bits"), tr("16 bits"), tr("32 bits")};
    for (int i = 0; i < sizes.size(); ++i)
        m_sizeCombo->setItemText(i, sizes[i]);
    m_expressionLabel->setText(tr("Expression:"));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
    m_helpButton->setText(tr("Help"));
}

void KViewMemoryDialog_Fill::setStartAddress(const QString &text)
{
    m_startEdit->setText(text);
}

void KViewMemoryDialog_Fill::setEndAddress(const QString &text)
{
    m_endEdit->setText(text);
    updateLengthFromEndAddress();
}

QString KViewMemoryDialog_Fill::startAddress() const
{
    return m_startEdit->text();
}

QString KViewMemoryDialog_Fill::endAddress() const
{
    return m_endEdit->text();
}

QString KViewMemoryDialog_Fill::length() const
{
    return m_lengthEdit->text();
}

QString KViewMemoryDialog_Fill::expression() const
{
    return m_expressionEdit->text();
}

bool KViewMemoryDialog_Fill::isEndAddressSelected() const
{
    return m_endRadio->isChecked();
}

int KViewMemoryDialog_Fill::fillSize() const
{
    return m_sizeCombo->currentIndex();
}

void KViewMemoryDialog_Fill::updateLengthFromEndAddress()
{
    const UMemoryAddress start = evaluate(targetId, m_startEdit->text());
    const UMemoryAddress end = evaluate(targetId, m_endEdit->text());
    if (!start.isValid() || !end.isValid())
        return;
    if (!(start > end) && start.isSameSpace(end))
        m_lengthEdit->setText(QString::number(end.offset() - start.offset()));
    else
        m_lengthEdit->clear();
}

void KViewMemoryDialog_Fill::updateEndAddressFromLength()
{
    const UMemoryAddress start = evaluate(targetId, m_startEdit->text());
    qlonglong length = 0;
    if (!start.isValid() || !readNumber(m_lengthEdit->text(), length))
        return;
    m_endEdit->setText(QString::fromStdString(
        KGcp_Bridge_KSO::instance()->addressToText(targetId, start + int64_t(length))));
}

void KViewMemoryDialog_Fill::keepOneChoice(QRadioButton *unchecked, QRadioButton *other)
{
    // Without a group a click unchecks the checked choice; one of the two must stay checked,
    // or OK would take the range as a length.
    if (other->isChecked())
        return;
    const QSignalBlocker blocker(unchecked);
    unchecked->setChecked(true);
}

void KViewMemoryDialog_Fill::slotToggleEndAddress(bool on)
{
    if (!on) {
        keepOneChoice(m_endRadio, m_lengthRadio);
        return;
    }
    m_lengthRadio->setChecked(false);
    m_lengthEdit->setEnabled(false);
    m_endEdit->setEnabled(true);
    updateEndAddressFromLength();
    m_endEdit->setFocus();
}

void KViewMemoryDialog_Fill::slotToggleEndAddress()
{
    slotToggleEndAddress(true);
}

void KViewMemoryDialog_Fill::slotToggleLength(bool on)
{
    if (!on) {
        keepOneChoice(m_lengthRadio, m_endRadio);
        return;
    }
    m_endRadio->setChecked(false);
    m_endEdit->setEnabled(false);
    m_lengthEdit->setEnabled(true);
    updateLengthFromEndAddress();
    m_lengthEdit->setFocus();
}

void KViewMemoryDialog_Fill::slotToggleLength()
{
    slotToggleLength(true);
}

void KViewMemoryDialog_Fill::slotEndAddressChanged(const QString &)
{
    if (m_endEdit->hasFocus())
        updateLengthFromEndAddress();
}

void KViewMemoryDialog_Fill::slotLengthChanged(const QString &)
{
    if (m_lengthEdit->hasFocus())
        updateEndAddressFromLength();
}

void KViewMemoryDialog_Fill::slotHelp()
{
    tesk::core::helpServices().showHelp(738, 10);
}

QString KViewMemoryDialog_Fill::checkRange() const
{
    const UMemoryAddress start = evaluate(targetId, m_startEdit->text());
    QString message;
    if (!start.isValid())
        message += tr("The start address is not valid.\n");
    if (isEndAddressSelected()) {
        const UMemoryAddress end = evaluate(targetId, m_endEdit->text());
        // An end that does not evaluate or lies in another space is no end above the start.
        if (!end.isValid() || !end.isSameSpace(start) || end.offset() <= start.offset())
            message += tr("The end address should be greater than the start address.\n");
        return message;
    }
    qlonglong length = 0;
    if (!readNumber(m_lengthEdit->text(), length))
        message += tr("The length is not valid.\n");
    else if (length <= 0)
        message += tr("The length cannot be null.\n");
    return message;
}

void KViewMemoryDialog_Fill::accept()
{
    QString message = checkRange();
    if (m_expressionEdit->text().isEmpty())
        message += tr("You must give an expression.\n");
    if (message.isEmpty()) {
        QDialog::accept();
        return;
    }
    tesk::system::ModalSeam::messageBox(this, QMessageBox::Critical, tr("Error"),
                                        tr("Error on fill memory.\n") + message, QMessageBox::Ok,
                                        QMessageBox::Ok);
}

KViewMemoryDialog_updatePeriod::KViewMemoryDialog_updatePeriod(QWidget *parent, const char *name,
                                                               bool modal, Qt::WindowFlags flags)
    : QDialog(parent)
{
    setUpDialog(this, name, "KViewMemoryDialog_updatePeriod", modal, flags);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("KViewMemoryDialog_updatePeriodLayout"));
    grid->setContentsMargins(11, 11, 11, 11);
    grid->setSpacing(6);
    auto *row = new QHBoxLayout;
    row->setObjectName(QStringLiteral("layout6"));
    row->setSpacing(6);
    m_label = named<QLabel>(this, "labelPeriod_");
    m_edit = named<QLineEdit>(this, "lineeditPeriod_");
    row->addWidget(m_label);
    row->addWidget(m_edit);
    grid->addLayout(row, 0, 0);
    auto *buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("layoutButtons_"));
    buttons->setSpacing(6);
    m_okButton = named<QPushButton>(this, "buttonOk_");
    m_cancelButton = named<QPushButton>(this, "buttonCancel_");
    buttons->addWidget(m_okButton);
    buttons->addItem(new QSpacerItem(198, 21, QSizePolicy::Expanding, QSizePolicy::Minimum));
    buttons->addWidget(m_cancelButton);
    grid->addLayout(buttons, 1, 0);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    languageChange();
    sizeAtLeast(this, QSize(201, 78));
}

KViewMemoryDialog_updatePeriod::~KViewMemoryDialog_updatePeriod() = default;

void KViewMemoryDialog_updatePeriod::languageChange()
{
    setWindowTitle(tr("Timed Update Period"));
    m_label->setText(tr("Interval in seconds: "));
    m_okButton->setText(tr("OK"));
    m_cancelButton->setText(tr("Cancel"));
}

void KViewMemoryDialog_updatePeriod::setPeriod(int seconds)
{
    m_edit->setText(QString::number(seconds));
}

int KViewMemoryDialog_updatePeriod::period() const
{
    bool ok = false;
    const int value = m_edit->text().trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}
