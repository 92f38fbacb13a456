#include "dialogs/mappingentrydlg.h"

#include "dialogs/dialogframe.h"
#include "dialogs/ksodialogs_common.h"
#include "frame/core/buttonfit.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace tesk::dialogs {

QString askSearchDirectory(QWidget *parent)
{
    const QString chosen = chooseExistingDirectory(
        QStringLiteral("/home"), parent, QStringLiteral("get existing directory"),
        QCoreApplication::translate("mappingEntryDlgBase", "Choose a directory"), true, true);
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

} // namespace tesk::dialogs

namespace {

void browseInto(QWidget *dialog, QLineEdit *field)
{
    const QString chosen = tesk::dialogs::askSearchDirectory(dialog);
    if (!chosen.isEmpty())
        field->setText(chosen);
}

} // namespace

MappingEntryDlg::MappingEntryDlg(QWidget *parent, const QString &original, const QString &mapped,
                                 const char *name, bool modal, Qt::WindowFlags flags)
    : mappingEntryDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
{
    // Picture-only buttons: square, at the height the form gave them.
    fitButtonToText(origBrowsePB, QChar());
    fitButtonToText(mappBrowsePB, QChar());
    if (!original.isEmpty())
        originalLE->setText(original);
    if (!mapped.isEmpty())
        mappedLE->setText(mapped);
    // A mapping of nothing to nothing maps no path: OK, and Return with it, wait for a text.
    const auto refuseEmptyPair = [this] {
        buttonOK->setEnabled(!originalLE->text().isEmpty() || !mappedLE->text().isEmpty());
    };
    connect(originalLE, &QLineEdit::textChanged, this, refuseEmptyPair);
    connect(mappedLE, &QLineEdit::textChanged, this, refuseEmptyPair);
    refuseEmptyPair();
}

QString MappingEntryDlg::original() const
{
    return originalLE->text();
}

QString MappingEntryDlg::mapped() const
{
    return mappedLE->text();
}

void MappingEntryDlg::origBrowseSlot()
{
    browseInto(this, originalLE);
}

void MappingEntryDlg::mappBrowseSlot()
{
    browseInto(this, mappedLE);
}
