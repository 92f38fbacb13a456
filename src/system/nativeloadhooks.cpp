// The two templates, the choices text and the hooks of the native load dialogs.
#include "system/nativeloaddialogs.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tesk::system {

namespace {

using C = DialogControl;

QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

QStringList words(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.split(blanks, Qt::SkipEmptyParts);
}

} // namespace

// The controls' texts are translated where the panel is built.
const DialogTemplate &loadImageTemplate()
{
    static const DialogTemplate t{
        133,
        310,
        71,
        {
            {1005, C::CheckBox, QT_TRANSLATE_NOOP("QObject", "Symbols Only"), 7, 1, 58, 10, false},
            {1004, C::CheckBox, QT_TRANSLATE_NOOP("QObject", "Replace Existing File(s)"), 78, 1, 89,
             10, false},
            {1000, C::Label, QT_TRANSLATE_NOOP("QObject", "Sections:"), 9, 20, 30, 8, false},
            {1001, C::Edit, "", 54, 18, 143, 12, false},
            {1002, C::Label, QT_TRANSLATE_NOOP("QObject", "Arguments:"), 9, 36, 36, 8, false},
            {1003, C::Edit, "", 54, 34, 143, 12, false},
            {-1, C::Label, QT_TRANSLATE_NOOP("QObject", "Offset:"), 9, 52, 22, 8, false},
            {1016, C::Edit, "", 54, 50, 143, 12, false},
            {-1, C::GroupBox, QT_TRANSLATE_NOOP("QObject", "PC"), 209, 4, 94, 47, false},
            {1021, C::CheckBox, QT_TRANSLATE_NOOP("QObject", "Auto-Set PC"), 215, 18, 55, 10,
             false},
            {1012, C::CheckBox, QT_TRANSLATE_NOOP("QObject", "Set PC to Entry point"), 215, 35, 81,
             10, true},
        }};
    return t;
}

const DialogTemplate &loadBinaryTemplate()
{
    static const DialogTemplate t{
        198,
        287,
        113,
        {
            {1013, C::Label, QT_TRANSLATE_NOOP("QObject", "&Type of File:"), 7, 7, 108, 8, false},
            {1014, C::ListBox, "", 7, 18, 273, 52, false},
            {1015, C::Label, QT_TRANSLATE_NOOP("QObject", "L&ocation:"), 7, 77, 31, 8, false},
            {1016, C::Edit, "", 37, 75, 243, 14, false},
            {1017, C::HelpLabel, "", 37, 91, 243, 15, false},
        }};
    return t;
}

NativeLoadImageState &nativeLoadImageState()
{
    static NativeLoadImageState state;
    return state;
}

NativeLoadBinaryState &nativeLoadBinaryState()
{
    static NativeLoadBinaryState state;
    return state;
}

QList<LoadChoice> parseLoadChoices(const QString &text)
{
    QList<LoadChoice> choices;
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]+"));
    for (const QString &line : text.split(lineBreaks, Qt::SkipEmptyParts)) {
        const int flag = line.at(0).isDigit() ? line.at(0).digitValue() : 0;
        choices.append({flag, line.mid(2)});
    }
    return choices;
}

QString loadChoiceKeyword(const QString &entry)
{
    return words(entry).value(0);
}

// ---- Load Image -----------------------------------------------------------------------------

namespace loadImageHook {

namespace {
// Set PC to Entry point follows Replace Existing while Auto-Set PC decides.
void followReplace(DialogItems &items, NativeLoadImageState &state)
{
    state.replaceExisting = items.isChecked(kReplaceExistingBox);
    items.setChecked(kSetPcToEntryBox, state.replaceExisting);
}
} // namespace

void init(DialogItems &items, NativeLoadImageState &state)
{
    items.setChecked(kReplaceExistingBox, state.replaceExisting);
    if (state.pcMode != kPcAutoSet) {
        items.setChecked(kAutoSetPcBox, false);
        items.setEnabled(kSetPcToEntryBox, true);
        items.setChecked(kSetPcToEntryBox, state.pcMode == kPcToEntry);
    } else {
        items.setChecked(kAutoSetPcBox, true);
        items.setEnabled(kSetPcToEntryBox, true);
        items.setChecked(kSetPcToEntryBox, state.replaceExisting);
        items.setEnabled(kSetPcToEntryBox, false);
    }
    items.setChecked(kSymbolsOnlyBox, false);
}

void command(DialogItems &items, NativeLoadImageState &state, int id)
{
    switch (id) {
    case kReplaceExistingBox:
        if (items.isChecked(kAutoSetPcBox))
            followReplace(items, state);
        break;
    case kSymbolsOnlyBox:
        if (items.isChecked(kSymbolsOnlyBox)) {
            items.setChecked(kSetPcToEntryBox, false);
            items.setEnabled(kSetPcToEntryBox, true);
            items.setChecked(kAutoSetPcBox, false);
            items.setEnabled(kAutoSetPcBox, true);
        } else {
            items.setChecked(kAutoSetPcBox, true);
            items.setEnabled(kAutoSetPcBox, true);
            items.setChecked(kSetPcToEntryBox, items.isChecked(kReplaceExistingBox));
            items.setEnabled(kSetPcToEntryBox, false);
        }
        break;
    case kAutoSetPcBox:
        if (items.isChecked(kAutoSetPcBox)) {
            items.setEnabled(kSetPcToEntryBox, false);
            followReplace(items, state);
        } else {
            items.setEnabled(kSetPcToEntryBox, true);
        }
        break;
    default:
        break;
    }
}

bool open(DialogItems &items, NativeLoadImageState &state)
{
    state.replaceExisting = items.isChecked(kReplaceExistingBox);
    state.symbolsOnly = items.isChecked(kSymbolsOnlyBox);
    state.pcMode = items.isChecked(kAutoSetPcBox)      ? kPcAutoSet
                   : items.isChecked(kSetPcToEntryBox) ? kPcToEntry
                                                       : kPcLeave;
    const struct
    {
        int id;
        QString *text;
    } texts[] = {{kSectionsEdit, &state.sections},
                 {kArgumentsEdit, &state.arguments},
                 {kOffsetEdit, &state.offset}};
    for (const auto &t : texts) {
        const QString value = items.text(t.id);
        if (!value.isEmpty())
            *t.text = value;
    }
    return true;
}

} // namespace loadImageHook

// ---- Load Binary ----------------------------------------------------------------------------

namespace loadBinaryHook {

namespace {
void updateLocationHelp(DialogItems &items, const NativeLoadBinaryState &state)
{
    const int row = items.currentRow(kTypeList);
    if (row < 0 || size_t(row) >= state.flags.size())
        return;
    items.setText(kLocationHelp,
                  state.flags[size_t(row)]
                      ? translated("Location is optional signed offset for adding to address in "
                                   "file.")
                      : translated("Specify the start address for loading to."));
}
} // namespace

void init(DialogItems &items, NativeLoadBinaryState &state)
{
    items.setListItems(kTypeList, state.choices);
    if (!state.choices.isEmpty())
        items.setCurrentRow(kTypeList, 0);
    updateLocationHelp(items, state);
}

void command(DialogItems &items, NativeLoadBinaryState &state, int id)
{
    if (id == kTypeList)
        updateLocationHelp(items, state);
}

bool open(DialogItems &items, NativeLoadBinaryState &state)
{
    // Without a type there is no command to make; the user learns why Open does nothing.
    const QString error = QCoreApplication::translate("loadimagepanel", "Error");
    const int row = items.currentRow(kTypeList);
    if (row < 0 || row >= state.choices.size() || size_t(row) >= state.flags.size()) {
        items.showError(
            error, QCoreApplication::translate("loadimagepanel",
                                               "Please select the type of the file from the list "
                                               "before pressing Open."));
        return false;
    }
    if (items.text(kLocationEdit).isEmpty() && state.flags[size_t(row)] == 0) {
        items.showError(error, QCoreApplication::translate("loadimagepanel",
                                                           "You must supply a valid location"));
        return false;
    }
    state.location = items.text(kLocationEdit).trimmed();
    state.locationGiven = false;
    if (!state.location.isEmpty()) {
        if (words(state.location).size() > 1) {
            items.showError(
                error, QCoreApplication::translate("loadimagepanel",
                                                   "Please enter a valid value in the Location "
                                                   "field."));
            return false;
        }
        state.locationGiven = true;
    }
    state.keyword = loadChoiceKeyword(state.choices.at(row));
    return true;
}

} // namespace loadBinaryHook

} // namespace tesk::system
