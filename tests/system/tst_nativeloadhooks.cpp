// The hooks of the platform's load dialogs, driven over a fake set of controls: the option boxes
// keeping each other consistent, what Open takes into the state records, and the choices text.
#include "system/nativeloaddialogs.h"

#include <QDir>
#include <QMap>

#include <gtest/gtest.h>

namespace {

using namespace tesk::system;

class FakeItems : public DialogItems
{
public:
    struct Control
    {
        bool checked = false;
        bool enabled = true;
        QString text;
    };
    QMap<int, Control> controls;
    QStringList listItems;
    int row = -1;
    QStringList errors;

    bool isChecked(int id) const override { return controls.value(id).checked; }
    void setChecked(int id, bool checked) override { controls[id].checked = checked; }
    void setEnabled(int id, bool enabled) override { controls[id].enabled = enabled; }
    QString text(int id) const override { return controls.value(id).text; }
    void setText(int id, const QString &text) override { controls[id].text = text; }
    void setListItems(int, const QStringList &items) override { listItems = items; }
    int currentRow(int) const override { return row; }
    void setCurrentRow(int, int r) override { row = r; }
    void showError(const QString &, const QString &text) override { errors << text; }

    // The user clicks a box: it flips, then the hook hears of it.
    void click(int id, NativeLoadImageState &state)
    {
        controls[id].checked = !controls[id].checked;
        loadImageHook::command(*this, state, id);
    }
    QString boxes() const
    {
        QString s;
        for (int id : {kAutoSetPcBox, kSetPcToEntryBox, kSymbolsOnlyBox, kReplaceExistingBox})
            s += QLatin1Char(controls.value(id).checked ? 'X' : '-') +
                 QString(controls.value(id).enabled ? "" : "d") + QLatin1Char(' ');
        return s.trimmed();
    }
};

TEST(LoadImageHook, OptionBoxesFollowEachOther)
{
    // Boxes written as Auto-Set PC, Set PC to Entry point, Symbols Only, Replace Existing; X
    // checked, d disabled.
    const struct
    {
        int replace;
        int pcMode;
        std::vector<int> clicks;
        const char *boxes;
        int pcAnswer;
    } cases[] = {
        {1, kPcAutoSet, {}, "X Xd - X", kPcAutoSet},
        {0, kPcAutoSet, {}, "X -d - -", kPcAutoSet},
        {0, kPcToEntry, {}, "- X - -", kPcToEntry},
        {1, kPcLeave, {}, "- - - X", kPcLeave},
        // Replace drives Set PC only while Auto-Set PC decides.
        {1, kPcAutoSet, {kReplaceExistingBox}, "X -d - -", kPcAutoSet},
        {1, kPcLeave, {kReplaceExistingBox}, "- - - -", kPcLeave},
        {1, kPcAutoSet, {kAutoSetPcBox}, "- X - X", kPcToEntry},
        {0, kPcLeave, {kAutoSetPcBox}, "X -d - -", kPcAutoSet},
        {1, kPcAutoSet, {kSymbolsOnlyBox}, "- - X X", kPcLeave},
        {0, kPcAutoSet, {kSymbolsOnlyBox, kSymbolsOnlyBox}, "X -d - -", kPcAutoSet},
        {1, kPcLeave, {kSymbolsOnlyBox, kSymbolsOnlyBox}, "X Xd - X", kPcAutoSet},
    };
    for (const auto &c : cases) {
        FakeItems items;
        NativeLoadImageState state;
        state.replaceExisting = c.replace;
        state.pcMode = c.pcMode;
        state.symbolsOnly = 1; // the box opens unchecked all the same
        loadImageHook::init(items, state);
        for (int id : c.clicks)
            items.click(id, state);
        EXPECT_EQ(items.boxes(), QString::fromLatin1(c.boxes))
            << "replace " << c.replace << " mode " << c.pcMode << " clicks " << c.clicks.size();
        ASSERT_TRUE(loadImageHook::open(items, state));
        EXPECT_EQ(state.pcMode, c.pcAnswer);
        EXPECT_EQ(state.replaceExisting, int(items.isChecked(kReplaceExistingBox)));
        EXPECT_EQ(state.symbolsOnly, int(items.isChecked(kSymbolsOnlyBox)));
    }
}

TEST(LoadImageHook, OpenTakesOnlyTheTextsGiven)
{
    FakeItems items;
    NativeLoadImageState state;
    state.offset = QStringLiteral("kept");
    loadImageHook::init(items, state);
    items.setText(kSectionsEdit, QStringLiteral(".text .data"));
    items.setText(kArgumentsEdit, QStringLiteral("-v"));
    ASSERT_TRUE(loadImageHook::open(items, state));
    EXPECT_EQ(state.sections, QStringLiteral(".text .data"));
    EXPECT_EQ(state.arguments, QStringLiteral("-v"));
    EXPECT_EQ(state.offset, QStringLiteral("kept"));
}

TEST(LoadBinaryHook, LocationRulesAtOpen)
{
    const struct
    {
        int row;
        const char *location;
        bool accepted;
        const char *error;
        bool given;
        const char *keyword;
    } cases[] = {
        {0, "", false, "You must supply a valid location", false, ""},
        {1, "", true, nullptr, false, "elf"},
        // Blanks pass the empty-field test and leave no location.
        {0, "   ", true, nullptr, false, "bin"},
        {0, " 0x2000 ", true, nullptr, true, "bin"},
        {0, "0x2000 4", false, "Please enter a valid value in the Location field.", false, ""},
        // Without a type nothing is made, whatever the last run left, and the user is told.
        {-1, "0x10", false,
         "Please select the type of the file from the list before pressing Open.", false, ""},
    };
    for (const auto &c : cases) {
        FakeItems items;
        NativeLoadBinaryState state;
        for (const LoadChoice &choice :
             parseLoadChoices(QStringLiteral("0 bin Binary file\n1 elf ELF file\n"))) {
            state.flags.push_back(choice.locationIsOffset);
            state.choices << choice.entry;
        }
        loadBinaryHook::init(items, state);
        EXPECT_EQ(items.listItems, (QStringList{"bin Binary file", "elf ELF file"}));
        items.row = c.row;
        items.setText(kLocationEdit, QString::fromLatin1(c.location));
        EXPECT_EQ(loadBinaryHook::open(items, state), c.accepted) << c.location;
        EXPECT_EQ(items.errors,
                  c.error ? QStringList{QString::fromLatin1(c.error)} : QStringList());
        if (c.accepted) {
            EXPECT_EQ(state.locationGiven, c.given) << c.location;
            EXPECT_EQ(state.keyword, QString::fromLatin1(c.keyword));
        }
    }
}

TEST(LoadBinaryHook, HelpLineFollowsTheSelectedType)
{
    FakeItems items;
    NativeLoadBinaryState state;
    state.flags = {1, 0};
    state.choices = QStringList{"elf ELF image", "bin Raw binary"};
    loadBinaryHook::init(items, state);
    EXPECT_EQ(items.row, 0);
    EXPECT_EQ(items.text(kLocationHelp),
              QStringLiteral("Location is optional signed offset for adding to address in file."));
    items.row = 1;
    loadBinaryHook::command(items, state, kTypeList);
    EXPECT_EQ(items.text(kLocationHelp),
              QStringLiteral("Specify the start address for loading to."));
}

TEST(LoadChoices, LinesFlagsAndKeywords)
{
    const QList<LoadChoice> choices =
        parseLoadChoices(QStringLiteral("1 elf ELF image\r\n\n0 bin Raw binary\nx hex Intel\n7"));
    ASSERT_EQ(choices.size(), 4);
    EXPECT_EQ(choices[0].locationIsOffset, 1);
    EXPECT_EQ(choices[0].entry, QStringLiteral("elf ELF image"));
    EXPECT_EQ(choices[1].locationIsOffset, 0);
    EXPECT_EQ(choices[2].locationIsOffset, 0); // not a digit
    EXPECT_EQ(loadChoiceKeyword(choices[2].entry), QStringLiteral("hex"));
    EXPECT_EQ(choices[3].entry, QString());
    EXPECT_TRUE(parseLoadChoices(QString()).isEmpty());
}

TEST(NativeStartDirectory, PrefixFilesAndMissingNames)
{
    const QString home = QDir::homePath();
    QString initial;
    EXPECT_EQ(nativeStartDirectory(QStringLiteral("file:/usr"), &initial), QStringLiteral("/usr"));
    EXPECT_EQ(nativeStartDirectory(QStringLiteral("/etc/hostname"), &initial),
              QStringLiteral("/etc"));
    EXPECT_EQ(initial, QStringLiteral("hostname"));
    initial = QStringLiteral("given.elf");
    EXPECT_EQ(nativeStartDirectory(QStringLiteral("file:/etc/hostname"), &initial),
              QStringLiteral("/etc"));
    EXPECT_EQ(initial, QStringLiteral("given.elf"));
    EXPECT_EQ(nativeStartDirectory(QString(), nullptr), home);
    EXPECT_EQ(nativeStartDirectory(QStringLiteral("/no/such/place/x.elf"), nullptr), home);
}

} // namespace
