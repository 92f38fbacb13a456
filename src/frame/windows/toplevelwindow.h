#pragma once

#include <tesk/tesk_global.h>

#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMap>

#include <memory>

class TeskPopupMenu;
class TopLevelWindowPrivate;

// A window of its own beside the main windows: a menu bar the host fills through the window
// exports, a central area the host draws into, and a size callback that hears of focus,
// resizing and the end of the window.
class TopLevelWindow : public QMainWindow
{
    Q_OBJECT

public:
    // (context, rectangle left, top, width, height, code 0 close, 1 resize, 2 focus)
    using SizeCallback = void (*)(TeskHandle context, int *rect, int code);
    using MenuCallback = void (*)(TeskHandle context, int id, void *data);
    // (context, the popup's window id, the popup's data word)
    using AboutToShowCallback = void (*)(TeskHandle context, TeskHandle windowId, void *data);

    // A menu item the window can turn into an action: texts, icon and accelerator.
    struct MenuItemRecord
    {
        QString text;
        QString description;
        QKeySequence accelerator;
        QIcon icon;
    };

    TopLevelWindow(TeskHandle hostData, TeskHandle ignored, const QString &caption,
                   SizeCallback sizeCallback, TeskHandle sizeContext);
    ~TopLevelWindow() override;

    // Returns the new popup's window id.
    WId addMenu(const QString &text, void *data);
    // False when no menu was added yet.
    bool addSeparator();
    void addMenuItem(int id, const QString &text, void *data);
    void setMenuCallback(int word, MenuCallback callback, TeskHandle context);
    void setMenuContext(TeskHandle context);
    // The host's menu callbacks once it runs separate top-level windows: popups ask the first
    // before they show, items answer through the second.
    void setHostMenuCallbacks(AboutToShowCallback aboutToShow, MenuCallback activate,
                              TeskHandle context);
    void markNextMenuForBar();
    // The width, or the height without the menu bar.
    int extent(bool width) const;

    // The caption is also the name the window is raised by; the caption "Synchronization
    // Control" also brings that window's icon and menu-item records, when given at creation or
    // later.
    void setCaption(const QString &caption);
    WId nativeHandle() const;
    TeskHandle hostData() const;
    QString name() const;
    TeskPopupMenu *currentPopup() const;
    TeskPopupMenu *currentTopPopup() const;
    TeskHandle sizeContext() const;
    void setSizeContext(TeskHandle context);
    TeskHandle menuContext() const;
    const QMap<int, MenuItemRecord> &menuItemRecords() const;

public slots:
    void MenuExecution(int id, void *data);

signals:
    void removeMe(TopLevelWindow *window);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void notifySize(int code, bool sized);
    void enterSyncRecords();
    void popupAboutToShow(TeskPopupMenu *popup);

    std::unique_ptr<TopLevelWindowPrivate> d;
};
