// What the user keeps in the demo stays kept: its stored files that are no regular files cost
// no hang and stay as they are, a link is written through, the search paths the user accepts
// come back, and the find panel's every button answers.
#include "dialogdemo.h"
#include "filtersdemo.h"
#include "framedemo.h"
#include "layoutdemo.h"
#include "menudemo.h"
#include "modalanswers.h"
#include "nonregularfiles.h"
#include "searchpathdemo.h"
#include "sectionfile.h"
#include "testhost.h"
#include "toolbardemo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

mode_t kindOf(const std::string &file, bool followLinks = false)
{
    struct stat status = {};
    if ((followLinks ? ::stat : ::lstat)(file.c_str(), &status) != 0)
        return 0;
    return status.st_mode & S_IFMT;
}

std::string contentsOf(const std::string &file)
{
    std::string text;
    demo::readStoredFile(file, text);
    return text;
}

} // namespace

// Each stored file of the demo (the script list, the filters, the layout) made a pipe, a
// folder or a link before the start: the start and the end go through without waiting, the
// messages say what the file is, and each file stays what it was; a link's target gets what
// the demo stored.
class DemoStoredFiles : public ::testing::TestWithParam<const char *>
{
};

TEST_P(DemoStoredFiles, OfEachKindCostNoHang)
{
    testhost::ModalAnswers answers;
    void *self = dlopen(nullptr, RTLD_NOW);
    ASSERT_TRUE(self);
    const std::string home = std::getenv("KSODEBUG_HOME");
    const std::string kind = GetParam();
    const std::string names[] = {"scripts.ini", "filters.ini", "demo-layout.txt"};
    const std::string elsewhere = home + "/elsewhere";
    QDir(QString::fromStdString(elsewhere)).removeRecursively();
    ASSERT_EQ(::mkdir(elsewhere.c_str(), 0700), 0);
    std::vector<std::unique_ptr<testfiles::UnfedPipe>> pipes;
    for (const std::string &name : names) {
        const std::string file = home + "/" + name;
        QDir(QString::fromStdString(file)).removeRecursively();
        std::remove(file.c_str());
        if (kind == "pipe") {
            pipes.push_back(std::make_unique<testfiles::UnfedPipe>(QString::fromStdString(file)));
        } else if (kind == "folder") {
            ASSERT_EQ(::mkdir(file.c_str(), 0700), 0);
        } else {
            ASSERT_EQ(::symlink(("elsewhere/" + name).c_str(), file.c_str()), 0);
        }
    }
    const std::string layout = demo::layoutFile(home);
    testing::internal::CaptureStdout();
    bool stored = false;
    int restored = 0;
    demo::loadFrameExports(self);
    demo::createMainWindow({});
    demo::runMenuDemo(self, {});
    restored = demo::restoreLayout(self, layout);
    demo::runToolbarDemo(self, home.c_str(), {});
    demo::runFiltersDemo(self, home, {});
    stored = demo::storeEverything(self, layout);
    for (const auto &pipe : pipes)
        EXPECT_FALSE(pipe->readerWaited()) << "the demo waited on a pipe";
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(restored, -1);
    if (kind == "link") {
        EXPECT_TRUE(stored);
        for (const std::string &name : names)
            EXPECT_EQ(kindOf(home + "/" + name), S_IFLNK) << name;
        EXPECT_NE(contentsOf(elsewhere + "/scripts.ini").find("[scripts]"), std::string::npos);
        EXPECT_NE(contentsOf(elsewhere + "/filters.ini").find("[EventFilters]"), std::string::npos);
        EXPECT_NE(contentsOf(elsewhere + "/demo-layout.txt").find("window\t"), std::string::npos);
    } else {
        EXPECT_FALSE(stored);
        const mode_t mode = kind == "pipe" ? S_IFIFO : S_IFDIR;
        for (const std::string &name : names) {
            EXPECT_EQ(kindOf(home + "/" + name), mode) << name;
            EXPECT_NE(said.find(home + "/" + name + " is a " + kind), std::string::npos)
                << name << " not named:\n"
                << said;
        }
        EXPECT_EQ(said.find(" stored in "), std::string::npos) << said;
    }
    dlclose(self);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DemoStoredFiles, ::testing::Values("pipe", "folder", "link"),
                         [](const auto &info) { return std::string(info.param); });

namespace {

// The source paths the search path dialog shows when it opens, and then the user's doing.
std::vector<std::string> openSearchPaths(void *self, const std::function<void(QWidget *)> &act)
{
    std::vector<std::string> shown;
    testhost::ModalAnswers answers;
    answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
        QWidget *widget = request.widget.data();
        if (auto *chooser = qobject_cast<QFileDialog *>(widget)) {
            chooser->setDirectory(QDir::tempPath());
            QMetaObject::invokeMethod(chooser, "accept");
            return;
        }
        if (auto *list = widget->findChild<QListWidget *>(QStringLiteral("sourcesearchpathLB")))
            for (int i = 0; i < list->count(); ++i)
                shown.push_back(list->item(i)->text().toStdString());
        act(widget);
    });
    demo::runSearchPathDemo(self, {}, true);
    return shown;
}

void press(QWidget *dialog, const char *name)
{
    if (auto *button = dialog->findChild<QPushButton *>(QLatin1String(name)))
        button->click();
}

} // namespace

// The user adds a source path and presses OK: it is there when the dialog opens again and after
// a restart; a path added and cancelled is not.
TEST(DemoSearchPaths, KeptAtOkOnlyAndAcrossARestart)
{
    void *self = dlopen(nullptr, RTLD_NOW);
    ASSERT_TRUE(self);
    const std::string file = std::string(std::getenv("KSODEBUG_HOME")) + "/searchpaths.txt";
    std::remove(file.c_str());
    demo::keepSearchPathsIn(file);
    const std::vector<std::string> fixed = {"/opt/target/core_a/src", "/opt/target/common"};
    std::vector<std::string> added = fixed;
    added.push_back(QDir::tempPath().toStdString());

    EXPECT_EQ(openSearchPaths(self,
                              [](QWidget *dialog) {
                                  press(dialog, "ssmodifyPB");
                                  press(dialog, "buttonOk");
                              }),
              fixed);
    EXPECT_EQ(openSearchPaths(self,
                              [](QWidget *dialog) {
                                  press(dialog, "ssmodifyPB");
                                  press(dialog, "buttonCancel");
                              }),
              added);
    // The next start reads the file.
    demo::keepSearchPathsIn(file);
    EXPECT_EQ(openSearchPaths(self, [](QWidget *dialog) { press(dialog, "buttonCancel"); }), added);
    EXPECT_NE(contentsOf(file).find("map\tC:/build/core_a\t/opt/target/core_a/src\n"),
              std::string::npos);
    dlclose(self);
}

// Every search button of the find panel tells the host what the user asked, the replacement
// text included: none is a dead button.
TEST(DemoFindPanel, EveryButtonAnswers)
{
    testhost::ModalAnswers answers;
    void *self = dlopen(nullptr, RTLD_NOW);
    ASSERT_TRUE(self);
    demo::runDialogDemo(self, {}, false);
    QWidget *panel = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("SimpleDialog") && widget->isVisible())
            panel = widget;
    ASSERT_TRUE(panel);
    panel->findChild<QLineEdit *>(QStringLiteral("FindEditBox"))->setText(QStringLiteral("tick"));
    panel->findChild<QLineEdit *>(QStringLiteral("RepEditBox"))->setText(QStringLiteral("tock"));
    auto *buttons = panel->findChild<QButtonGroup *>();
    ASSERT_TRUE(buttons);
    const std::pair<int, const char *> asked[] = {
        {19, "find \"tick\","},
        {20, "replace \"tick\" where found with \"tock\","},
        {23, "find \"tick\", then replace it with \"tock\","},
        {24, "replace \"tick\" where found with \"tock\", then find the next,"},
        {25, "replace every \"tick\" with \"tock\","}};
    for (const auto &[code, text] : asked) {
        ASSERT_TRUE(buttons->button(code)) << code;
        testing::internal::CaptureStdout();
        buttons->button(code)->click();
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_NE(said.find("find panel event " + std::to_string(code) + ": " + text),
                  std::string::npos)
            << said;
    }
    panel->close();
    demo::finishDialogDemo();
    dlclose(self);
}
