#pragma once

// How the demo keeps its files in its home area, which a second copy of the demo (started on
// the same home, as a user who starts twice does) may write at the same moment, at a logout
// say, and which a user may have made a link, a pipe or a folder.
//
// - Nothing is opened that could wait: a name that is no regular file (after its links) is
//   refused with a message saying what it is, and a missing file reads as empty.
// - A file is replaced, never written in place: the new contents go to a file of this
//   process's own beside it (a unique name), which is renamed over it. A link is written
//   through: its target gets the new contents and the link stays.
// - The replace reads the file again under a lock that every copy of the demo takes (the lock
//   of the file's folder), so that it keeps what another copy stored meanwhile, and reads the
//   file back before it says the contents are stored.
//
// The library stores its lists (the script list, the event filters) by appending a section
// "[tag]" to a host file, and loads the first section of that tag. A host that stores more than
// once replaces its section instead, so that the file holds one section per tag, the newest.

#include <functional>
#include <string>

namespace demo {

// What a store or read found wrong, for the demo's message: "/home/u/filters.ini is a pipe".
using Why = std::string;

// Whether the file, after its links, is a regular file or missing; else why not.
bool regularOrAbsent(const std::string &file, Why *why = nullptr);

// The whole contents of a regular file (after its links); a missing file is empty. False, with
// the reason, for anything else: it is not waited on.
bool readStoredFile(const std::string &file, std::string &contents, Why *why = nullptr);

// Replaces the contents of the file (its links' target) with compose(what it holds now), read
// under the lock. True only once the file reads back as composed.
bool replaceStoredFile(const std::string &file,
                       const std::function<std::string(const std::string &)> &compose,
                       Why *why = nullptr);

// The library's store function: CuiScriptFiles_Store or CuiFilters_Store.
using SectionStore = int (*)(const char *file, const char *tag);

// Stores the section with the library's function into a scratch file of this process's own
// beside the file, then replaces the file as above with its other sections as they are and this
// section in place of its earlier ones. False, and the file as it was, when the library stored
// no section or the file could not be replaced.
bool storeSection(const std::string &file, const std::string &tag, SectionStore store,
                  Why *why = nullptr);

} // namespace demo
