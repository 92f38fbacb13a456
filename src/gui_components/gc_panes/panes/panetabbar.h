#pragma once

#include <QTabBar>

// The tab bar of the tabbed pane frame. A press on a tab is reported after the press has been
// handled (by events the bar posts to itself): the left button reports the selection and lets
// the bar select the tab, the right button reports the selection, then asks for the tab's
// menu, and is consumed. Every tab's data holds its position.
class CuiKSOPaneTabBar : public QTabBar
{
    Q_OBJECT

public:
    enum PostedEvent { kSelectEvent = 1001, kContextMenuEvent = 1002 };

    explicit CuiKSOPaneTabBar(QWidget *parent = nullptr, const char *name = nullptr);

    // Inserts at index (-1 appends) and renumbers every tab; answers the inserted position.
    int insertTab(int index, const QString &text);
    // 0 removes a leading "* ", 1 and 2 add it once; other modes do nothing.
    void setTabModifyFlag(int index, int mode);
    void setTabExecuteFlag(int index, int flag);

signals:
    void contextMenuRequested(int index);
    void tabSelected(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    void renumber();
};
