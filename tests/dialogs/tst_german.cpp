// With the German catalogue chosen, the library's own dialogs and boxes speak German: their
// captions, labels and buttons, while texts the host hands in stay as given.
#include "../frame/services/scopedenv.h"
#include "modalanswers.h"
#include "system/modalseam.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "frame/services/cuii18n.h"

#include <tesk/tesk_app.h>
#include <tesk/tesk_datanav.h>
#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_filedialogs.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using testhost::ModalAnswers;

// What one dialog showed: its caption, its labels' and its buttons' texts (accelerators kept).
struct Shown
{
    QString caption;
    QStringList labels;
    QStringList buttons;
};

class German : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    void SetUp() override
    {
        setenv("KSODEBUG_LANG", "de", 1);
        ASSERT_EQ(CuiUpdateSettings(), 0);
        // The library's own catalogue and the toolkit's beside it.
        ASSERT_EQ(cuiInstalledCatalogues().size(), 2);
        m_answers.setHandler([this](const ModalAnswers::Request &request) {
            QWidget *widget = request.widget.data();
            ASSERT_TRUE(widget);
            m_shown.caption = widget->windowTitle();
            for (const QLabel *label : widget->findChildren<QLabel *>())
                m_shown.labels << label->text();
            for (const QAbstractButton *button : widget->findChildren<QAbstractButton *>()) {
                if (button->isVisibleTo(widget) && !button->text().isEmpty())
                    m_shown.buttons << button->text();
            }
            if (auto *dialog = qobject_cast<QDialog *>(widget))
                dialog->reject();
        });
    }

    void TearDown() override
    {
        unsetenv("KSODEBUG_LANG");
        CuiUpdateSettings(); // back to English for the tests that follow
    }

    ModalAnswers m_answers;
    Shown m_shown;
};

} // namespace

TEST_F(German, MessageBoxesTranslateTheirButtonsButNotTheHostsTexts)
{
    // The host's texts pass through the catalogue too; these have no German there.
    CuiMessagePrompt(0, "Core 7", "Halted at 0x40", 0, CUI_MB_YES, CUI_MB_NO | CUI_MB_ESCAPE,
                     CUI_MB_YES_TO_ALL);
    EXPECT_EQ(m_shown.caption, QStringLiteral("Core 7"));
    EXPECT_TRUE(m_shown.labels.contains(QStringLiteral("Halted at 0x40")))
        << m_shown.labels.join('|').toStdString();
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("&Ja")));
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("&Nein")));
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("Ja für &alle")))
        << m_shown.buttons.join('|').toStdString();
}

TEST_F(German, GoToLineDialogIsGermanThroughout)
{
    int32_t line = 3;
    EXPECT_EQ(CuiGotoLineDialog(0, &line, 250), 0);
    EXPECT_EQ(m_shown.caption, QStringLiteral("Gehe zu Zeile"));
    EXPECT_TRUE(m_shown.labels.contains(QStringLiteral("Zeilennummer (1 - 250)")))
        << m_shown.labels.join('|').toStdString();
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("OK")));
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("Abbrechen")))
        << m_shown.buttons.join('|').toStdString();
}

TEST_F(German, EntryListAndSourceDialogsKeepTheirGermanOwnTexts)
{
    char buffer[32] = {};
    // A null caption keeps the dialog's own, which is then German.
    EXPECT_EQ(CuiSimpleEntry(0, nullptr, "Wert:", "", buffer, sizeof buffer, nullptr, 7), 0);
    EXPECT_EQ(m_shown.caption, QStringLiteral("Wert eingeben"));
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("Abbrechen")));
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("Hilfe")))
        << m_shown.buttons.join('|').toStdString();

    m_shown = {};
    EXPECT_EQ(CuiGetSourceLocation(0, nullptr, nullptr, "main.c", buffer, sizeof buffer), 0);
    EXPECT_EQ(m_shown.caption, QStringLiteral("Ort der Quelldatei"));
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("Wiederholen")))
        << m_shown.buttons.join('|').toStdString();

    m_shown = {};
    int32_t position = -1;
    int32_t count = 0;
    EXPECT_EQ(CuiSimpleList(0, "Cores", nullptr, "one\ntwo\n", &position, 1, &count, 0, 0), 0);
    EXPECT_EQ(m_shown.caption, QStringLiteral("Cores"));
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("Abbrechen")))
        << m_shown.buttons.join('|').toStdString();
}

TEST_F(German, AboutBoxAndUserInformationAreGerman)
{
    EXPECT_EQ(CuiSimpleAbout("b", "c", nullptr, nullptr), 0);
    EXPECT_EQ(m_shown.caption, QStringLiteral("Info"));
    EXPECT_TRUE(m_shown.labels.contains(QStringLiteral("Weitere Informationen:")))
        << m_shown.labels.join('|').toStdString();

    m_shown = {};
    const QByteArray missing = (testhost::homeDir() + QStringLiteral("/no-template")).toLocal8Bit();
    const QByteArray output = (testhost::homeDir() + QStringLiteral("/userinfo.out")).toLocal8Bit();
    CuiGetUserInformation(0, missing.constData(), output.constData());
    ASSERT_FALSE(m_answers.seen().empty());
    bool sawForm = false;
    for (const ModalAnswers::Seen &seen : m_answers.seen())
        sawForm = sawForm || seen.caption == QStringLiteral("Benutzerinformationen");
    EXPECT_TRUE(sawForm || m_shown.caption == QStringLiteral("Benutzerinformationen"))
        << m_shown.caption.toStdString();
}

// The toolkit's own boxes and dialogs speak German too: their buttons come from the toolkit's
// catalogue, installed beside the library's.
TEST_F(German, ToolkitTextsInTheLibrarysDialogsAreGerman)
{
    // The toolkit's boxes are answered before the handler sees them: look at them first.
    using tesk::system::ModalSeam;
    ModalSeam::Responder answer = ModalSeam::setResponder(nullptr);
    ModalSeam::setResponder([&](const ModalSeam::Request &request) {
        if (request.widget)
            for (const QAbstractButton *button : request.widget->findChildren<QAbstractButton *>())
                m_shown.buttons << button->text();
        answer(request);
    });
    CuiSimplePrompt(0, "Kern 7", "Weiter?");
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("&Ja")))
        << m_shown.buttons.join('|').toStdString();
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("&Nein")));

    m_shown = {};
    int32_t value = 0;
    CuiSimpleEntryInteger(0, "Kern 7", "Wert:", 5, 1, 0, 10, &value);
    EXPECT_TRUE(m_shown.buttons.contains(QStringLiteral("Abbrechen")))
        << m_shown.buttons.join('|').toStdString();
    ModalSeam::setResponder(answer);
}

// The platform's Load Image panel in German: its texts translated, each control whole inside
// the panel (grown for the longer texts), its fields as tall as their font needs.
TEST_F(German, LoadImagePanelFitsItsGermanTexts)
{
    QStringList faults;
    QStringList labels;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        QWidget *panel = request.widget->findChild<QWidget *>(QStringLiteral("template 133"));
        ASSERT_TRUE(panel);
        for (const QWidget *control : panel->findChildren<QWidget *>()) {
            if (control->parentWidget() != panel)
                continue;
            if (!panel->rect().contains(control->geometry()))
                faults << control->objectName() + QStringLiteral(" reaches past the panel");
            if (qobject_cast<const QLineEdit *>(control) &&
                control->height() < control->minimumSizeHint().height())
                faults << control->objectName() + QStringLiteral(" is too low");
            if (const auto *label = qobject_cast<const QLabel *>(control))
                labels << label->text();
        }
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    char name[256] = "", sections[64] = "", arguments[64] = "", offset[64] = "";
    int32_t symbols = 0, replace = 0, pc = 0;
    CuiLoadImage(0, "Laden", sizeof name, name, "Abbilder [*.elf]", nullptr, 0, &symbols, &replace,
                 &pc, sizeof sections, sections, sizeof arguments, arguments, sizeof offset,
                 offset);
    EXPECT_TRUE(faults.isEmpty()) << faults.join('|').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("Argumente:")) &&
                labels.contains(QStringLiteral("Versatz:")))
        << labels.join('|').toStdString();
}

// The data navigator names its lists in German.
TEST_F(German, NavigatorTabsAreGerman)
{
    const TeskHandle navigator = CuiDataNavCreate();
    auto *pane = tesk::handles::object<QWidget>(reinterpret_cast<void *>(navigator));
    ASSERT_TRUE(pane);
    auto *tabs = pane->findChild<QTabWidget *>();
    ASSERT_TRUE(tabs);
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    EXPECT_EQ(texts.join(QLatin1Char('|')).toStdString(), "Abbilder|Module|Funktionen|Variablen");
    CuiDataNavDestroy(navigator);
}

namespace {

// Every text a dialog shows in its labels and text views, one a line.
QString textsOf(const QWidget *widget)
{
    QStringList texts;
    for (const QLabel *label : widget->findChildren<QLabel *>())
        texts << label->text();
    for (const QTextEdit *view : widget->findChildren<QTextEdit *>())
        texts << view->toPlainText();
    return texts.join(QLatin1Char('\n'));
}

} // namespace

// The about box's lines and a host-described dialog's message are the host's own: shown as
// given even where they read like an entry of the catalogue.
TEST_F(German, HostTextsShownAsGivenStayUntranslated)
{
    QString shown;
    QString caption;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        shown = textsOf(request.widget);
        caption = request.widget->windowTitle();
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    // Each of these is a key of the catalogue with a German entry.
    EXPECT_EQ(CuiSimpleAbout("Warning", "Cancel", nullptr, "Error"), 0);
    const QStringList lines = shown.split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("Warning"))) << shown.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Cancel"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Error"))) << shown.toStdString();
    for (const char *german : {"Warnung", "Abbrechen", "Fehler"})
        EXPECT_FALSE(shown.contains(QLatin1String(german))) << shown.toStdString();

    shown.clear();
    QSDIDescription *description = nullptr;
    ASSERT_EQ(QtQSDIInitDialog(&description, QSDI_KIND_PLAIN, 1, QSDI_MODE_MODAL, 0, 0), 0);
    description->texts->caption = "Error";
    description->texts->message = "Warning";
    QtQSDIExecDialog(description);
    EXPECT_EQ(caption, QStringLiteral("Error"));
    EXPECT_TRUE(shown.split(QLatin1Char('\n')).contains(QStringLiteral("Warning")))
        << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("Warnung"))) << shown.toStdString();
    description->texts->caption = nullptr;
    description->texts->message = nullptr;
    QtQSDIDeleteDialog(description);
}
