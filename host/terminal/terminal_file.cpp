// Reading the viewed file; see terminal_file.h.
#include "host/terminal/terminal_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace {

std::string Reason(const std::string& path)
{
    return "cannot read " + path + ": " + std::strerror(errno);
}

}  // namespace

bool ReadViewedFile(const std::string& path, ViewedFile& file, std::string& error)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        error = Reason(path);
        return false;
    }
    // A directory, a pipe or a device has no lines to show, or never ends.
    if (S_ISDIR(status.st_mode)) {
        error = path + " is a directory, not a file";
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        error = path + " is not a regular file";
        return false;
    }
    if (status.st_size > ViewedFileLimit) {
        error = path + " is too large to view (" + std::to_string(status.st_size >> 20) + " MiB; the limit is " +
                std::to_string(ViewedFileLimit >> 20) + " MiB)";
        return false;
    }
    if (!file.Lines.Read(path, error))
        return false;
    // A NUL near the start marks a binary file; the plug-in sees each line up to its first NUL.
    const TextLines& lines = file.Lines;
    size_t seen = 0;
    for (size_t i = 0; i < lines.size() && seen < 65536 && !file.Binary; i++) {
        file.Binary = lines[i].find('\0') != std::string_view::npos;
        seen += lines[i].size() + 1;
    }
    return true;
}
