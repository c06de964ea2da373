// Replacing a file whole outside Windows; see whole_file.h.
#include "platform/whole_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void (*WholeFileBeforeRename)() = nullptr;

namespace {

std::string SystemError(const std::string& what, const std::string& path)
{
    return "cannot " + what + " " + path + ": " + std::strerror(errno);
}

std::string Directory(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// The new file takes the old one's owner (root rewriting a user's file must
// not take it from the user) and then its mode, which a change of owner may
// have cut. Only root may give a file away and anyone may keep a group he is
// in; a writer who may do neither keeps the file, and the mode still follows.
bool TakeOwnerAndMode(int fd, const struct stat& old)
{
    struct stat now;
    if (fstat(fd, &now) != 0)
        return false;
    if (now.st_uid != old.st_uid || now.st_gid != old.st_gid) {
        bool given = fchown(fd, old.st_uid, old.st_gid) == 0 || fchown(fd, uid_t(-1), old.st_gid) == 0;
        (void)given;
    }
    return fchmod(fd, old.st_mode & 07777) == 0;
}

bool WriteInPlace(const std::string& path, const std::string& bytes, std::string& error)
{
    int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return (error = SystemError("open", path)), false;
    bool written = WriteAll(fd, bytes);
    if (!written)
        error = SystemError("write", path);
    if (close(fd) != 0 && written)
        written = false, error = SystemError("write", path);
    return written;
}

}  // namespace

bool ReplaceRegularFile(const std::string& file, const std::string& bytes, const std::string& temporary,
                        mode_t newMode, std::string& error)
{
    struct stat old;
    bool existing = stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A temporary left by a crash goes first: it may belong to another user
    // or be a link planted there, and O_EXCL refuses to follow one.
    if (unlink(temporary.c_str()) != 0 && errno != ENOENT)
        return (error = SystemError("remove the old temporary file", temporary)), false;
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existing ? 0600 : newMode);
    if (fd < 0)
        return (error = SystemError("create", temporary)), false;
    bool written = true;
    if (existing && !TakeOwnerAndMode(fd, old))
        written = false, error = SystemError("give the mode of " + file + " to", temporary);
    if (written && !(WriteAll(fd, bytes) && fsync(fd) == 0))
        written = false, error = SystemError("write", temporary);
    if (close(fd) != 0 && written)
        written = false, error = SystemError("write", temporary);
    if (written && WholeFileBeforeRename)
        WholeFileBeforeRename();
    if (written && rename(temporary.c_str(), file.c_str()) != 0)
        written = false, error = SystemError("replace", file);
    if (!written) {
        unlink(temporary.c_str());
        return false;
    }
    int dirFd = open(Directory(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);  // makes the rename itself durable
        close(dirFd);
    }
    return true;
}

bool ReplaceWholeFile(const std::string& path, const std::string& bytes, std::string& error)
{
    std::string file = path;
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char* resolved = realpath(path.c_str(), nullptr);
        if (!resolved)
            return (error = SystemError("follow the symbolic link", path)), false;
        file = resolved;
        std::free(resolved);
    }
    if (stat(file.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return (error = "cannot write " + path + ": it is a directory"), false;
        if (!S_ISREG(info.st_mode))
            return WriteInPlace(file, bytes, error);
    }
    return ReplaceRegularFile(file, bytes, file + "." + std::to_string(getpid()) + ".tmp", 0666, error);
}
