#pragma once

#include "dialogs/corvasimconfigdlgbase.h"
#include "dialogs/dialoghelp.h"

#include <QByteArray>

// Keeps the host's choices for a simulator target until the host reads them back: the
// processors come from the host, every other choice is one of the form's buttons.
class CorvasimConfigDlg : public CorvasimConfigDlgBase
{
    Q_OBJECT

public:
    static constexpr int kMaxClockSpeed = 2147483647;

    explicit CorvasimConfigDlg(QWidget *parent = nullptr, const char *name = nullptr,
                               bool modal = false, Qt::WindowFlags flags = {});

    void setHelpId(unsigned helpId);

    void addProcessor(const QString &name);
    // Selects the next entry, from the current one on and round from the top, that equals the
    // name ignoring case; no match changes nothing.
    void setProcessor(const QString &name);
    QString processor() const;

    // 0 "No FPU", 1 "QMXv2", 2 the fast mode, 3 "ZDU"; other values change nothing.
    void setQmxState(int state);
    int qmxState() const;

    // Text read as an unsigned number of any base prefix, up to the first character that is not
    // part of it; values past the largest speed become the largest speed.
    void setClockSpeed(const QByteArray &text);
    static int parseClockSpeed(const QByteArray &text);
    int clockSpeed() const;

public slots:
    void helpSlot() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    unsigned m_helpId = 0;
    CuiHelpFunction m_helpFunction = nullptr;
};
