#pragma once
// The memory view as the views manager sees it. This is a stand-in until the memory view
// itself comes: it answers the manager's operations and keeps what it was asked, in order,
// so that the road from the host to a view can be followed.

#include "gui_components/gc_panes/aview.h"
#include "gui_components/gc_panes/memory/memoryaddress.h"

#include <QString>
#include <QStringList>

class QLabel;

class KViewMemory : public AView
{
    Q_OBJECT

public:
    explicit KViewMemory(const char *name = nullptr, Qt::WindowFlags flags = {});

    virtual void buildLayout(int mode);

    void setTarget(int target) override;
    void targetUpdated(int target, int flag) override;
    void refresh(int mode) override;
    void showAddress(const UMemoryAddress &address) override;
    void scrollToFraction(double fraction, bool preview) override;
    void scrollBy(int kind, int count) override;
    double scrollFraction() const override;
    void saveSettings(std::string &settings) override;
    void restoreSettings(const std::string &settings) override;
    void updateLayout(int mode) override;

    // The state a copy of the view takes over.
    int currentTargetId() const { return m_targetId; }
    void setCurrentTargetId(int id);
    bool isStartAddressValid() const { return !m_startAddress.isEmpty(); }
    QString startAddressText() const { return m_startAddress; }
    void setStartAddress(const QString &text, bool validate);
    int dataSizeId() const { return m_dataSizeId; }
    void setDataSizeId(int id);
    int formatId() const { return m_formatId; }
    void setFormatId(int id);
    int autoColumnCount() const { return m_autoColumnCount; }
    void setAutoColumnCount(int count);
    int columnsId() const { return m_columnsId; }
    void setColumnsId(int id);
    bool isAsciiViewShown() const { return m_asciiShown; }
    void setAsciiViewShown(bool shown);
    int dsmFormatId() const { return m_dsmFormatId; }
    void setDsmFormatId(int id);
    void updateDisassemblyMode();

    // What the view was asked, one line per call ("setTarget 3").
    const QStringList &calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

protected slots:
    void languageChange() override;

private:
    void note(const QString &call) { m_calls << call; }

    QLabel *m_label = nullptr;
    QStringList m_calls;
    std::string m_settings;
    int m_targetId = 0;
    QString m_startAddress;
    int m_dataSizeId = 0;
    int m_formatId = 0;
    int m_autoColumnCount = 0;
    int m_columnsId = 0;
    bool m_asciiShown = true;
    int m_dsmFormatId = 0;
};
