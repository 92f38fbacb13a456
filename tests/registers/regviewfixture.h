#pragma once

// A register view over a data set of its own, with an owner and a handler that record what
// the view hands up, as a register pane and its host would.
#include "modalanswers.h"
#include "registerrecords.h"
#include "testhost.h"

#include "frame/core/visualsettings.h"
#include "frame/services/teskfile.h"
#include "registers/regdata.h"
#include "registers/regdataitem.h"
#include "registers/regdatasets.h"
#include "registers/regdataview.h"
#include "registers/regitem.h"
#include "registers/regview.h"
#include "registers/regviewowner.h"

#include <glyphon/glyphon.h>

#include <QApplication>
#include <QFontDatabase>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct HandlerCall
{
    CuiRegOp op;
    QString text;
    void *pointer;
};

class TestOwner : public RegViewOwner
{
public:
    void handleCommand(int id) override
    {
        commands.push_back(id);
        if (view)
            view->menuCommand(id);
    }
    bool isUserView(const RegView *v) const override { return userView && v == view; }
    bool hasUserView() const override { return hasUser; }
    bool userViewEnabled() const override { return userEnabled; }
    void appendDockMenuItems(QMenu *) override {}
    void processGenericOption(int id) override { options.push_back(id); }

    RegView *view = nullptr;
    bool userView = false;
    bool hasUser = true;
    bool userEnabled = false;
    std::vector<int> commands;
    std::vector<int> options;
};

// One fixed-pitch font for names and values, the same wherever the tests run: the clicks and
// rectangles the tests compute then do not hang on the desktop's fonts. TESK_TEST_VIEW_FONT
// ("family,points", or "default" for the application's fonts) tries the tests in another.
inline QFont viewTestFont()
{
    const QByteArray chosen = qgetenv("TESK_TEST_VIEW_FONT");
    if (chosen == "default")
        return QApplication::font();
    const QList<QByteArray> parts = chosen.split(',');
    const QString family =
        chosen.isEmpty() ? QStringLiteral("DejaVu Sans Mono") : QString::fromLatin1(parts[0]);
    QFont font = QFontDatabase::hasFamily(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(parts.size() > 1 ? qMax(1, parts[1].toInt()) : 9);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// The view's settings in the test font; the values' font is process-wide, the fixture's
// TearDown puts it back.
inline VisualSettings viewTestSettings()
{
    const QFont font = viewTestFont();
    if (qgetenv("TESK_TEST_VIEW_FONT") != "default")
        cuiSetFixedFont(font);
    return VisualSettings(QApplication::palette(), font);
}

class RegViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static uint32_t next = 9000;
        id = next++;
        ASSERT_EQ(CuiRegPaneDataCreate(id), 1);
        RegDataRecord v = tesk::host::viewRecord("Core");
        CuiRegPaneDataAdd(id, &v);
        TeskFile definitions{QStringLiteral("$KSODEBUG_INSTALLetc/sdm/arch/arm")};
        ASSERT_TRUE(definitions.open(QIODevice::ReadOnly));
        engine.import_formatTypesDefinition_fromString(QString::fromLatin1(definitions.readAll()),
                                                       nullptr, 1);
    }

    void TearDown() override
    {
        delete view;
        QApplication::processEvents();
        cuiResetFixedFont();
    }

    RegData &data() const { return *RegDataSets::instance().get(id); }

    void add(const char *name, uint32_t flags = 0, uint32_t type = 0, uint8_t width = 8)
    {
        RegDataRecord r = tesk::host::registerRecord(name, flags, line++, type, width);
        CuiRegPaneDataAdd(id, &r);
    }

    // Registers R0 .. R<count - 1>.
    void addPlain(int count)
    {
        for (int i = 0; i < count; ++i)
            add(("R" + std::to_string(i)).c_str());
    }

    void makeView(RegDataView *over = nullptr, int width = 400, int height = 300)
    {
        RegDataView *dataView = over ? over : data().views().front();
        view = new RegView(&owner, nullptr, dataView, &settings, &engine, nullptr);
        owner.view = view;
        QObject::connect(dataView, &RegDataView::sigDataUpdated, view, &RegView::slotDataUpdated);
        QObject::connect(data().userView(), &RegDataView::sigRemoveItemFromUser, &data(),
                         &RegData::slotRemoveItemFromUser);
        QObject::connect(view, &RegView::sigCallFuncHandler, view,
                         [this](CuiRegOp op, const QString &text, void *pointer) {
                             calls.push_back({op, text, pointer});
                             if (op == RegOpMayChange && refuse)
                                 *static_cast<quint32 *>(pointer) = 0;
                             if (onCall)
                                 onCall(op);
                         });
        view->resize(width, height);
        view->show();
    }

    // Sends one value line per register, in creation order.
    void update(const std::vector<std::string> &values, uint32_t highlight = 0)
    {
        std::string text;
        for (const std::string &value : values)
            text += value + "\n";
        const RegLineBlock block{0, int16_t(values.size()), text.c_str()};
        RegDataRecord r = tesk::host::updateRecord(&block, 1, highlight);
        CuiRegPaneDataUpdate(id, &r);
    }

    RegItem *item(const char *fullName) const
    {
        RegItem *i = view->item(QString::fromLatin1(fullName));
        EXPECT_NE(i, nullptr) << fullName;
        return i;
    }

    QStringList selectedNames() const
    {
        QStringList names;
        for (RegItem *i : view->selection())
            names << i->dataItem()->fullName();
        return names;
    }

    int count(CuiRegOp op) const
    {
        int n = 0;
        for (const HandlerCall &call : calls)
            n += call.op == op;
        return n;
    }

    // A point of the viewport: the given offset inside the item, wherever the view scrolled.
    QPoint onScreen(const RegItem *target, QPoint inside = QPoint(RegItem::nameX() + 2, 4)) const
    {
        return view->contentsToViewport(target->geometry().topLeft() + inside);
    }

    void click(RegItem *target, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, onScreen(target));
    }

    void clickIcon(RegItem *target)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(target, QPoint(5, 8)));
    }

    uint32_t id = 0;
    int16_t line = 0;
    KMediator_Format engine;
    VisualSettings settings{viewTestSettings()};
    TestOwner owner;
    RegView *view = nullptr;
    std::vector<HandlerCall> calls;
    bool refuse = false;
    std::function<void(CuiRegOp)> onCall;
    // A click or key that opens an editor or menu the test did not expect fails by name instead
    // of waiting for the test's timeout; a test that answers one installs answers of its own.
    testhost::ModalAnswers unexpectedModals;
};
