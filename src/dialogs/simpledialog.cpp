#include "dialogs/simpledialog.h"

#include "dialogs/cuimessagebox.h"
#include "dialogs/dialogframe.h"
#include "dialogs/dialogtext.h"
#include "dialogs/qsdirecords.h"
#include "system/lifetime.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kButtonMaxWidth = 80;
constexpr int kFindMaxUnits = QSDI_FIND_BUFFER_UNITS;
constexpr int kMessageMinWidth = 200;
constexpr int kMessageMinHeight = 100;
// The code a button stands for: a group id cannot hold -1, which the toolkit takes for "give
// one yourself".
const char *const kCodeProperty = "teskButtonCode";

constexpr int kOkCode = 11;
constexpr int kDebuggerNameCode = 2017;
constexpr int kFindCode = 19;
constexpr int kReplaceCode = 20;
constexpr int kFindReplaceCode = 23;
constexpr int kReplaceFindCode = 24;
constexpr int kReplaceAllCode = 25;
constexpr int kSearchBackwardsCode = 26;
constexpr int kStopAtEndCode = 27;
constexpr int kRegExpCode = 28;
constexpr int kInsensitiveCode = 29;

bool isSearch(int code)
{
    return code == kFindCode || code == kReplaceCode || code == kFindReplaceCode ||
           code == kReplaceFindCode || code == kReplaceAllCode;
}

bool inRange(int code, int first, int last)
{
    return code >= first && code <= last;
}

QString fromUnits(const uint32_t *buffer, int length)
{
    QString text;
    if (!buffer)
        return text;
    // The host may have written the length itself: never read past the buffer.
    length = std::clamp(length, 0, kFindMaxUnits);
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text += QChar(char16_t(buffer[i]));
    return text;
}

void toUnits(const QString &text, uint32_t *buffer, int32_t &length)
{
    const int units = std::min<int>(text.size(), kFindMaxUnits);
    if (buffer) {
        for (int i = 0; i < units; ++i)
            buffer[i] = text.at(i).unicode();
    }
    length = buffer ? units : 0;
}

QPushButton *makeButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setMaximumWidth(kButtonMaxWidth);
    return button;
}

} // namespace

SimpleDialog::SimpleDialog(const QSDIDescription &description, const QMap<int, QString> &labels,
                           QWidget *parent)
    : QDialog(parent, tesk::dialogs::kDialogFrameFlags)
    , m_kind(description.kind)
    , m_icon(description.icon)
    , m_mode(description.mode)
    , m_control(tesk::dialogs::controlRef(description.control))
    , m_buttonGroup(new QButtonGroup(this))
    , m_labels(labels)
    , m_mainLayout(new QGridLayout(this))
{
    setObjectName(QStringLiteral("SimpleDialog"));
    setModal(m_mode != QSDI_MODE_MODELESS);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    m_mainLayout->setObjectName(QStringLiteral("MainLayout"));
    m_mainLayout->setContentsMargins(8, 8, 8, 8);
    m_mainLayout->setSpacing(8);

    takeTexts(description.texts);
    if (description.callback) {
        m_callback = description.callback->function;
        m_callbackData = description.callback->data;
        m_find = tesk::dialogs::findRecordRef(m_callbackData);
    }
    addButtons(description.buttons);
    for (const QSDIEventNode *node = description.events; node; node = node->next)
        m_events.append(QSDIEvent{node->id});

    setWindowTitle(m_caption);
    if (m_icon)
        addIcon(m_icon);
    switch (m_kind) {
    case QSDI_KIND_PLAIN:
        m_mainLayout->addWidget(messageView(), 0, 1);
        break;
    case QSDI_KIND_ENTRY:
        buildEntry();
        break;
    case QSDI_KIND_QUESTION:
        buildQuestion();
        break;
    case QSDI_KIND_FIND_REPLACE:
        buildFindReplace();
        break;
    default:
        break;
    }
    // The button row spans both columns: its width must go to the message's column, or the
    // icon's column takes its share and pushes the message (whose width is fixed) out of the
    // dialog.
    m_mainLayout->setColumnStretch(1, 1);
    connect(m_buttonGroup, &QButtonGroup::buttonClicked, this, [this](QAbstractButton *button) {
        slotHandleEvent(button->property(kCodeProperty).toInt());
    });
}

SimpleDialog::~SimpleDialog()
{
    // A dialog left up also goes with its window, without ending.
    if (m_mode != QSDI_MODE_MODAL)
        lowerHostFlag();
}

QString SimpleDialog::label(int code, const QString &fallback) const
{
    return m_labels.value(code, fallback);
}

void SimpleDialog::takeTexts(const QSDITexts *texts)
{
    m_caption = label(kDebuggerNameCode, QStringLiteral("?"));
    if (!texts)
        return;
    if (inRange(texts->captionCode, 2011, 2910))
        m_caption = label(texts->captionCode, m_caption);
    else if (texts->caption)
        m_caption = tesk::dialogs::dialogLineLatin1(texts->caption, false);
    if (inRange(texts->messageCode, 3011, 3910))
        m_message = label(texts->messageCode, m_message);
    else if (texts->message)
        m_message = tesk::dialogs::dialogTextLatin1(texts->message, false);
}

void SimpleDialog::addButtons(const QSDIButtonNode *first)
{
    auto *row = new QHBoxLayout;
    row->setObjectName(QStringLiteral("ButtonLayout"));
    row->setSpacing(8);
    m_mainLayout->addLayout(row, 1, 0, 1, 2);
    if (!first) {
        QPushButton *button = makeButton(label(kOkCode, QStringLiteral("OK")), this);
        row->addWidget(button);
        enterButton(button, kOkCode);
        m_buttons.append(QSDIButton{kOkCode, QSDI_ROLE_ACCEPT});
        return;
    }
    for (const QSDIButtonNode *node = first; node; node = node->next) {
        QPushButton *button = makeButton(label(node->code, QStringLiteral("?")), this);
        row->addWidget(button);
        enterButton(button, node->code);
        m_buttons.append(QSDIButton{node->code, node->role});
    }
}

void SimpleDialog::enterButton(QAbstractButton *button, int code)
{
    m_buttonGroup->addButton(button, code);
    button->setProperty(kCodeProperty, code);
}

void SimpleDialog::addButton(QGridLayout *layout, int row, int column, int code)
{
    QPushButton *button = makeButton(label(code, QStringLiteral("?")), this);
    layout->addWidget(button, row, column);
    enterButton(button, code);
    m_buttons.append(QSDIButton{code, QSDI_ROLE_EVENT});
}

void SimpleDialog::addIcon(int icon)
{
    auto *iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("IconLabel"));
    // Other kinds keep the place, empty.
    if (icon >= CuiMessageBox::Information && icon <= CuiMessageBox::Critical)
        iconLabel->setPixmap(CuiMessageBox::standardIcon(icon));
    m_mainLayout->addWidget(iconLabel, 0, 0);
}

QTextEdit *SimpleDialog::messageView()
{
    auto *view = new QTextEdit(this);
    view->setObjectName(QStringLiteral("MessageView"));
    view->setReadOnly(true);
    view->setFrameShape(QFrame::NoFrame);
    // The host's text is plain text, whatever it looks like.
    view->setPlainText(m_message);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Window));
    view->setPalette(palette);
    view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    // As wide as the text wants, within what the primary screen can show: measured line by line,
    // since a view not yet shown has laid its text out at its first, small width.
    int textWidth = 0;
    for (const QString &line : m_message.split(QLatin1Char('\n')))
        textWidth = std::max(textWidth, view->fontMetrics().horizontalAdvance(line));
    int width = std::max(kMessageMinWidth,
                         textWidth + int(std::ceil(2 * view->document()->documentMargin())) + 1);
    const int scrollRoom = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (const QScreen *primary = QGuiApplication::primaryScreen()) {
        // What stands beside the text in the dialog takes its share of the screen too: else the
        // ends of the longest lines lie beyond the screen's edge.
        // The icon's column is there, empty or not, since the button row spans it.
        const QMargins margins = m_mainLayout->contentsMargins();
        int beside =
            margins.left() + margins.right() + m_mainLayout->horizontalSpacing() + scrollRoom;
        if (const QLayoutItem *icon = m_mainLayout->itemAtPosition(0, 0))
            beside += icon->sizeHint().width();
        width = std::min(width,
                         std::max(kMessageMinWidth, primary->availableGeometry().width() - beside));
    }
    view->setFixedWidth(width + scrollRoom);
    // The text keeps the width it was measured at, so the height below is the one it shows.
    view->setLineWrapMode(QTextEdit::FixedPixelWidth);
    view->setLineWrapColumnOrWidth(width);
    view->document()->setTextWidth(width);
    // A long message scrolls rather than push the buttons off the screen.
    int height = int(view->document()->size().height()) + 5;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        height = std::min(
            height, std::max(kMessageMinHeight, primary->availableGeometry().height() * 2 / 3));
    view->setFixedHeight(height);
    return view;
}

void SimpleDialog::buildEntry()
{
    QSDIEntry *entry = tesk::dialogs::entryControl(m_control);
    if (!entry) {
        m_mainLayout->addWidget(messageView(), 0, 1);
        return;
    }
    m_clientLayout = new QGridLayout;
    m_clientLayout->setObjectName(QStringLiteral("ClientLayout"));
    m_clientLayout->addWidget(messageView(), 0, 0);
    m_entryEdit = new QLineEdit(this);
    m_entryEdit->setObjectName(QStringLiteral("EntryEditBox"));
    if (entry->maximum > 0)
        m_entryEdit->setMaxLength(entry->maximum);
    if (entry->buffer)
        m_entryEdit->setText(tesk::dialogs::dialogLineLatin1(entry->buffer, false));
    m_clientLayout->addWidget(m_entryEdit, 1, 0);
    m_mainLayout->addLayout(m_clientLayout, 0, 1);
    m_entryEdit->setFocus();
}

void SimpleDialog::buildQuestion()
{
    QSDIToggle *toggle = tesk::dialogs::toggleControl(m_control);
    if (!toggle) {
        m_mainLayout->addWidget(messageView(), 0, 1);
        return;
    }
    m_clientLayout = new QGridLayout;
    m_clientLayout->setObjectName(QStringLiteral("ClientLayout"));
    m_clientLayout->setSpacing(0);
    m_clientLayout->addWidget(messageView(), 0, 0);
    auto *check = new QCheckBox(
        label(toggle->code, tesk::dialogs::dialogLineLatin1(toggle->text, false)), this);
    check->setObjectName(QStringLiteral("QuestionCheckBox"));
    check->setChecked(toggle->state == 1);
    connect(check, &QCheckBox::toggled, this, &SimpleDialog::slotQuestionChecked);
    m_clientLayout->addWidget(check, 1, 0);
    m_mainLayout->addLayout(m_clientLayout, 0, 1);
}

QSDIFind *SimpleDialog::findRecord() const
{
    return tesk::dialogs::liveFindRecord(m_find);
}

void SimpleDialog::buildFindReplace()
{
    QSDIFind *find = findRecord();
    if (!find)
        return;
    setWindowFlag(Qt::WindowStaysOnTopHint);
    find->open = 1;

    m_clientLayout = new QGridLayout;
    m_clientLayout->setObjectName(QStringLiteral("ClientLayout"));
    int row = 0;
    if (!m_message.isEmpty()) {
        auto *message = new QLabel(m_message, this);
        // The host's text is plain text, whatever it looks like.
        message->setTextFormat(Qt::PlainText);
        message->setObjectName(QStringLiteral("FindMessage"));
        m_clientLayout->addWidget(message, row++, 0);
    }

    auto *group = new QGroupBox(this);
    auto *findLayout = new QGridLayout(group);
    findLayout->setObjectName(QStringLiteral("FindLayout"));
    findLayout->setContentsMargins(8, 8, 8, 8);
    findLayout->setSpacing(8);
    addButton(findLayout, 0, 0, kFindCode);
    static_cast<QPushButton *>(m_buttonGroup->button(kFindCode))->setDefault(true);
    m_findEdit = new QLineEdit(fromUnits(find->findBuffer, find->findLength), group);
    m_findEdit->setObjectName(QStringLiteral("FindEditBox"));
    m_findEdit->setMaxLength(kFindMaxUnits);
    findLayout->addWidget(m_findEdit, 0, 1, 1, 2);
    addButton(findLayout, 1, 0, kReplaceCode);
    m_replaceEdit = new QLineEdit(fromUnits(find->replaceBuffer, find->replaceLength), group);
    m_replaceEdit->setObjectName(QStringLiteral("RepEditBox"));
    m_replaceEdit->setMaxLength(kFindMaxUnits);
    findLayout->addWidget(m_replaceEdit, 1, 1, 1, 2);

    struct Option
    {
        int code;
        int bit;
        int row;
        int column;
        void (SimpleDialog::*slot)(bool);
    };
    const Option options[] = {
        {kSearchBackwardsCode, QSDI_FIND_BACKWARDS, 2, 1, &SimpleDialog::slotSearchBChecked},
        {kStopAtEndCode, QSDI_FIND_STOP_AT_END, 3, 1, &SimpleDialog::slotStopTBChecked},
        {kRegExpCode, QSDI_FIND_REGEXP, 2, 2, &SimpleDialog::slotRegExpChecked},
        {kInsensitiveCode, QSDI_FIND_INSENSITIVE, 3, 2, &SimpleDialog::slotInsensChecked},
    };
    for (const Option &option : options) {
        auto *check = new QCheckBox(label(option.code, QStringLiteral("?")), group);
        check->setChecked(find->options & option.bit);
        connect(check, &QCheckBox::toggled, this, option.slot);
        findLayout->addWidget(check, option.row, option.column);
    }
    m_clientLayout->addWidget(group, row++, 0);

    auto *buttons = new QGridLayout;
    buttons->setObjectName(QStringLiteral("ClientButtonLayout"));
    buttons->setSpacing(8);
    addButton(buttons, 0, 0, kFindReplaceCode);
    addButton(buttons, 0, 1, kReplaceFindCode);
    addButton(buttons, 0, 2, kReplaceAllCode);
    m_clientLayout->addLayout(buttons, row, 0);
    m_mainLayout->addLayout(m_clientLayout, 0, 1);
    // Typing goes into the find text at once, replacing the last one; without this the Find
    // button, first in the Tab order, took the keys.
    m_findEdit->setFocus();
    m_findEdit->selectAll();
}

void SimpleDialog::setFindOption(int bit, bool on)
{
    if (QSDIFind *find = findRecord())
        find->options = on ? (find->options | bit) : (find->options & ~bit);
}

void SimpleDialog::slotSearchBChecked(bool on)
{
    setFindOption(QSDI_FIND_BACKWARDS, on);
}

void SimpleDialog::slotStopTBChecked(bool on)
{
    setFindOption(QSDI_FIND_STOP_AT_END, on);
}

void SimpleDialog::slotRegExpChecked(bool on)
{
    setFindOption(QSDI_FIND_REGEXP, on);
}

void SimpleDialog::slotInsensChecked(bool on)
{
    setFindOption(QSDI_FIND_INSENSITIVE, on);
}

void SimpleDialog::slotQuestionChecked(bool on)
{
    if (QSDIToggle *toggle = tesk::dialogs::toggleControl(m_control);
        toggle && m_kind == QSDI_KIND_QUESTION)
        toggle->state = on ? 1 : 0;
}

void SimpleDialog::writeEntry()
{
    QSDIEntry *entry = tesk::dialogs::entryControl(m_control);
    if (!entry || !entry->buffer || !m_entryEdit)
        return;
    // One byte per character: what Latin-1 cannot hold becomes '?'. The line edit keeps the
    // text within the host's maximum, so the buffer receives at most maximum + 1 bytes.
    const QString text = m_entryEdit->text();
    const int length =
        entry->maximum > 0 ? std::min<int>(text.size(), entry->maximum) : int(text.size());
    for (int i = 0; i < length; ++i) {
        const char16_t c = text.at(i).unicode();
        entry->buffer[i] = c <= 0xff ? char(c) : '?';
    }
    entry->buffer[length] = '\0';
}

void SimpleDialog::writeFindTexts()
{
    QSDIFind *find = findRecord();
    if (!find || !m_findEdit)
        return;
    toUnits(m_findEdit->text(), find->findBuffer, find->findLength);
    toUnits(m_replaceEdit->text(), find->replaceBuffer, find->replaceLength);
}

void SimpleDialog::slotHandleEvent(int code)
{
    const auto button = std::find_if(m_buttons.cbegin(), m_buttons.cend(),
                                     [code](const QSDIButton &b) { return b.code == code; });
    if (button == m_buttons.cend())
        return;
    switch (button->role) {
    case QSDI_ROLE_REJECT:
        reject();
        break;
    case QSDI_ROLE_ACCEPT:
        if (m_kind == QSDI_KIND_ENTRY)
            writeEntry();
        accept();
        break;
    case QSDI_ROLE_END:
        done(code);
        break;
    case QSDI_ROLE_EVENT: {
        const bool hasEvent = std::any_of(m_events.cbegin(), m_events.cend(),
                                          [code](const QSDIEvent &e) { return e.id == code; });
        if (!hasEvent)
            return;
        if (m_kind == QSDI_KIND_FIND_REPLACE) {
            QSDIFind *find = findRecord();
            // The host's data is the find record: once freed, the host is not handed it.
            if (!find)
                return;
            // Every search of the panel looks for the find text: an empty one finds nothing
            // and, with Return on the default button, would be sent by a mere keystroke.
            if (isSearch(code) && m_findEdit && m_findEdit->text().isEmpty())
                return;
            find->lastEvent = code;
            writeFindTexts();
        }
        // The host may do anything here, even end this dialog: nothing follows the call.
        if (const QSDICallbackFn callback = m_callback) {
            void *data = m_callbackData;
            tesk::lifetime::callHost(this, [&] { callback(data); });
        }
        break;
    }
    default:
        break;
    }
}

void SimpleDialog::lowerHostFlag()
{
    // Once: the host may reuse its data for the next dialog as soon as the flag falls.
    if (m_hostFlagLowered || !m_callbackData)
        return;
    m_hostFlagLowered = true;
    if (m_kind == QSDI_KIND_FIND_REPLACE) {
        if (QSDIFind *find = findRecord())
            find->open = 0;
        return;
    }
    const int32_t zero = 0;
    std::memcpy(m_callbackData, &zero, sizeof zero);
}

void SimpleDialog::done(int result)
{
    const bool staysUp = m_mode != QSDI_MODE_MODAL;
    // The flag must fall however the dialog ends, or the host would wait for a dialog (a find
    // panel) that is gone.
    if (staysUp)
        lowerHostFlag();
    QDialog::done(result);
    // Nobody holds a handle to a dialog left up: once ended it goes, instead of piling up.
    if (staysUp)
        deleteLater();
}

bool SimpleDialog::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::Polish)
        setWindowIcon(QPixmap(QStringLiteral(":/frameimages/windowicon32.xpm")));
    return handled;
}
