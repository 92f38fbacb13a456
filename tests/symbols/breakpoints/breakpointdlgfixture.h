#pragma once

// The breakpoint dialog as a test meets it: created through the exports over a proxy that the
// test's fill describes, the host's breakpoint side published around it.
#include "breakpointhost.h"
#include "modalanswers.h"

#include "frame/core/cuihandles.h"
#include "symbols/breakpoints/breakpointdlg.h"
#include "symbols/breakpoints/breakpointproxy.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace bpdlgtest {

using testhost::BreakpointHost;
using testhost::ModalAnswers;

constexpr intptr_t kVdata = 0x51;

inline QStringList rowsOf(const QListWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

inline QStringList itemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// The message boxes among the modal requests (the dialog run itself is one too).
inline std::vector<ModalAnswers::Seen> boxesOf(const ModalAnswers &answers)
{
    std::vector<ModalAnswers::Seen> boxes;
    for (const auto &seen : answers.seen()) {
        if (seen.kind == tesk::system::ModalSeam::Kind::MessageBox)
            boxes.push_back(seen);
    }
    return boxes;
}

class BreakpointDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BreakpointHost &host = BreakpointHost::instance();
        host.reset();
        host.fill = [this](TeskHandle p) {
            if (fill)
                fill(p);
        };
        testhost::publishBreakpointHost();
        handle = CuiBreakpointDlgCreate(0);
        proxy = CuiBreakpointProxyCreate(3);
        CuiBreakpointProxySetHandler(proxy, testhost::breakpointProxyHandler());
        CuiBreakpointProxySetVdata(proxy, kVdata);
        CuiBreakpointDlgSetFuncHandler(handle, testhost::breakpointDialogHandler());
        CuiBreakpointDlgSetVdata(handle, kVdata);
    }
    void TearDown() override
    {
        CuiBreakpointDlgDestroy(handle);
        CuiBreakpointProxyDestroy(proxy);
        BreakpointHost::instance().fill = nullptr;
        testhost::withdrawBreakpointHost();
    }

    BreakpointDlg *dialog() const
    {
        return qobject_cast<BreakpointDlg *>(
            tesk::handles::object(reinterpret_cast<const void *>(handle)));
    }
    // Hands the proxy over and polishes the dialog as its first show does.
    BreakpointDlg &shown()
    {
        CuiBreakpointDlgSetBreakpoint(handle, proxy);
        dialog()->ensurePolished();
        return *dialog();
    }
    BreakpointProxy &theProxy() const { return *dialog()->breakpoint(); }

    std::function<void(TeskHandle)> fill;
    TeskHandle handle = 0;
    TeskHandle proxy = 0;
};

} // namespace bpdlgtest
