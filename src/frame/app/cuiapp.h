#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class CuiWinApp;
class UIIdle;

// Start-up, the event loop and the process frame behind the application exports.
namespace tesk::app {

struct StyleFlags
{
    bool wood = false;
    bool metal = false;
};

// Words of a command line: split at runs of blanks (tabs are not separators).
QStringList splitCommandLine(const QString &commandLine);
// The first "-style" word followed by "wood" or "metal" (exactly) selects a style.
StyleFlags styleFlags(const QStringList &words);
// The words handed on to the toolkit: all but the toolkit options that read a file or load
// code named on the command line ("-stylesheet", "-qwindowicon", "-platformpluginpath",
// "-plugin", each with its value whether it follows as a word or after '=', and
// "-testability"), in their one- and two-dash forms. A style sheet such as /dev/zero would
// otherwise be read before the first frame ever shows. "-style wood" and "-style metal" are
// the library's own looks, which it sets itself, and go too. The rest ("-style" with another
// look, "-platform", "-reverse", "-qwindowgeometry", ...) pass unchanged.
QStringList toolkitWords(const QStringList &words);
// "A " and at most 257 bytes of the home area, or of "<Unknown>" when there is none.
QByteArray instanceIdBuffer(const char *home);
// The instance id compared between instances: the buffer from UTF-8, lower-cased.
QString applicationId(const char *home);

// Creates the application object; 1, or 0 when the user declined to share the home area.
int initialise(const char *programName, const char *commandLine);
CuiWinApp *application();
// The styles chosen by "-style" or GIVE_ME_WOOD / GIVE_ME_METAL at start-up.
StyleFlags chosenStyles();
// The arguments the application was created with, program name first.
QStringList arguments();

// Runs the loop; once it ends, deletes the windows the library made and the idle object, and
// its own application when it made one.
int run();
void pump();
int shutdown();

void setFrameCreated(bool created);
bool frameCreated();

UIIdle *idleObject();
bool createIdleObject();
bool deleteIdleObject();

void installMessageHandler();

// The process-wide objects that hold toolkit objects (fonts, icons, pictures, menus) go with
// this function: before the library's own application ends, and at unload while a host's
// application is there.
void setToolkitHoldersEnd(void (*end)());
// The library is unloaded from a process that goes on: ends everything the library made in
// the application (the application too when it is the library's), takes its translations off
// and hands the host's message handler and style back.
void endAtUnload();

} // namespace tesk::app
