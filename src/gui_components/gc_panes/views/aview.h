#pragma once
// The base of every view that the views manager places in a pane's tabs.

#include <QWidget>

#include <cstdint>
#include <string>

class UMemoryAddress;

// A view: a top-level widget until a pane's tab widget takes it, deleted when closed. It
// carries its own id and the id of the pane that holds it; the views manager gives both.
class AView : public QWidget
{
    Q_OBJECT

public:
    explicit AView(const char *name = nullptr, Qt::WindowFlags flags = {});

    virtual uint64_t id() const;
    virtual void setId(uint64_t id);
    virtual uint64_t paneId() const;
    virtual void setPaneId(uint64_t id);
    // Names the view and shows the name as its tab's label.
    virtual void setName(const std::string &name);
    // Switches the view to a target (0: none).
    virtual void setTarget(int target) = 0;
    // The host changed something of the target (0: of any target).
    virtual void targetUpdated(int target, int flag) = 0;
    virtual void refresh(int mode) = 0;
    virtual void showAddress(const UMemoryAddress &address) = 0;
    virtual void scrollToFraction(double fraction, bool preview) = 0;
    virtual void scrollBy(int kind, int count) = 0;
    virtual double scrollFraction() const = 0;
    virtual void saveSettings(std::string &settings);
    virtual void restoreSettings(const std::string &settings);
    virtual void updateLayout(int mode) = 0;

protected slots:
    virtual void languageChange() = 0;

private:
    uint64_t m_id = 0;
    uint64_t m_paneId = 0;
};
