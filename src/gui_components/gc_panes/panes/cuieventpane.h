#pragma once

#include "gui_components/gc_panes/panes/abstractpane.h"

#include <memory>

class CuiEventPanePrivate;
class QListWidget;

// A diagnostic pane: one line per debugger event that reaches it, so that the stream of host
// events can be watched. It keeps no state and no window box.
class CuiEventPane : public AbstractPane
{
    Q_OBJECT

public:
    // The host's events would otherwise grow the list for as long as it runs; the oldest
    // lines go first.
    static constexpr int kMaxLines = 2000;

    explicit CuiEventPane(QWidget *parent = nullptr, const char *name = nullptr,
                          Qt::WindowFlags flags = {});
    ~CuiEventPane() override;

    void setPersistData(const char *text) override;
    int getPersistData(unsigned length, char *buffer) override;
    void processCommand(CuiPaneOutputFn output, void *outputContext, const QStringList &arguments,
                        QString &result) override;
    void eventGeneral(int argument) override;
    void eventStop(int argument) override;
    void eventStart(int argument) override;
    void eventDead(int argument) override;
    void eventConnectionChanged(int connection) override;
    void eventScope(int argument) override;
    void eventMemoryModified(int argument) override;
    void eventRegisterModified(int argument) override;
    void eventChipModified(int argument) override;
    void eventInstructionBreak(int argument) override;
    void setWindBox(TeskHandle handle) override;
    TeskHandle windBox() override;

    QListWidget *listBox() const;

private:
    void appendLine(const QString &line);

    std::unique_ptr<CuiEventPanePrivate> d;
};

// A new event pane without a parent, or null.
CuiEventPane *createEventPane();
