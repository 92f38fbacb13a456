// The host's helpers: string lists it fills, rich-text markup into its buffers, and the test
// command's output through the host's printer.
#include "frames.h"
#include "nonregularfiles.h"
#include "testhost.h"

#include "frame/core/hoststringlists.h"
#include "gui_components/gc_panes/panes/abstractpane.h"

#include <tesk/tesk_helpers.h>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Printed
{
    std::vector<std::string> lines;
    std::string all() const
    {
        std::string text;
        for (const std::string &line : lines)
            text += line;
        return text;
    }
};

int recordingPrint(void *context, int zero, const char *format, ...)
{
    EXPECT_EQ(zero, 0);
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(size_t(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    text.resize(size_t(length));
    static_cast<Printed *>(context)->lines.push_back(text);
    return length;
}

// Stands in for the data navigator: records what the test command hands it.
class NavigatorDouble : public AbstractPane
{
public:
    explicit NavigatorDouble(QWidget *parent)
        : AbstractPane(parent, "DataNav")
    {
    }
    void setPersistData(const char *) override {}
    int getPersistData(unsigned, char *) override { return 0; }
    void setWindBox(TeskHandle) override {}
    TeskHandle windBox() override { return 0; }
    void processCommand(CuiPaneOutputFn output, void *context, const QStringList &arguments,
                        QString &result) override
    {
        received = arguments;
        output(context, 0, "%d arguments\n", int(arguments.size()));
        result = QStringLiteral("navigator answer");
    }
    QStringList received;
};

TEST(HostStringLists, AppendAndSplitOnlyIntoListsLent)
{
    testhost::startLibrary();
    tesk::core::HostStringList lent;
    EXPECT_EQ(CuiHelpersAppendToList(lent.handle(), "Grüße"), 0);
    EXPECT_EQ(CuiHelpersAppendToListEx(lent.handle(), "a;;b;", ';'), 0);
    EXPECT_EQ(CuiHelpersAppendToListEx(lent.handle(), "c;d", 0), 0);
    EXPECT_EQ(lent.list(), QStringList({QStringLiteral("Grüße"), QStringLiteral("a"),
                                        QStringLiteral("b"), QStringLiteral("c;d")}));
    QStringList foreign;
    EXPECT_EQ(CuiHelpersAppendToList(&foreign, "x"), -1);
    EXPECT_EQ(CuiHelpersAppendToList(lent.handle(), nullptr), -1);
    EXPECT_TRUE(foreign.isEmpty());
    void *stale = nullptr;
    {
        tesk::core::HostStringList gone;
        stale = gone.handle();
    }
    EXPECT_EQ(CuiHelpersAppendToList(stale, "x"), -1);
}

TEST(HelperMarkupText, EscapesEveryCharacterAndStaysInTheBuffer)
{
    char buffer[64];
    ASSERT_EQ(CuiHelperMarkupText("<b>\"R&D\" 'x'</b>", sizeof buffer, buffer), 0);
    EXPECT_STREQ(buffer, "&lt;b&gt;&quot;R&amp;D&quot; &apos;x&apos;&lt;/b&gt;");
    // Latin-1 in, UTF-8 out.
    ASSERT_EQ(CuiHelperMarkupText("caf\xe9", sizeof buffer, buffer), 0);
    EXPECT_STREQ(buffer, "caf\xc3\xa9");
    // Too small: cut before the split character, terminated, nothing written past the size.
    char small[6];
    std::memset(small, '#', sizeof small);
    ASSERT_EQ(CuiHelperMarkupText("abcd\xe9", 6, small), 0);
    EXPECT_STREQ(small, "abcd");
    ASSERT_EQ(CuiHelperMarkupText("a<b", 4, small), 0);
    EXPECT_STREQ(small, "a&l");
    EXPECT_EQ(CuiHelperMarkupText(nullptr, 4, small), -1);
    EXPECT_EQ(CuiHelperMarkupText("a", 4, nullptr), -1);
    EXPECT_EQ(CuiHelperMarkupText("a", 0, small), -1);
    EXPECT_EQ(CuiTestOK(0, 1), 0);
    EXPECT_EQ(CuiTestOK(7, 0), 1);
}

class TestFunction : public FrameTest
{
protected:
    void run(const char *option, const char *arg1 = nullptr, const char *arg2 = nullptr,
             const char *arg3 = nullptr)
    {
        printed.lines.clear();
        CuiTestFunction(window, &recordingPrint, &printed, option, arg1, arg2, arg3, nullptr,
                        nullptr, nullptr);
    }

    Printed printed;
    TeskHandle window = 0;
};

TEST_F(TestFunction, OptionsWithoutWindows)
{
    testhost::startLibrary();
    run("zz");
    EXPECT_EQ(printed.all(), "Unknown option 'zz'");
    run("qsdi");
    run("dockwidget");
    EXPECT_TRUE(printed.lines.empty());
    run("symbols", "list");
    EXPECT_EQ(printed.all(), "Error: No Symbols pane visible to act on.\n");
    ASSERT_EQ(Store::currentMainWindow(), nullptr);
    run("menu");
    EXPECT_EQ(printed.all(), "Dumping Menu State...\nUnable dump Menu State.\n");
}

TEST_F(TestFunction, MenuStateIsPrintedAndWrittenToTheFile)
{
    testhost::startLibrary();
    window = 5;
    createFrame("Debugger", window);
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("menus.txt")).toStdString();
    run("menu", "", file.c_str());
    ASSERT_GE(printed.lines.size(), 2u);
    EXPECT_EQ(printed.lines[0], "Dumping Menu State...\n");
    EXPECT_NE(printed.lines[1].find("TeskId <"), std::string::npos);
    for (size_t i = 1; i < printed.lines.size(); ++i)
        EXPECT_LE(printed.lines[i].size(), 10000u);
    QFile written(QString::fromStdString(file));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), printed.all().substr(printed.lines[0].size()));
}

TEST_F(TestFunction, NavigatorCommandsReachTheSymbolsPane)
{
    testhost::startLibrary();
    window = 6;
    MainWindow *frame = createFrame("Debugger", window);
    run("datanav", "list");
    EXPECT_EQ(printed.all(), "Error: No Symbols pane visible to act on.\n");
    auto *symbols = new QWidget(frame);
    symbols->setObjectName(QStringLiteral("Symbols"));
    auto *navigator = new NavigatorDouble(symbols);
    run("datanav");
    EXPECT_EQ(printed.all(), "Error: A function name must to specified to tesktest \"datanav\"\n");
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("answer.txt")).toStdString();
    run("symbols", "find", file.c_str(), "main");
    EXPECT_EQ(printed.all(), "3 arguments\n");
    EXPECT_EQ(navigator->received,
              QStringList(
                  {QStringLiteral("find"), QString::fromStdString(file), QStringLiteral("main")}));
    QFile written(QString::fromStdString(file));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("navigator answer"));
}

// The result file goes to a regular file only, through a link to one.
TEST_F(TestFunction, ResultFileIsARegularFileOrALinkToOne)
{
    testhost::startLibrary();
    window = 7;
    createFrame("Debugger", window);
    const testfiles::NonRegularFiles names;
    for (const QString &name : names.refused()) {
        const std::string file = name.toStdString();
        run("menu", "", file.c_str());
        ASSERT_FALSE(printed.lines.empty()) << file;
        EXPECT_EQ(printed.lines.front(), "Dumping Menu State...\n") << file;
    }
    const std::string link = names.link().toStdString();
    run("menu", "", link.c_str());
    EXPECT_TRUE(names.linkKept());
    EXPECT_TRUE(names.targetBytes().startsWith("TeskId <")) << names.targetBytes().left(40).data();
}

} // namespace
