#pragma once

#include "dialogs/entryhelp.h"
#include "dialogs/simpleentrypddlgbase.h"

#include <QStringList>

#include <memory>

// One line of text under a message, typed or picked from a drop-down list; typing adds
// nothing to the list.
class SimpleEntryPDDlg : public SimpleEntryPDDlgBase
{
    Q_OBJECT

public:
    explicit SimpleEntryPDDlg(QWidget *parent = nullptr, const char *name = nullptr,
                              bool modal = false, Qt::WindowFlags flags = {});
    ~SimpleEntryPDDlg() override;

    void setMessage(const QString &text);
    void setValue(const QString &text);
    QString getValue() const;
    void setOkText(const QString &text);
    void setHelpId(int id);
    void setHelpFunction(CuiHelpFunction function);
    // Appends to the drop-down list.
    void setItems(const QStringList &items);

public slots:
    void helpSlot();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<EntryHelp> m_help;
};
