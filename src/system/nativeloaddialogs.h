#pragma once
// The platform's Load Image and Load Binary dialogs: an open-file dialog with an options panel
// below it, built from the library's two dialog templates (133 and 198), whose controls are
// named by their ids. Two hooks keep the options consistent while the user works and copy them
// into process-wide state records when the user presses Open. The hooks speak to the controls
// through DialogItems only, so they can be driven without a dialog.

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace tesk::system {

// ---- Templates ----------------------------------------------------------------------------

struct DialogControl
{
    enum Kind { CheckBox, Label, Edit, GroupBox, ListBox, HelpLabel };
    int id; // -1: not addressed
    Kind kind;
    const char *text;
    int x, y, width, height; // dialog units
    bool initiallyDisabled;
};

struct DialogTemplate
{
    int id;
    int width, height; // dialog units
    std::vector<DialogControl> controls;
};

const DialogTemplate &loadImageTemplate();
const DialogTemplate &loadBinaryTemplate();

// The panel of a template, its controls placed in dialog units of the panel's font and named
// by their ids ("1005"); controls with id -1 carry no name.
QWidget *buildTemplatePanel(const DialogTemplate &dialogTemplate, QWidget *parent);

// Control ids of the templates.
enum LoadImageControl {
    kSectionsEdit = 1001,
    kArgumentsEdit = 1003,
    kReplaceExistingBox = 1004,
    kSymbolsOnlyBox = 1005,
    kSetPcToEntryBox = 1012,
    kOffsetEdit = 1016,
    kAutoSetPcBox = 1021,
};
enum LoadBinaryControl {
    kTypeList = 1014,
    kLocationEdit = 1016,
    kLocationHelp = 1017,
};

// ---- Hooks --------------------------------------------------------------------------------

// What a hook may do with the controls of its panel.
class DialogItems
{
public:
    virtual ~DialogItems() = default;
    virtual bool isChecked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual QString text(int id) const = 0;
    virtual void setText(int id, const QString &text) = 0;
    virtual void setListItems(int id, const QStringList &items) = 0;
    // -1 when no entry is selected.
    virtual int currentRow(int id) const = 0;
    virtual void setCurrentRow(int id, int row) = 0;
    // A refusal of Open, told to the user.
    virtual void showError(const QString &caption, const QString &text) = 0;
};

enum PcMode { kPcAutoSet = 0, kPcToEntry = 1, kPcLeave = 2 };

struct NativeLoadImageState
{
    QString sections;
    QString arguments;
    QString offset;
    int replaceExisting = 0;
    int symbolsOnly = 0;
    int pcMode = kPcAutoSet;
    int helpId = 0;
};

struct LoadChoice
{
    int locationIsOffset; // 0: the location is a required start address
    QString entry;        // "<keyword> <description>"
};

// The host's choices text: one choice a line (empty lines dropped), the first character the
// location flag (a decimal digit; anything else counts as 0), the entry from the third on.
QList<LoadChoice> parseLoadChoices(const QString &text);
// The type keyword of an entry: its first blank-separated word.
QString loadChoiceKeyword(const QString &entry);

struct NativeLoadBinaryState
{
    std::vector<int> flags;
    QStringList choices;
    int helpId = 0;
    QString location;
    bool locationGiven = false;
    QString keyword;
};

NativeLoadImageState &nativeLoadImageState();
NativeLoadBinaryState &nativeLoadBinaryState();

// Each hook: init when the dialog opens, command when a control changes, open when the user
// presses Open (true lets the dialog close).
namespace loadImageHook {
void init(DialogItems &items, NativeLoadImageState &state);
void command(DialogItems &items, NativeLoadImageState &state, int id);
bool open(DialogItems &items, NativeLoadImageState &state);
} // namespace loadImageHook

namespace loadBinaryHook {
void init(DialogItems &items, NativeLoadBinaryState &state);
void command(DialogItems &items, NativeLoadBinaryState &state, int id);
bool open(DialogItems &items, NativeLoadBinaryState &state);
} // namespace loadBinaryHook

// ---- Runners ------------------------------------------------------------------------------

// What the runners need of the library above this layer.
struct NativeDialogServices
{
    void (*help)(int helpId) = nullptr;
    void (*setModalDialogShown)(bool shown) = nullptr;
};

struct NativeLoadImageRequest
{
    QString initialName;
    QString filter;
    QString startDir;
    QWidget *parent = nullptr;
    QString caption;
    QString *selectedFilter = nullptr; // in and out
    int helpId = 0;
    // In and out: the options the dialog opens with and the user's answer.
    int *symbolsOnly = nullptr;
    int *replaceExisting = nullptr;
    int *pcMode = nullptr;
    QString *sections = nullptr;
    QString *arguments = nullptr;
    QString *offset = nullptr;
};

// The chosen absolute file name, or an empty string (cancelled; options untouched).
QString runNativeLoadImageDialog(NativeLoadImageRequest &request,
                                 const NativeDialogServices &services);
// The load command, or an empty string.
QString runNativeLoadBinaryDialog(QWidget *parent, const QString &startDir, int helpId,
                                  const QString &choices, const NativeDialogServices &services);

// Where the dialogs open: a leading "file:" is dropped, a file stands for its directory (and
// names the initial file when none was given), and a text naming nothing that exists for the
// home directory.
QString nativeStartDirectory(const QString &startDir, QString *initialName);

} // namespace tesk::system
