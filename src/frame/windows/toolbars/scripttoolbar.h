#pragma once

#include "frame/menus/ksotoolbar.h"

#include <tesk/tesk_toolbars.h>

class QComboBox;
class QLabel;
class QToolButton;

// The user's include scripts: a list to choose from, and buttons to add files to it, remove
// the chosen one and run it, which hands the host the command that includes the file.
class ScriptToolBar : public KSOToolBar
{
    Q_OBJECT

public:
    // Script names are the paths shortened to this many characters.
    static constexpr int kNameLength = 35;

    ScriptToolBar(QWidget *parent, const QString &label, TeskHandle context);

    void setHostCallback(CuiScriptToolBarFn callback) { m_callback = callback; }
    QComboBox *scriptList() const { return m_scripts; }
    QToolButton *runButton() const { return m_runButton; }
    QToolButton *addButton() const { return m_addButton; }
    QToolButton *removeButton() const { return m_removeButton; }

protected slots:
    void languageChange();

private slots:
    void addScript();
    void delScript();
    void runScript();
    void updateList();

private:
    bool showsNone() const;
    void addNoneEntry();
    void fillList();
    QToolButton *addButton(const char *picture, void (ScriptToolBar::*slot)());

    CuiScriptToolBarFn m_callback = nullptr;
    QLabel *m_label = nullptr;
    QComboBox *m_scripts = nullptr;
    QToolButton *m_runButton = nullptr;
    QToolButton *m_addButton = nullptr;
    QToolButton *m_removeButton = nullptr;
    TeskHandle m_context;
};
