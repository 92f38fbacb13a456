#pragma once

#include "dialogs/entryhelp.h"
#include "dialogs/simpleentrydlgbase.h"

#include <memory>

// One line of text under a message with the information icon.
class SimpleEntryDlg : public SimpleEntryDlgBase
{
    Q_OBJECT

public:
    explicit SimpleEntryDlg(QWidget *parent = nullptr, const char *name = nullptr,
                            bool modal = false, Qt::WindowFlags flags = {});
    ~SimpleEntryDlg() override;

    void setMessage(const QString &text);
    void setValue(const QString &text);
    QString getValue() const;
    void setOkText(const QString &text);
    void setHelpId(int id);
    void setHelpFunction(CuiHelpFunction function);

public slots:
    void helpSlot() override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<EntryHelp> m_help;
};
