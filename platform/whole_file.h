// Writing a file whole, so that at every moment it is either the old file or
// the new one, never a cut one: the bytes go to a temporary beside it, are
// flushed and the temporary is renamed over the file. An existing file keeps
// its mode and, where the writer may give it, its owner; the rename gives the
// name a new file, so other hard links to the old one keep the old bytes.
#ifndef STRINGSLIST_PLATFORM_WHOLE_FILE_H
#define STRINGSLIST_PLATFORM_WHOLE_FILE_H

#include <string>

// Writes bytes as the file at path. A symbolic link is written where it
// leads; a file that is not a regular one (a device, a FIFO) is written in
// place, there being nothing to rename over; a directory is an error. On
// failure answers false with a message for people in error, the file as it was.
bool ReplaceWholeFile(const std::string& path, const std::string& bytes, std::string& error);

#ifndef _WIN32
#include <sys/types.h>

// The same for a caller that has resolved path to a regular file or to none
// and names the temporary (it holds a lock over that name): a new file gets
// newMode, less the umask.
bool ReplaceRegularFile(const std::string& file, const std::string& bytes, const std::string& temporary,
                        mode_t newMode, std::string& error);

// For tests: called after the temporary is written and flushed, before it is
// renamed over the file (a crash there must leave the old file whole).
extern void (*WholeFileBeforeRename)();
#endif

#endif
