#pragma once
// The dockable window that holds views as tabs, and its tab widget (tabs at the bottom).

#include <QIcon>
#include <QTabWidget>
#include <QWidget>

#include <cstdint>

class AView;
class KPaneTabBar;
class KPaneTabWidget;

// A pane made by the views manager; deleted when closed. Going, it tells the views manager
// to forget it.
class KPane : public QWidget
{
    Q_OBJECT

public:
    explicit KPane(QWidget *parent = nullptr, const char *name = nullptr,
                   Qt::WindowFlags flags = {});
    ~KPane() override;

    virtual int addTab(QWidget *page, const QIcon &icon, const QString &label);
    virtual int addTab(QWidget *page, const QString &label);
    void showView(QWidget *view);

    KPaneTabWidget *tabWidget() const { return m_tabWidget; }
    uint64_t paneId() const { return m_paneId; }
    void setPaneId(uint64_t id) { m_paneId = id; }

public slots:
    void slotCurrentChanged(QWidget *page);

private:
    KPaneTabWidget *m_tabWidget;
    uint64_t m_paneId = 0;
};

class KPaneTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    KPaneTabWidget(KPane *pane, const char *name = nullptr);

    KPane *pane() const { return m_pane; }
    KPaneTabBar *paneTabBar() const { return m_tabBar; }
    // The page that is the view with that id, or null.
    AView *viewById(uint64_t id) const;

private:
    KPane *m_pane;
    KPaneTabBar *m_tabBar;
};
