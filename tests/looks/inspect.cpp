#include "inspect.h"

#include "utilities/table.h"
#include "utilities/tableitem.h"
#include "utilities/uheader.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>

namespace looks {

namespace {

// Texts a catalogue may give in German as they read in English: names, abbreviations and words
// both languages share.
const QStringList kSameInBothLanguages = {
    QStringLiteral("OK"),           QStringLiteral("Info"),
    QStringLiteral("Information"),  QStringLiteral("Filter"),
    QStringLiteral("Details"),      QStringLiteral("Format"),
    QStringLiteral("Hardware"),     QStringLiteral("Opcode"),
    QStringLiteral("Position"),     QStringLiteral("PC"),
    QStringLiteral("Cache"),        QStringLiteral("Bytes"),
    QStringLiteral("Label"),        QStringLiteral("Original"),
    QStringLiteral("Sync"),         QStringLiteral("Reset"),
    QStringLiteral("RegEx"),        QStringLiteral("ASCII"),
    QStringLiteral("UTF-8"),        QStringLiteral("Symbol"),
    QStringLiteral("Name"),         QStringLiteral("E-Mail"),
    QStringLiteral("Tracepoint"),   QStringLiteral("QMXv2"),
    QStringLiteral("Filter 1"),     QStringLiteral("Secure World"),
    QStringLiteral("Normal World"), QStringLiteral("Kestrova Debugger"),
};

bool sameInBothLanguages(const QString &text)
{
    QString word = withoutMnemonics(text).trimmed();
    while (word.endsWith(QLatin1Char('.')) || word.endsWith(QLatin1Char(':')))
        word.chop(1);
    // "..." on a browse button is no word at all.
    return word.isEmpty() || kSameInBothLanguages.contains(word);
}

// The toolkit's line edit keeps this margin on each side of its text.
constexpr int kLineEditMargin = 2;

bool isField(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget);
}

bool hasContent(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    if (qobject_cast<const QScrollArea *>(widget))
        return false;
    return qobject_cast<const QAbstractButton *>(widget) || isField(widget) ||
           qobject_cast<const QAbstractScrollArea *>(widget) ||
           qobject_cast<const QTabBar *>(widget);
}

// Parts of a composite widget (a combo box's edit, a scroll area's bars) are its own business.
bool isPart(const QWidget *widget)
{
    for (const QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QAbstractSpinBox *>(up))
            return true;
        if (qobject_cast<const QHeaderView *>(widget))
            return true;
        if (up->isWindow())
            break;
    }
    const QWidget *parent = widget->parentWidget();
    const auto *area =
        parent ? qobject_cast<const QAbstractScrollArea *>(parent->parentWidget()) : nullptr;
    // A scroll area's bars live in containers of its own, not in its viewport.
    return area && parent != area->viewport();
}

// Inside a scroll area's viewport a child may reach past what shows: it scrolls into view.
bool scrolls(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *up = widget; up && up != window; up = up->parentWidget()) {
        const QWidget *parent = up->parentWidget();
        const auto *area =
            parent ? qobject_cast<const QAbstractScrollArea *>(parent->parentWidget()) : nullptr;
        if (area && parent == area->viewport())
            return true;
        if (qobject_cast<const QMenu *>(up) || qobject_cast<const QToolBar *>(up->parentWidget()))
            return false;
    }
    return false;
}

int textWidth(const QFontMetrics &metrics, const QString &text)
{
    int width = 0;
    for (const QString &line : withoutMnemonics(text).split(QLatin1Char('\n')))
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

QString plain(const QLabel *label)
{
    if (label->textFormat() == Qt::PlainText ||
        (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text())))
        return label->text();
    return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
}

// The room a check box's or radio button's text has beside its indicator.
int buttonTextRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        element = QStyle::SE_RadioButtonContents;
    int room = button->style()->subElementRect(element, &option, button).width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

// The room a line edit's text has inside its frame and margins.
int lineTextRoom(const QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditMargin;
}

bool textFitsButton(const QAbstractButton *button)
{
    if (button->text().isEmpty())
        return true;
    if (const auto *tool = qobject_cast<const QToolButton *>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull())
            return true;
        return tool->sizeHint().width() <= tool->width();
    }
    return textWidth(button->fontMetrics(), button->text()) <= buttonTextRoom(button);
}

bool textFitsLabel(const QLabel *label)
{
    if (label->text().isEmpty())
        return true;
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    const QSize hint = label->minimumSizeHint();
    return hint.width() <= label->width() && hint.height() <= label->height();
}

} // namespace

// Every text the program asks the installed catalogues for, with the contexts it asked in; it
// answers nothing, so the catalogues installed beside it answer as before.
class AskedTexts : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (context && source && *source)
            m_contexts[QString::fromUtf8(source)].insert(QString::fromUtf8(context));
        return QString();
    }
    bool isEmpty() const override { return false; }
    QSet<QString> contexts(const QString &text) const { return m_contexts.value(text); }

private:
    mutable QHash<QString, QSet<QString>> m_contexts;
};

QString Setting::name() const
{
    return QStringLiteral("%1 %2x%3")
        .arg(german ? QStringLiteral("German") : QStringLiteral("English"))
        .arg(size.width())
        .arg(size.height());
}

void Faults::add(const QString &window, const QString &item, const QString &what)
{
    const QString line =
        QStringLiteral("%1, \"%2\": %3 %4").arg(m_setting.name(), window, item, what);
    if (!m_lines.contains(line))
        m_lines << line;
}

QString withoutMnemonics(const QString &text)
{
    QString plainText;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plainText += text.at(i);
    }
    return plainText;
}

QChar altLetter(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toUpper();
        ++i;
    }
    return QChar();
}

QString describe(const QWidget *widget)
{
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        text = plain(label);
    else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    else if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        text = edit->text();
    else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        text = group->title();
    else if (const auto *dock = qobject_cast<const QDockWidget *>(widget))
        text = dock->windowTitle();
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!text.isEmpty())
        name += QStringLiteral(" \"%1\"").arg(text.left(60));
    if (!widget->objectName().isEmpty())
        name += QStringLiteral(" (%1)").arg(widget->objectName());
    return name;
}

Inspector::Inspector(const Setting &setting, const Catalogue &german, Faults &faults)
    : m_setting(setting)
    , m_german(german)
    , m_faults(faults)
{
    if (m_setting.german) {
        m_asked = std::make_unique<AskedTexts>();
        QCoreApplication::installTranslator(m_asked.get());
    }
}

Inspector::~Inspector()
{
    if (m_asked)
        QCoreApplication::removeTranslator(m_asked.get());
}

void Inspector::setLeftOut(const LeftOut *cases, int count)
{
    m_leftOut = cases;
    m_leftOutCount = count;
}

bool withinPath(const QString &window, const char *path)
{
    // Whole names: "menu bar > Debug" is not "menu bar > Debuggen".
    const QLatin1String prefix(path);
    return prefix.isEmpty() || window == prefix || window.startsWith(prefix + QLatin1String(" > "));
}

bool Inspector::leftOut(const QString &window, const QWidget *widget, const char *condition) const
{
    for (int i = 0; i < m_leftOutCount; ++i) {
        const LeftOut &left = m_leftOut[i];
        if (qstrcmp(left.condition, condition) != 0 || !withinPath(window, left.window))
            continue;
        if (left.widgetClass && (!widget || !widget->inherits(left.widgetClass)))
            continue;
        if (left.objectName && (!widget || widget->objectName() != QLatin1String(left.objectName)))
            continue;
        return true;
    }
    return false;
}

void Inspector::report(const QString &window, const QWidget *widget, const char *condition,
                       const QString &detail)
{
    if (leftOut(window, widget, condition))
        return;
    m_faults.add(window, widget ? describe(widget) : QString(),
                 detail.isEmpty() ? QString::fromLatin1(condition)
                                  : QStringLiteral("%1 (%2)").arg(condition, detail));
}

void Inspector::window(const QWidget *window, const QString &name)
{
    // A window ended before it showed has nothing to look at.
    if (!window || !window->isVisible())
        return;
    look(window, name);
    pages(window, name);
}

void Inspector::pages(const QWidget *window, const QString &name)
{
    // A main window's tabs belong to its panes, whose pages the host may follow.
    if (qobject_cast<const QMainWindow *>(window))
        return;
    const QSize first = window->size();
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        if (tabs->window() != window || !tabs->isVisible())
            continue;
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == shown || !tabs->isTabEnabled(i) || !tabs->isTabVisible(i))
                continue;
            tabs->setCurrentIndex(i);
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            const QString page =
                name + QStringLiteral(" > page \"%1\"").arg(withoutMnemonics(tabs->tabText(i)));
            if (window->size() != first)
                report(page, window, kResized,
                       QStringLiteral("%1x%2, %3x%4 on its first page")
                           .arg(window->width())
                           .arg(window->height())
                           .arg(first.width())
                           .arg(first.height()));
            look(window, page);
        }
        tabs->setCurrentIndex(shown);
    }
}

namespace {

// The debugger's main frame, as against a top-level window, whose place is the host's.
bool isMainFrame(const QWidget *window)
{
    return window->inherits("MainWindow");
}

// Where the window stands on its screen: a main frame with its frame, a dialog without.
QRect placed(const QWidget *window)
{
    return isMainFrame(window) ? window->frameGeometry() : window->geometry();
}

} // namespace

void Inspector::look(const QWidget *window, const QString &name)
{
    const QSize frame = window->size();
    if (frame.width() > m_setting.size.width() || frame.height() > m_setting.size.height())
        report(name, window, kOffScreen,
               QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height()));
    // A dialog that grows as the user opens it out stays on its screen; a main window's frame,
    // title bar included, stays within the screen's free area wherever the host puts it.
    else if (const QScreen *screen = window->screen();
             screen && (!qobject_cast<const QMainWindow *>(window) || isMainFrame(window)) &&
             !screen->availableGeometry().contains(placed(window)))
        report(name, window, kPastScreen,
               QStringLiteral("%1,%2 %3x%4")
                   .arg(placed(window).x())
                   .arg(placed(window).y())
                   .arg(placed(window).width())
                   .arg(placed(window).height()));
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() == window && widget->isVisible())
            child(window, widget, name);
    }
    english(window, name);
    toolbars(window, name);
    altLetters(window, name);
}

void Inspector::child(const QWidget *window, const QWidget *widget, const QString &name)
{
    if (isPart(widget))
        return;
    english(widget, name);
    if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
        if (!group->title().isEmpty() &&
            textWidth(group->fontMetrics(), group->title()) + 16 > group->width())
            report(name, widget, kTextCut);
        return;
    }
    if (!hasContent(widget))
        return;
    geometry(window, widget, name);
    textFits(widget, name);
    if (const auto *view = qobject_cast<const QAbstractItemView *>(widget))
        cells(view, name);
    else if (const auto *table = qobject_cast<const UTable *>(widget))
        cells(table, name);
}

void Inspector::cells(const UTable *table, const QString &name)
{
    const UHeader *header = table->horizontalHeader();
    if (!header || !header->isVisible())
        return;
    const bool scrollBar = table->horizontalScrollBar()->isVisible();
    // The rows a user sees first are enough to judge a column by.
    constexpr int kRowsLooked = 200;
    for (int col = 0; col < table->numCols(); ++col) {
        if (table->isColumnHidden(col))
            continue;
        int need = header->sectionSizeHint(col, table->fontMetrics()).width();
        for (int row = 0; row < std::min(table->numRows(), kRowsLooked); ++row) {
            if (const UTableItem *item = table->item(row, col); item && !table->isRowHidden(row))
                need = std::max(need, item->sizeHint().width());
        }
        const int given = table->columnWidth(col);
        if (given < need)
            report(name, table, kCellCut,
                   QStringLiteral("\"%1\" is %2 px for %3 px%4")
                       .arg(header->label(col))
                       .arg(given)
                       .arg(need)
                       .arg(scrollBar ? QString() : QStringLiteral(", no scroll bar")));
    }
}

void Inspector::cells(const QAbstractItemView *view, const QString &name)
{
    if (!view->model())
        return;
    const QHeaderView *header = nullptr;
    if (const auto *tree = qobject_cast<const QTreeView *>(view))
        header = tree->isHeaderHidden() ? nullptr : tree->header();
    else if (const auto *table = qobject_cast<const QTableView *>(view))
        header = table->horizontalHeader()->isHidden() ? nullptr : table->horizontalHeader();
    const bool scrollBar = view->horizontalScrollBar()->isVisible();
    if (!header) {
        // A plain list cuts its entries unless a scroll bar brings them into view.
        const auto *list = qobject_cast<const QListView *>(view);
        if (!list || list->viewMode() != QListView::ListMode || list->isWrapping() || scrollBar ||
            view->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
            return;
        const int need = view->sizeHintForColumn(0);
        if (need > view->viewport()->width())
            report(name, view, kCellCut,
                   QStringLiteral("entries need %1 px, %2 px shown")
                       .arg(need)
                       .arg(view->viewport()->width()));
        return;
    }
    for (int i = 0; i < header->count(); ++i) {
        if (header->isSectionHidden(i))
            continue;
        const int need = std::max(header->sectionSizeHint(i), view->sizeHintForColumn(i));
        const int given = header->sectionSize(i);
        if (given < need)
            report(name, view, kCellCut,
                   QStringLiteral("\"%1\" is %2 px for %3 px%4")
                       .arg(view->model()->headerData(i, Qt::Horizontal).toString())
                       .arg(given)
                       .arg(need)
                       .arg(scrollBar ? QString() : QStringLiteral(", no scroll bar")));
    }
}

void Inspector::altLetters(const QWidget *window, const QString &name)
{
    // A main window's Alt letters belong to its menu bar, which the menu check looks at.
    if (qobject_cast<const QMainWindow *>(window))
        return;
    QMap<QChar, QList<std::pair<const QWidget *, QString>>> letters;
    const auto note = [&letters](const QWidget *widget, const QString &text) {
        const QChar letter = altLetter(text);
        if (!letter.isNull())
            letters[letter].append({widget, text});
    };
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() != window || !widget->isVisible())
            continue;
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->buddy())
                note(label, label->text());
        } else if (qobject_cast<const QPushButton *>(widget) ||
                   qobject_cast<const QCheckBox *>(widget) ||
                   qobject_cast<const QRadioButton *>(widget)) {
            note(widget, static_cast<const QAbstractButton *>(widget)->text());
        } else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    note(tabs, tabs->tabText(i));
        }
    }
    for (auto it = letters.cbegin(); it != letters.cend(); ++it) {
        if (it->size() < 2)
            continue;
        QStringList texts;
        bool kept = false;
        for (const auto &[widget, text] : *it) {
            texts << withoutMnemonics(text);
            kept = kept || leftOut(name, widget, kAltClash);
        }
        if (!kept)
            m_faults.add(name,
                         QStringLiteral("items \"%1\"").arg(texts.join(QStringLiteral("\", \""))),
                         QStringLiteral("share the Alt letter %1").arg(it.key()));
    }
}

void Inspector::geometry(const QWidget *window, const QWidget *widget, const QString &name)
{
    const QRect own(widget->mapTo(window, QPoint(0, 0)), widget->size());
    QRect shown = own;
    for (const QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
        shown &= QRect(up->mapTo(window, QPoint(0, 0)), up->size());
        if (up == window)
            break;
    }
    if (shown != own && !scrolls(widget, window))
        report(name, widget, kCutOff,
               QStringLiteral("%1 of %2 px wide, %3 of %4 px high shown")
                   .arg(shown.width())
                   .arg(own.width())
                   .arg(shown.height())
                   .arg(own.height()));
    // What the layout could give it: a widget held smaller on purpose is sized by its maximum.
    const QSize hint = widget->minimumSizeHint().boundedTo(widget->maximumSize());
    const bool labelOrButton =
        qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget);
    // A tab bar too narrow for its tabs scrolls them with its arrows.
    const auto *tabs = qobject_cast<const QTabBar *>(widget);
    const bool scrollsTabs = tabs && tabs->usesScrollButtons();
    if (!labelOrButton && !scrollsTabs && hint.isValid() &&
        (widget->width() < hint.width() || widget->height() < hint.height()))
        report(name, widget, kSqueezed,
               QStringLiteral("%1x%2 for %3x%4")
                   .arg(widget->width())
                   .arg(widget->height())
                   .arg(hint.width())
                   .arg(hint.height()));
}

void Inspector::textFits(const QWidget *widget, const QString &name)
{
    bool fits = true;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        fits = textFitsLabel(label);
    else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        fits = textFitsButton(button);
    else if (const auto *edit = qobject_cast<const QLineEdit *>(widget); edit && edit->isReadOnly())
        fits = edit->text().isEmpty() ||
               textWidth(edit->fontMetrics(), edit->text()) <= lineTextRoom(edit);
    if (!fits)
        report(name, widget, kTextCut);
}

void Inspector::english(const QWidget *widget, const QString &name)
{
    if (!m_setting.german)
        return;
    const QString item = describe(widget);
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        englishText(plain(label), name, item, widget);
    else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        englishText(button->text(), name, item, widget);
    else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        englishText(group->title(), name, item, widget);
    else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            englishText(tabs->tabText(i), name, item, widget);
    } else if (const auto *header = qobject_cast<const QHeaderView *>(widget);
               header && header->model()) {
        for (int i = 0; i < header->count(); ++i)
            if (!header->isSectionHidden(i))
                englishText(header->model()->headerData(i, header->orientation()).toString(), name,
                            item, widget);
    } else if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            englishText(combo->itemText(i), name, item, widget);
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        englishText(edit->placeholderText(), name, item, widget);
        if (edit->isReadOnly())
            englishText(edit->text(), name, item, widget);
    } else if (widget->isWindow()) {
        englishText(widget->windowTitle(), name, item, widget);
    }
}

void Inspector::englishText(const QString &text, const QString &window, const QString &item,
                            const QWidget *widget)
{
    if (text.isEmpty() || m_hostTexts.contains(text))
        return;
    if (m_german.readsTheSame(text) && !sameInBothLanguages(text)) {
        if (!leftOut(window, widget, kEnglish))
            m_faults.add(window, item,
                         QStringLiteral("%1: \"%2\" (the catalogue gives it unchanged)")
                             .arg(kEnglish, text));
        return;
    }
    // A text asked for in a context the catalogues do not hold it in shows as written.
    if (m_asked && !m_german.readsTheSame(text)) {
        for (const QString &context : m_asked->contexts(text)) {
            if (m_german.has(context, text))
                continue;
            if (!leftOut(window, widget, kUntranslated))
                m_faults.add(
                    window, item,
                    QStringLiteral("%1: \"%2\" (context %3)").arg(kUntranslated, text, context));
            return;
        }
    }
    const QString german = m_german.other(text);
    // A German text may read like an English source text ("Info").
    if (m_german.isTranslation(text))
        return;
    if (german.isNull() || leftOut(window, widget, kEnglish))
        return;
    m_faults.add(window, item,
                 QStringLiteral("%1: \"%2\" (German: \"%3\")").arg(kEnglish, text, german));
}

void Inspector::toolbars(const QWidget *window, const QString &name)
{
    for (const QToolBar *bar : window->findChildren<QToolBar *>()) {
        if (!bar->isVisible())
            continue;
        for (QAction *action : bar->actions()) {
            QWidget *widget = bar->widgetForAction(action);
            if (action->isVisible() && widget && isField(widget) && !widget->isVisible())
                report(name, widget, kBehindArrow,
                       QStringLiteral("in toolbar \"%1\"").arg(bar->windowTitle()));
        }
    }
}

void Inspector::menu(const QWidget *menu, const QString &name)
{
    if (!menu)
        return;
    QMap<QChar, QStringList> letters;
    for (QAction *action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QString text = action->text();
        const QString label = text.section(QLatin1Char('\t'), 0, 0);
        const QChar letter = altLetter(label);
        if (!letter.isNull())
            letters[letter] << label;
        if (m_setting.german)
            englishText(label, name, QStringLiteral("item \"%1\"").arg(label));
        if (const QMenu *sub = action->menu())
            this->menu(sub, name + QStringLiteral(" > ") + withoutMnemonics(label));
    }
    for (auto it = letters.cbegin(); it != letters.cend(); ++it) {
        if (it->size() > 1 && !leftOut(name, menu, kAltClash))
            m_faults.add(name,
                         QStringLiteral("items \"%1\"").arg(it->join(QStringLiteral("\", \""))),
                         QStringLiteral("share the Alt letter %1").arg(it.key()));
    }
}

void Inspector::docks(const QMainWindow *window, const QString &name)
{
    for (const QDockWidget *dock : window->findChildren<QDockWidget *>()) {
        if (!dock->isVisible() || dock->isFloating() || dock->parentWidget() != window)
            continue;
        const QString dockName = name + QStringLiteral(" > dock \"%1\"").arg(dock->windowTitle());
        const QWidget *pane = dock->widget();
        if (!pane || !pane->isVisible() || pane->width() <= 0 || pane->height() <= 0) {
            report(dockName, dock, "is no bigger than its title bar",
                   QStringLiteral("%1x%2").arg(dock->width()).arg(dock->height()));
            continue;
        }
        const QSize hint = pane->minimumSizeHint();
        if (hint.isValid() && (pane->width() < hint.width() || pane->height() < hint.height()))
            report(dockName, pane, kSqueezed,
                   QStringLiteral("pane %1x%2 for %3x%4")
                       .arg(pane->width())
                       .arg(pane->height())
                       .arg(hint.width())
                       .arg(hint.height()));
    }
}

void Inspector::focus(const QWidget *window, const QWidget *field, const QString &name,
                      const char *afterExport)
{
    const QWidget *focused = QApplication::focusWidget();
    if (!focused || focused->window() != window)
        focused = window->focusWidget();
    const bool on = field && focused && (focused == field || field->isAncestorOf(focused));
    if (!on || !field->isVisible())
        m_faults.add(
            name, field ? describe(field) : QStringLiteral("the field"),
            QStringLiteral("does not hold the focus after %1 (%2)")
                .arg(QLatin1String(afterExport),
                     !field || !field->isVisible()
                         ? QStringLiteral("not shown")
                         : QStringLiteral("focus on %1")
                               .arg(focused ? describe(focused) : QStringLiteral("nothing"))));
}

} // namespace looks
