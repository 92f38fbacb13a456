#pragma once

#include "dialogs/gotolinedlgbase.h"

#include <memory>

// The line last given and the highest line the dialog offers.
struct LineRange
{
    int value = 1;
    int maximum = 99999;
};

// A line number between 1 and a maximum; the label names the maximum.
class GotoLineDlg : public GotoLineDlgBase
{
    Q_OBJECT

public:
    explicit GotoLineDlg(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                         Qt::WindowFlags flags = {});
    ~GotoLineDlg() override;

public slots:
    void setValue(int value) override;
    void setMaximum(int maximum) override;
    int getValue() override;

protected:
    bool event(QEvent *event) override;

private:
    void updateRange();

    std::unique_ptr<LineRange> m_range;
};
