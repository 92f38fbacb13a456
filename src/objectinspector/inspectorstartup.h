#pragma once

// The road by which a real run gets an inspector client: a build made with TESK_INSPECTOR
// (the default) makes one as the library starts, when QT_INSPECTOR_PORT is set, and keeps it
// until the application object goes, the library's loop ends in a host's own application, or
// the library is unloaded, whichever comes first.

class QtObjectInspector;

namespace tesk::inspector {

// Whether this build makes the client at start-up.
bool clientAtStartUp();
// Called once the application object exists: makes the client when the build allows it and
// the variable is set (a value that is no port leaves it inert, with its warning). A second
// start-up keeps the first client.
void startClientFromEnvironment();
// The client made at start-up, or null.
QtObjectInspector *startUpClient();
// Ends the client made at start-up, with its hooks, ahead of the application object: the
// host's own application outlives the library's loop and the library itself.
void endClient();

} // namespace tesk::inspector
