// Reading the viewed file; see terminal_file.h.
#include "host/terminal_file.h"

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

void SplitLines(const std::string& text, std::vector<std::string>& lines)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        size_t length = end - start;
        if (end < text.size() && length && text[end - 1] == '\r')
            length--;
        lines.push_back(text.substr(start, length));
        start = end + 1;
    }
}

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
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) {
        error = Reason(path);
        return false;
    }
    std::string text;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0 && text.size() <= ViewedFileLimit)
        text.append(buffer, n);
    bool failed = std::ferror(in);
    std::fclose(in);
    if (failed || text.size() > ViewedFileLimit) {
        error = failed ? Reason(path) : path + " grew too large while it was read";
        return false;
    }
    file.Binary = text.find('\0') < 65536;
    SplitLines(text, file.Lines);
    return true;
}
