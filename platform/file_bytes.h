// A whole file read into memory: the one reader of the programs and the store.
// A folder, a device that fails and a file too big for memory are failures
// with their reason, never an exception.
#ifndef STRINGSLIST_PLATFORM_FILE_BYTES_H
#define STRINGSLIST_PLATFORM_FILE_BYTES_H

#include <string>

// Replaces bytes with the file's. Answers 0, or the errno of the failure to
// open or read it (ENOENT for a missing file, EISDIR for a folder, ENOMEM when
// it does not fit in memory); bytes are then empty.
int ReadFileBytes(const std::string& path, std::string& bytes);

#ifndef _WIN32
// The same for a file already open at fd, from where it stands to its end;
// fd stays open.
int ReadDescriptorBytes(int fd, std::string& bytes);
#endif

#endif
