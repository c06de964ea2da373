// Reading a whole file; see file_bytes.h. The size the system gives is only a
// hint for the first allocation (a pipe or a growing file says nothing true),
// so the read goes on to the end, the block doubling when it is full.
#include "platform/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

// The bytes the file claims to hold, or a first piece when it claims nothing useful.
size_t FirstSize(std::FILE* file)
{
    struct stat info;
    const size_t piece = 64 * 1024;
    if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0)
        return piece;
    unsigned long long size = static_cast<unsigned long long>(info.st_size);
    return size + 1 < std::string().max_size() ? static_cast<size_t>(size) + 1 : piece;  // +1 meets the end
}

int ReadOpenFile(std::FILE* file, std::string& bytes)
{
    bytes.resize(FirstSize(file));
    size_t used = 0;
    for (;;) {
        used += std::fread(&bytes[used], 1, bytes.size() - used, file);
        if (used < bytes.size())
            break;
        bytes.resize(bytes.size() * 2);
    }
    bytes.resize(used);
    return std::ferror(file) ? (errno ? errno : EIO) : 0;
}

}  // namespace

int ReadFileBytes(const std::string& path, std::string& bytes)
{
    bytes.clear();
    struct stat info;
    if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return EISDIR;  // Windows would not open it, and say only "Permission denied"
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return errno ? errno : ENOENT;
    int error = 0;
    try {
        error = ReadOpenFile(file, bytes);
    } catch (const std::bad_alloc&) {
        error = ENOMEM;
    } catch (const std::length_error&) {
        error = ENOMEM;
    }
    std::fclose(file);
    if (error)
        std::string().swap(bytes);
    return error;
}

#ifndef _WIN32
int ReadDescriptorBytes(int fd, std::string& bytes)
{
    bytes.clear();
    try {
        struct stat info;
        if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
            bytes.reserve(static_cast<size_t>(info.st_size));
        char buffer[64 * 1024];
        for (;;) {
            ssize_t n = read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                int error = errno;
                std::string().swap(bytes);
                return error;
            }
            if (n == 0)
                return 0;
            bytes.append(buffer, static_cast<size_t>(n));
        }
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    std::string().swap(bytes);
    return ENOMEM;
}
#endif
