// The native load dialogs' runners: the toolkit's file dialog with a template panel below it.
#include "system/nativeloaddialogs.h"

#include "system/filedialogroom.h"
#include "system/filedialogsettings.h"
#include "system/modalseam.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <functional>
#include <vector>

namespace tesk::system {

namespace {

// Room, in dialog units, between a control and the right edge of the frame or panel around it.
constexpr int kFrameMargin = 6;

QString controlName(int id)
{
    return QString::number(id);
}

QWidget *makeControl(const DialogControl &control, QWidget *panel)
{
    const QString text = QCoreApplication::translate("QObject", control.text);
    switch (control.kind) {
    case DialogControl::CheckBox:
        return new QCheckBox(text, panel);
    case DialogControl::Label:
        return new QLabel(text, panel);
    case DialogControl::HelpLabel: {
        auto *label = new QLabel(text, panel);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setWordWrap(true);
        return label;
    }
    case DialogControl::Edit:
        return new QLineEdit(panel);
    case DialogControl::GroupBox:
        return new QGroupBox(text, panel);
    case DialogControl::ListBox:
        return new QListWidget(panel);
    }
    return nullptr;
}

// The controls of a panel, found by their ids.
class PanelItems : public DialogItems
{
public:
    explicit PanelItems(QWidget *panel)
        : m_panel(panel)
    {
    }

    bool isChecked(int id) const override
    {
        auto *box = find<QCheckBox>(id);
        return box && box->isChecked();
    }
    void setChecked(int id, bool checked) override
    {
        if (auto *box = find<QCheckBox>(id)) {
            const QSignalBlocker quiet(box); // the hook acts on the user's changes only
            box->setChecked(checked);
        }
    }
    void setEnabled(int id, bool enabled) override
    {
        if (auto *widget = find<QWidget>(id))
            widget->setEnabled(enabled);
    }
    QString text(int id) const override
    {
        auto *edit = find<QLineEdit>(id);
        return edit ? edit->text() : QString();
    }
    void setText(int id, const QString &text) override
    {
        if (auto *label = find<QLabel>(id)) {
            label->setText(text);
            fitWrappedText(label);
        } else if (auto *edit = find<QLineEdit>(id)) {
            edit->setText(text);
        }
    }
    void setListItems(int id, const QStringList &items) override
    {
        if (auto *list = find<QListWidget>(id)) {
            const QSignalBlocker quiet(list);
            list->clear();
            list->addItems(items);
        }
    }
    int currentRow(int id) const override
    {
        auto *list = find<QListWidget>(id);
        return list && list->currentItem() && list->currentItem()->isSelected() ? list->currentRow()
                                                                                : -1;
    }
    void setCurrentRow(int id, int row) override
    {
        if (auto *list = find<QListWidget>(id)) {
            const QSignalBlocker quiet(list);
            list->setCurrentRow(row);
        }
    }
    void showError(const QString &caption, const QString &text) override
    {
        ModalSeam::messageBox(m_panel->window(), QMessageBox::Warning, caption, text,
                              QMessageBox::Ok, QMessageBox::Ok);
    }

private:
    template<typename W>
    W *find(int id) const
    {
        return m_panel->findChild<W *>(controlName(id));
    }

    // A help text longer than the template's lines (a German one) takes the lines it needs, the
    // panel growing below it; it never shrinks, so that the panel does not jump between types.
    void fitWrappedText(QLabel *label)
    {
        if (!label->wordWrap())
            return;
        const int more = label->heightForWidth(label->width()) - label->height();
        if (more <= 0)
            return;
        label->resize(label->width(), label->height() + more);
        const int below = label->geometry().bottom() + 1 - m_panel->height();
        if (below > 0)
            m_panel->setFixedHeight(m_panel->height() + below);
    }

    QWidget *m_panel;
};

// The file dialog with its Open check: it runs once the toolkit has accepted the name, as the
// platform's check runs once the platform has.
class LoadFileDialog : public FileDialog
{
public:
    LoadFileDialog(QWidget *parent, const QString &caption, const QString &dir,
                   const QString &filter)
        : FileDialog(parent, caption, dir)
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setNameFilters(fileDialogFilters(filter));
        setFileMode(QFileDialog::ExistingFile);
        giveFileDialogRoom(this);
    }

    std::function<bool()> openCheck;

    void done(int result) override
    {
        if (result == QDialog::Accepted && openCheck && !openCheck())
            return;
        FileDialog::done(result);
    }

    // The panel goes below the toolkit's own controls.
    void addPanel(QWidget *panel)
    {
        if (auto *grid = qobject_cast<QGridLayout *>(layout()))
            grid->addWidget(panel, grid->rowCount(), 0, 1, grid->columnCount());
    }

    void addHelpButton(const std::function<void()> &help)
    {
        auto *button = new QPushButton(QCoreApplication::translate("QObject", "Help"), this);
        button->setObjectName(QStringLiteral("Help Button"));
        connect(button, &QPushButton::clicked, this, help);
        if (auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")))
            buttons->addButton(button, QDialogButtonBox::HelpRole);
    }
};

// Runs the dialog for its parent with the main windows' modal mark raised; the chosen file, or
// empty. A window closed under the dialog takes it along: nothing was chosen then, and nothing
// of the dialog or its panel may be read any more.
QString runLoadDialog(Modal<LoadFileDialog> &dialog, QWidget *parent,
                      const NativeDialogServices &services)
{
    if (services.setModalDialogShown)
        services.setModalDialogShown(true);
    const ModalSeam::Result result = dialog.run(parent, ModalSeam::Kind::FileDialog);
    if (services.setModalDialogShown)
        services.setModalDialogShown(false);
    if (!result.accepted() || !dialog)
        return QString();
    return dialog->selectedFiles().value(0);
}

void connectCheckBoxes(QWidget *panel, const std::function<void(int)> &command)
{
    for (QCheckBox *box : panel->findChildren<QCheckBox *>()) {
        const int id = box->objectName().toInt();
        QObject::connect(box, &QCheckBox::clicked, panel, [command, id] { command(id); });
    }
}

} // namespace

QStringList fileDialogFilters(const QString &toolkitFilter)
{
    constexpr qsizetype kMaxEntryLength = 1024;
    QStringList entries;
    for (const QString &entry : toolkitFilter.split(QLatin1String(";;"), Qt::SkipEmptyParts)) {
        if (entry.size() <= kMaxEntryLength)
            entries.append(entry);
    }
    if (entries.isEmpty())
        entries.append(QCoreApplication::translate("QObject", "All Files (*)"));
    return entries;
}

QWidget *buildTemplatePanel(const DialogTemplate &dialogTemplate, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("template %1").arg(dialogTemplate.id));
    // Dialog units: a quarter of the average letter width, an eighth of the line height.
    const QFontMetrics metrics(panel->font());
    const double letterWidth = metrics.horizontalAdvance(QStringLiteral(
                                   "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                               52.0;
    const double unitX = letterWidth / 4.0;
    const double unitY = metrics.height() / 8.0;
    const auto scaled = [&](int x, int y, int w, int h) {
        return QRect(qRound(x * unitX), qRound(y * unitY), qRound(w * unitX), qRound(h * unitY));
    };
    QLabel *pendingBuddy = nullptr;
    // The frames drawn around boxes, by the area the template gives them.
    std::vector<std::pair<QRect, QWidget *>> frames;
    QRect used;
    for (const DialogControl &control : dialogTemplate.controls) {
        QWidget *widget = makeControl(control, panel);
        if (control.id != -1)
            widget->setObjectName(controlName(control.id));
        QRect geometry = scaled(control.x, control.y, control.width, control.height);
        // The template's sizes fit its own font; a label or box of ours may need more room.
        if (control.kind == DialogControl::Label || control.kind == DialogControl::CheckBox)
            geometry.setWidth(qMax(geometry.width(), widget->sizeHint().width()));
        // A field shorter than its font needs cuts its text: it grows about its middle.
        if (const int short_ = widget->minimumSizeHint().height() - geometry.height();
            control.kind == DialogControl::Edit && short_ > 0)
            geometry.adjust(0, -short_ / 2, 0, short_ - short_ / 2);
        // A box grown for its text takes the frame around it along.
        for (auto &[area, frame] : frames)
            if (area.contains(scaled(control.x, control.y, control.width, control.height)))
                frame->setGeometry(frame->geometry().united(
                    geometry.adjusted(0, 0, qRound(kFrameMargin * unitX), 0)));
        if (control.kind == DialogControl::GroupBox)
            frames.emplace_back(geometry, widget);
        widget->setGeometry(geometry);
        used |= geometry;
        // A label's accelerator moves to the control that follows it.
        if (pendingBuddy)
            pendingBuddy->setBuddy(widget);
        pendingBuddy = control.kind == DialogControl::Label &&
                               QString::fromLatin1(control.text).contains(QLatin1Char('&'))
                           ? static_cast<QLabel *>(widget)
                           : nullptr;
        widget->setEnabled(!control.initiallyDisabled);
        if (control.kind == DialogControl::GroupBox)
            widget->lower(); // a frame drawn behind the boxes it surrounds
    }
    for (const auto &frame : frames)
        used |= frame.second->geometry();
    // The template's size, or more where its texts need more room in our font or language.
    panel->setFixedSize(
        scaled(0, 0, dialogTemplate.width, dialogTemplate.height)
            .size()
            .expandedTo(QSize(used.right() + qRound(kFrameMargin * unitX), used.bottom() + 1)));
    return panel;
}

QString nativeStartDirectory(const QString &startDir, QString *initialName)
{
    QString dir = startDir;
    if (dir.startsWith(QLatin1String("file:")))
        dir.remove(0, 5);
    const QFileInfo info(dir);
    if (!dir.isEmpty() && !info.isDir()) {
        if (initialName && initialName->isEmpty() && info.exists())
            *initialName = info.fileName();
        dir = info.absolutePath();
    }
    if (dir.isEmpty() || !QFileInfo(dir).exists())
        return QDir::homePath();
    return dir;
}

QString runNativeLoadImageDialog(NativeLoadImageRequest &request,
                                 const NativeDialogServices &services)
{
    QString initialName = request.initialName;
    const QString startDir = nativeStartDirectory(request.startDir, &initialName);
    const QString caption = request.caption.isNull()
                                ? QCoreApplication::translate("QFileDialog", "Open")
                                : request.caption;
    const QString filter = request.filter.isEmpty()
                               ? QCoreApplication::translate("QFileDialog", "All Files (*)")
                               : request.filter;

    NativeLoadImageState &state = nativeLoadImageState();
    state = NativeLoadImageState();
    state.replaceExisting = request.replaceExisting ? *request.replaceExisting : 0;
    state.symbolsOnly = request.symbolsOnly ? *request.symbolsOnly : 0;
    state.pcMode = request.pcMode ? *request.pcMode : kPcAutoSet;
    state.helpId = request.helpId;

    Modal<LoadFileDialog> dialog(request.parent, caption, startDir, filter);
    dialog->setObjectName(QStringLiteral("native load image dialog"));
    if (!initialName.isEmpty())
        dialog->selectFile(initialName);
    if (request.selectedFilter && !request.selectedFilter->isEmpty())
        dialog->selectNameFilter(*request.selectedFilter);
    QWidget *panel = buildTemplatePanel(loadImageTemplate(), dialog.get());
    dialog->addPanel(panel);
    PanelItems items(panel);
    loadImageHook::init(items, state);
    connectCheckBoxes(panel, [&](int id) { loadImageHook::command(items, state, id); });
    dialog->openCheck = [&] { return loadImageHook::open(items, state); };
    if (request.helpId)
        dialog->addHelpButton([&] {
            if (services.help)
                services.help(state.helpId);
        });

    const QString chosen = runLoadDialog(dialog, request.parent, services);
    if (chosen.isEmpty())
        return QString();
    const struct
    {
        int *target;
        int value;
    } flags[] = {{request.replaceExisting, state.replaceExisting},
                 {request.symbolsOnly, state.symbolsOnly},
                 {request.pcMode, state.pcMode}};
    for (const auto &f : flags) {
        if (f.target)
            *f.target = f.value;
    }
    const struct
    {
        QString *target;
        const QString &value;
    } texts[] = {{request.sections, state.sections},
                 {request.arguments, state.arguments},
                 {request.offset, state.offset}};
    for (const auto &t : texts) {
        if (t.target)
            *t.target = t.value;
    }
    const QFileInfo file(chosen);
    request.startDir = file.absolutePath();
    if (request.selectedFilter)
        *request.selectedFilter = dialog->selectedNameFilter();
    return file.absoluteFilePath();
}

QString runNativeLoadBinaryDialog(QWidget *parent, const QString &startDir, int helpId,
                                  const QString &choices, const NativeDialogServices &services)
{
    // Every run starts from an empty state: nothing of the last run may reach this command.
    NativeLoadBinaryState &state = nativeLoadBinaryState();
    state = NativeLoadBinaryState();
    state.helpId = helpId;
    for (const LoadChoice &choice : parseLoadChoices(choices)) {
        state.flags.push_back(choice.locationIsOffset);
        state.choices.append(choice.entry);
    }

    Modal<LoadFileDialog> dialog(parent, QCoreApplication::translate("QObject", "Load Binary"),
                                 nativeStartDirectory(startDir, nullptr),
                                 QCoreApplication::translate("QFileDialog", "All Files (*)"));
    dialog->setObjectName(QStringLiteral("native load binary dialog"));
    // The panel's "L&ocation:" holds the toolkit's letter of Open.
    dialog->setLabelText(QFileDialog::Accept, QCoreApplication::translate("QObject", "O&pen"));
    QWidget *panel = buildTemplatePanel(loadBinaryTemplate(), dialog.get());
    dialog->addPanel(panel);
    PanelItems items(panel);
    loadBinaryHook::init(items, state);
    if (auto *list = panel->findChild<QListWidget *>(controlName(kTypeList))) {
        QObject::connect(list, &QListWidget::itemSelectionChanged, panel,
                         [&] { loadBinaryHook::command(items, state, kTypeList); });
    }
    dialog->openCheck = [&] { return loadBinaryHook::open(items, state); };
    if (helpId)
        dialog->addHelpButton([&] {
            if (services.help)
                services.help(state.helpId);
        });

    const QString chosen = runLoadDialog(dialog, parent, services);
    if (chosen.isEmpty())
        return QString();
    QString command = QStringLiteral("readfile,%1,gui \"%2\"")
                          .arg(state.keyword, QDir::toNativeSeparators(chosen));
    if (state.locationGiven)
        command += QLatin1Char('=') + state.location;
    return command;
}

} // namespace tesk::system
