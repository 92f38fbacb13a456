#pragma once

#include <QComboBox>
#include <QTimer>

namespace tesk::core {

// An editable history of addresses or expressions takes what is typed as it stands: the
// toolkit's completer would turn a typed address that begins an older one into that one.
// Call it again after every change to editable, which brings a new completer.
void takeTypedTextAsItStands(QComboBox *combo);

} // namespace tesk::core

// The editable combo box of the find toolbar and the dialogs: typing completes the text inline
// from the list, case-sensitively, with the completed rest selected so that typing on replaces
// it. Made non-editable, it selects entries by typed prefixes within a short type-ahead window.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    ComboBox(QWidget *parent, const char *name);

    // The first item from start on (wrapping once) whose text begins with prefix; -1 for none.
    int completionIndex(const QString &prefix, int start) const;
    bool isTypeAheadRunning() const { return m_typeAhead.isActive(); }

    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void childEvent(QChildEvent *event) override;

public slots:
    void setCurrentItem(int index);

private:
    static bool isNavigationKey(int key);
    void completeInline();
    void typeAhead(const QString &typed);
    void resetCompletion();

    QTimer m_typeAhead;
    qint32 m_start = 0;
    bool m_pending = false;
};
