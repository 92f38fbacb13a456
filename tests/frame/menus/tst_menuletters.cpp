// Within one menu of the menu bar no two items share an Alt letter, in every window kind, in
// English and in German: the letter would only ever reach the first of them.
#include "testhost.h"

#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

#include <tesk/tesk.h>

#include <QMap>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QChar altLetter(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toUpper();
        if (text.at(i) == QLatin1Char('&'))
            ++i;
    }
    return QChar();
}

// The menu's items that share a letter, one line per letter, its submenus' too.
QStringList clashes(const QWidget *menu, const QString &path)
{
    QStringList found;
    QMap<QChar, QStringList> letters;
    for (QAction *action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QString label = action->text().section(QLatin1Char('\t'), 0, 0);
        if (const QChar letter = altLetter(label); !letter.isNull())
            letters[letter] << label;
        const QString name = QString(label).remove(QLatin1Char('&'));
        if (action->menu())
            found << clashes(action->menu(),
                             path.isEmpty() ? name : path + QStringLiteral(" > ") + name);
    }
    for (auto it = letters.cbegin(); it != letters.cend(); ++it)
        if (it->size() > 1)
            found << (path.isEmpty() ? QStringLiteral("menu bar") : path) + QStringLiteral(": ") +
                         it->join(QStringLiteral(", "));
    return found;
}

// The English texts are the menus' own, as the tables give them; these four share their
// letters there.
const QStringList kEnglishTables = {
    QStringLiteral("View: C&lasses, &Locals"),
    QStringLiteral("View: Memor&y, S&ymbols"),
    QStringLiteral("View: T&hreads Tab, &Home Page"),
    QStringLiteral("Debug: Step O&ut, Step &Until Condition..."),
};

} // namespace

TEST(MenuLetters, OneItemPerAltLetterInEveryMenuInBothLanguages)
{
    QStringList found;
    TeskHandle context = 0x6c00;
    for (const bool german : {false, true}) {
        if (german)
            setenv("KSODEBUG_LANG", "de", 1);
        CuiUpdateSettings();
        // The analysis and settings windows are main windows made under their names.
        const std::pair<void (*)(int), const char *> kinds[] = {
            {&QtCreateNewCode, "letters"},
            {&QtCreateNewSpr, "letters"},
            {&QtCreateNewEditor, "letters"},
            {&QtCreateNewCode, "Analysis"},
            {&QtCreateNewCode, "Settings Window"}};
        for (const auto &[kind, name] : kinds) {
            kind(1);
            CuiFrameRecord record{1, 0, 3, 77};
            QtFrameCreate(name, ++context, &record);
            MainWindow *window = Store::instance()->findMainWindowByHandle(context);
            ASSERT_TRUE(window);
            for (const QString &clash : clashes(window->menuBar(), QString())) {
                if (german || !kEnglishTables.contains(clash))
                    found << (german ? QStringLiteral("German ") : QStringLiteral("English ")) +
                                 clash;
            }
            QtCloseCode(context);
            testhost::settle();
        }
        unsetenv("KSODEBUG_LANG");
        CuiUpdateSettings();
    }
    found.removeDuplicates();
    EXPECT_TRUE(found.isEmpty()) << qPrintable(found.join(QLatin1Char('\n')));
}
