#pragma once

#include "dialogs/dialoghelp.h"
#include "dialogs/listselectiondlgbase.h"

#include <QList>
#include <QStringList>

#include <memory>

class ListSelectionDlgPrivate;

// Picks one entry of a list, or ticks several of a check list, under a descriptive text.
// Entries may carry a leading marker: '=' selects (or ticks) the entry, '-' and '!' are only
// dropped. Items can only be appended; the mode is set before them.
class ListSelectionDlg : public ListSelectionDlgBase
{
    Q_OBJECT

public:
    explicit ListSelectionDlg(QWidget *parent = nullptr, const char *name = nullptr,
                              bool modal = false, Qt::WindowFlags flags = {});
    ~ListSelectionDlg() override;

    void setCaption(const QString &caption);
    void setDescription(const QString &text);
    void setMultiSelection(bool on);
    bool isMultiSelection() const;
    void setHelpId(int id);
    void setHelpFunction(CuiHelpFunction function);

    void setItems(const QStringList &entries);
    // A plain entry after the last one; nothing in multi-selection mode.
    void addItem(const QString &text);

    QString currentText() const;
    // The current entry's position among all entries, or -1.
    int currentIndex() const;
    // Out of range: nothing happens.
    void setCurrentIndex(int position);
    void setItemSelected(int position, bool state);
    // Appends the positions of the ticked entries in list order; true when any is ticked.
    bool checkedPositions(QList<int> &positions) const;

public slots:
    void helpSlot() override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void languageChange() override;

private:
    void polishDialog();
    void fitColumn();

    std::unique_ptr<ListSelectionDlgPrivate> d;
};
