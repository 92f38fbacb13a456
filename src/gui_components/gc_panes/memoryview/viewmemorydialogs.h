#pragma once
// The memory view's two small dialogs: the range, expression and size of a fill, and the
// period of the timed update. Neither touches memory; their callers read the entries back.

#include <QDialog>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class KViewMemoryDialog_Fill : public QDialog
{
    Q_OBJECT

public:
    KViewMemoryDialog_Fill(QWidget *parent = nullptr, const char *name = nullptr, bool modal = true,
                           Qt::WindowFlags flags = {});
    ~KViewMemoryDialog_Fill() override;

    // Addresses are evaluated for this target.
    int targetId = 0;

    void setStartAddress(const QString &text);
    // Also recomputes the length.
    void setEndAddress(const QString &text);
    QString startAddress() const;
    QString endAddress() const;
    QString length() const;
    QString expression() const;
    bool isEndAddressSelected() const;
    // 0 "Default", 1 "8 bits", 2 "16 bits", 3 "32 bits".
    int fillSize() const;

public slots:
    void accept() override;
    void slotToggleEndAddress(bool on);
    void slotToggleEndAddress();
    void slotToggleLength(bool on);
    void slotToggleLength();
    void slotHelp();
    void slotEndAddressChanged(const QString &text);
    void slotLengthChanged(const QString &text);

protected slots:
    virtual void languageChange();

private:
    void updateLengthFromEndAddress();
    void updateEndAddressFromLength();
    void keepOneChoice(QRadioButton *unchecked, QRadioButton *other);
    QString checkRange() const;

    QGridLayout *m_layout = nullptr;
    QLabel *m_startLabel = nullptr;
    QLineEdit *m_startEdit = nullptr;
    QRadioButton *m_endRadio = nullptr;
    QLineEdit *m_endEdit = nullptr;
    QRadioButton *m_lengthRadio = nullptr;
    QLineEdit *m_lengthEdit = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QComboBox *m_sizeCombo = nullptr;
    QLabel *m_expressionLabel = nullptr;
    QLineEdit *m_expressionEdit = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_helpButton = nullptr;
};

class KViewMemoryDialog_updatePeriod : public QDialog
{
    Q_OBJECT

public:
    KViewMemoryDialog_updatePeriod(QWidget *parent = nullptr, const char *name = nullptr,
                                   bool modal = true, Qt::WindowFlags flags = {});
    ~KViewMemoryDialog_updatePeriod() override;

    void setPeriod(int seconds);
    // The edit's decimal number, 0 when it does not read.
    int period() const;

protected slots:
    virtual void languageChange();

private:
    QLabel *m_label = nullptr;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
