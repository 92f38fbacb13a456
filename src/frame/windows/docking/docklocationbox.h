#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Asks where around the code area a floating dock window goes: left (0), right (1) or
// bottom (2). Nothing is preselected; accepting without a choice means left.
class DockLocationBox : public QDialog
{
    Q_OBJECT

public:
    enum Area { Left = 0, Right = 1, Bottom = 2 };

    DockLocationBox(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags = {});

    int chosenArea() const { return m_area; }
    QCheckBox *doNotAskAgain() const { return m_doNotAsk; }
    QRadioButton *areaButton(int area) const;

protected:
    virtual void languageChange();

private slots:
    void AreaSelect(int area);

private:
    int m_area = Left;
    QLabel *m_text;
    QGroupBox *m_group;
    QButtonGroup *m_buttons;
    QRadioButton *m_radios[3];
    QCheckBox *m_doNotAsk;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
