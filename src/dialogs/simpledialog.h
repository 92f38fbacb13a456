#pragma once

#include "dialogs/qsdirecords.h"

#include <tesk/tesk_dialogs.h>

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>

class QButtonGroup;
class QAbstractButton;
class QGridLayout;
class QLineEdit;
class QTextEdit;

// A button the dialog made from the host's description: its code and what a click does.
struct QSDIButton
{
    int code;
    int role;
};

// An id whose button calls the host back.
struct QSDIEvent
{
    int id;
};

// The window of a host-described dialog: caption, optional standard icon, message, one control
// of the description's kind (a line entry, a question check box or a find and replace panel)
// and a row of buttons. The description is read only while the dialog is built; the entry,
// toggle and find records and the callback data are used in place while it lives. A dialog left
// up (modes 1 and 2) writes 0 into the first word of its callback data once, when it goes:
// ended, closed, or deleted with its window.
class SimpleDialog : public QDialog
{
    Q_OBJECT

public:
    SimpleDialog(const QSDIDescription &description, const QMap<int, QString> &labels,
                 QWidget *parent);
    ~SimpleDialog() override;

    int mode() const { return m_mode; }

public slots:
    void slotHandleEvent(int code);
    void slotSearchBChecked(bool on);
    void slotStopTBChecked(bool on);
    void slotRegExpChecked(bool on);
    void slotInsensChecked(bool on);
    void slotQuestionChecked(bool on);

    void done(int result) override;

protected:
    bool event(QEvent *event) override;

private:
    QString label(int code, const QString &fallback) const;
    void takeTexts(const QSDITexts *texts);
    void addButtons(const QSDIButtonNode *first);
    void addButton(QGridLayout *layout, int row, int column, int code);
    // Into the button group, its click standing for the code.
    void enterButton(QAbstractButton *button, int code);
    void addIcon(int icon);
    QTextEdit *messageView();
    void buildEntry();
    void buildQuestion();
    void buildFindReplace();
    QSDIFind *findRecord() const;
    void setFindOption(int bit, bool on);
    void writeEntry();
    void writeFindTexts();
    void lowerHostFlag();

    int m_kind;
    int m_icon;
    int m_mode;
    QString m_caption;
    QString m_message;
    QSDICallbackFn m_callback = nullptr;
    void *m_callbackData = nullptr;
    tesk::dialogs::RecordRef m_control;
    tesk::dialogs::RecordRef m_find;
    QButtonGroup *m_buttonGroup;
    QList<QSDIButton> m_buttons;
    QList<QSDIEvent> m_events;
    QMap<int, QString> m_labels;
    QGridLayout *m_mainLayout;
    QGridLayout *m_clientLayout = nullptr;
    QLineEdit *m_findEdit = nullptr;
    QLineEdit *m_replaceEdit = nullptr;
    QLineEdit *m_entryEdit = nullptr;
    bool m_hostFlagLowered = false;
};
