#include "inspect.h"

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
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace looks {

namespace {

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
}

void Inspector::setLeftOut(const LeftOut *cases, int count)
{
    m_leftOut = cases;
    m_leftOutCount = count;
}

bool Inspector::leftOut(const QString &window, const QWidget *widget, const char *condition) const
{
    for (int i = 0; i < m_leftOutCount; ++i) {
        const LeftOut &left = m_leftOut[i];
        if (qstrcmp(left.condition, condition) != 0 ||
            !window.startsWith(QLatin1String(left.window)))
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
    const QSize frame = window->size();
    if (frame.width() > m_setting.size.width() || frame.height() > m_setting.size.height())
        report(name, window, kOffScreen,
               QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height()));
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->window() == window && widget->isVisible())
            child(window, widget, name);
    }
    english(window, name);
    toolbars(window, name);
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
        englishText(plain(label), name, item);
    else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        englishText(button->text(), name, item);
    else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        englishText(group->title(), name, item);
    else if (const auto *tabs = qobject_cast<const QTabBar *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            englishText(tabs->tabText(i), name, item);
    } else if (const auto *header = qobject_cast<const QHeaderView *>(widget);
               header && header->model()) {
        for (int i = 0; i < header->count(); ++i)
            if (!header->isSectionHidden(i))
                englishText(header->model()->headerData(i, header->orientation()).toString(), name,
                            item);
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        englishText(edit->placeholderText(), name, item);
        if (edit->isReadOnly())
            englishText(edit->text(), name, item);
    }
}

void Inspector::englishText(const QString &text, const QString &window, const QString &item)
{
    if (text.isEmpty() || m_hostTexts.contains(text))
        return;
    const QString german = m_german.other(text);
    // A German text may read like an English source text ("Info").
    if (m_german.isTranslation(text))
        return;
    if (german.isNull() || leftOut(window, nullptr, kEnglish))
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
