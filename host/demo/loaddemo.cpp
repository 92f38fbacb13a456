#include "loaddemo.h"

#include "demoexports.h"
#include "framedemo.h"

#include <tesk/tesk_filedialogs.h>
#include <tesk/tesk_registry.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <cstdio>

namespace demo {

namespace {

int addToLoadBinaryMru(int, intptr_t, intptr_t command, const char *, intptr_t)
{
    std::printf("host: load binary command \"%s\" kept in the engine's recent list\n",
                reinterpret_cast<const char *>(command));
    return 0;
}

template<typename W>
W *control(QWidget *dialog, const char *id)
{
    return dialog->findChild<W *>(QString::fromLatin1(id));
}

// Once the dialog is up: fill in what fill does, keep a picture, open the file.
void answerLoadDialog(const QFileInfo &file, const std::string &screenshotDir, const char *picture,
                      void (*fill)(QWidget *))
{
    QTimer::singleShot(300, [=] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->setDirectory(file.absolutePath());
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(file.fileName());
        fill(dialog);
        QTimer::singleShot(300, [=] {
            saveScreenshot(dialog, screenshotDir, picture);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    });
}

void fillImageOptions(QWidget *dialog)
{
    if (auto *autoSetPc = control<QCheckBox>(dialog, "1021"))
        autoSetPc->click();
    if (auto *arguments = control<QLineEdit>(dialog, "1003"))
        arguments->setText(QStringLiteral("--verbose"));
}

void fillBinaryOptions(QWidget *dialog)
{
    if (auto *types = control<QListWidget>(dialog, "1014"))
        types->setCurrentRow(1);
    if (auto *location = control<QLineEdit>(dialog, "1016"))
        location->setText(QStringLiteral("0x20000000"));
}

} // namespace

void askLoadImage(void *library)
{
    char name[1024], sections[256] = "", arguments[256] = "", offset[64] = "";
    int32_t symbolsOnly = 0, replace = 0, pcMode = 0;
    const int image = DEMO_RESOLVE(library, CuiLoadImage)(
        0, "Load Image", sizeof name, name, "Images [*.elf *.so]All [*.*]", nullptr, 0,
        &symbolsOnly, &replace, &pcMode, sizeof sections, sections, sizeof arguments, arguments,
        sizeof offset, offset);
    if (image == 0)
        std::printf("host: load image \"%s\": symbols only %d, replace %d, PC %d, arguments "
                    "\"%s\"\n",
                    name, symbolsOnly, replace, pcMode, arguments);
    else
        std::printf("host: load image cancelled\n");
}

void askLoadBinary(void *library)
{
    DEMO_RESOLVE(library, CuiFunctionRegistryAddFunction)
    ("addToLoadBinaryMRU", reinterpret_cast<CuiRegistryFn>(&addToLoadBinaryMru));
    const int binary = DEMO_RESOLVE(library, CuiLoadBinary)(
        0, 0x10, nullptr, 0, "1 elf ELF image\n0 bin Raw binary\n2 hex Intel hex\n");
    std::printf("host: load binary %s\n", binary == 0 ? "handed its command over" : "cancelled");
}

void runLoadDemo(void *library, const std::string &libraryPath, const std::string &screenshotDir,
                 bool interactive)
{
    const QFileInfo file(QString::fromStdString(libraryPath));

    if (!interactive)
        answerLoadDialog(file, screenshotDir, "loadimage.png", &fillImageOptions);
    askLoadImage(library);
    if (!interactive)
        answerLoadDialog(file, screenshotDir, "loadbinary.png", &fillBinaryOptions);
    askLoadBinary(library);
}

} // namespace demo
