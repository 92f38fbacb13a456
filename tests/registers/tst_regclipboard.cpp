// Register values through the clipboard: the exact private text, plain text read by each
// register's format, more lines than registers, and an empty clipboard.
#include "regviewfixture.h"

#include "registers/regitemmimesource.h"

#include <cstring>

#include <QClipboard>
#include <QMimeData>

TEST_F(RegViewTest, APsrValueCopiedPastesItsExactHexadecimalText)
{
    add("CPSR");
    add("R0");
    makeView();
    update({"600000d3", "00000000"});
    RegItem *cpsr = item("Core.CPSR");
    ASSERT_EQ(cpsr->format()->formatTypeName(), QLatin1String("psr"));
    click(cpsr);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(RegItemMimeSource::canDecode(copied));
    EXPECT_EQ(copied->data("RegView Private"), QByteArray("0x600000d3\n"));
    EXPECT_EQ(copied->text(), cpsr->valueText() + "\n");
    EXPECT_NE(cpsr->valueText(), QStringLiteral("0x600000d3"));

    click(item("Core.R0"));
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(item("Core.R0")->valueText(), QStringLiteral("0x600000d3"));
    ASSERT_EQ(count(RegOpSetValue), 1);
    EXPECT_EQ(calls.back().text, QStringLiteral("0x600000d3"));
}

TEST_F(RegViewTest, LinesGoToTheSelectedRegistersInOrder)
{
    addPlain(3);
    makeView();
    auto *source = new RegItemMimeSource(QString(), QStringLiteral("1\n\nzz\n3\n4\n"));
    QGuiApplication::clipboard()->setMimeData(source);
    click(item("Core.R2"));
    click(item("Core.R0"), Qt::ControlModifier);
    click(item("Core.R1"), Qt::ControlModifier);
    view->menuCommand(RegView::CommandPaste);
    // Line 2 does not read: that register stays, the next line still goes on.
    EXPECT_EQ(item("Core.R2")->valueText(), QStringLiteral("0x00000001"));
    EXPECT_EQ(item("Core.R0")->valueText(), QStringLiteral("0x00000000"));
    EXPECT_EQ(item("Core.R1")->valueText(), QStringLiteral("0x00000003"));
    EXPECT_EQ(count(RegOpSetValue), 2);
}

TEST_F(RegViewTest, PlainTextIsReadByEachRegistersFormat)
{
    add("S0", 0, REG_TYPE_FLOAT_32, 10);
    add("R0");
    makeView();
    QGuiApplication::clipboard()->setText(QStringLiteral("1.5\n0x10\n"));
    click(item("Core.S0"));
    click(item("Core.R0"), Qt::ControlModifier);
    view->menuCommand(RegView::CommandPaste);
    ASSERT_EQ(count(RegOpSetValue), 2);
    EXPECT_EQ(calls[0].op, RegOpSetValue);
    EXPECT_EQ(item("Core.R0")->valueText(), QStringLiteral("0x00000010"));
    quint32 bits = 0;
    std::memcpy(&bits, item("Core.S0")->format()->value(), 4);
    EXPECT_EQ(bits, 0x3fc00000u);
}

TEST_F(RegViewTest, AnEmptyClipboardPastesNothing)
{
    add("R0");
    makeView();
    click(item("Core.R0"));
    for (const char *text : {"", "\n\n"}) {
        QGuiApplication::clipboard()->setText(QLatin1String(text));
        view->menuCommand(RegView::CommandPaste);
    }
    QGuiApplication::clipboard()->clear();
    view->menuCommand(RegView::CommandPaste);
    EXPECT_EQ(count(RegOpSetValue), 0);
    EXPECT_EQ(item("Core.R0")->valueText(), QStringLiteral("0x00000000"));
    const RegItemMimeSource source(QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_STREQ(source.format(1), "RegView Private");
    EXPECT_EQ(source.format(2), nullptr);
    EXPECT_TRUE(source.encodedData("image/png").isEmpty());
}
