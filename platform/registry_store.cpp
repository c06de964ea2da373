// Reading and atomically rewriting the stand-in's store file; see
// registry_store.h for the invariant this keeps.
#include "platform/registry_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_bytes.h"

void (*RegistryStoreBeforeRename)() = nullptr;

namespace {

std::string SystemError(const std::string& what, const std::string& path)
{
    return "cannot " + what + " " + path + ": " + std::strerror(errno);
}

std::string ConfigHome()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')  // a relative path is to be ignored
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0])
        return std::string(home) + "/.config";
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir && user->pw_dir[0] ? std::string(user->pw_dir) + "/.config" : "";
}

std::string Directory(const std::string& path)
{
    return path.substr(0, path.rfind('/'));
}

// mkdir -p: creates each missing directory of the path.
bool MakeDirectories(const std::string& dir, std::string& error)
{
    for (size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
        std::string part = dir.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return (error = SystemError("create the directory", part)), false;
        if (slash == std::string::npos)
            return true;
    }
}

// The whole file; a missing file gives "" and exists = false.
bool ReadWholeFile(const std::string& path, std::string& bytes, bool& exists, std::string& error)
{
    int failure = ReadFileBytes(path, bytes);
    exists = failure != ENOENT;
    if (failure && exists)
        error = "cannot read " + path + ": " + std::strerror(failure);
    return !failure || !exists;
}

bool WriteAll(int fd, const std::string& bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// Every parent of a key becomes a key of its own (a .reg file may name only
// the leaves), and keys are ordered parents first, siblings in registry order.
void Normalise(RegFileDocument& document)
{
    std::vector<RegFileKey>& keys = document.Keys;
    for (size_t i = 0, n = keys.size(); i < n; i++)
        for (size_t length = 2; length < keys[i].Path.size(); length++) {
            std::vector<std::string> parent(keys[i].Path.begin(), keys[i].Path.begin() + long(length));
            auto same = [&](const RegFileKey& k) { return SameRegPath(k.Path, parent); };
            if (std::none_of(keys.begin(), keys.end(), same))
                keys.push_back(RegFileKey{parent, {}});
        }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const RegFileKey& a, const RegFileKey& b) { return RegPathLess(a.Path, b.Path); });
}

// Writes the store whole beside the old one, flushes it and renames it over.
bool ReplaceStore(const std::string& path, const RegFileDocument& document, std::string& error)
{
    std::string temporary = path + ".tmp";
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return (error = SystemError("create", temporary)), false;
    bool written = WriteAll(fd, FormatRegFile(document)) && fsync(fd) == 0;
    if (!written)
        error = SystemError("write", temporary);
    if (close(fd) != 0 && written)
        written = false, error = SystemError("write", temporary);
    if (written && RegistryStoreBeforeRename)
        RegistryStoreBeforeRename();
    if (written && rename(temporary.c_str(), path.c_str()) != 0)
        written = false, error = SystemError("replace", path);
    if (!written) {
        unlink(temporary.c_str());
        return false;
    }
    int dirFd = open(Directory(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);  // makes the rename itself durable
        close(dirFd);
    }
    return true;
}

class StoreLock {
public:
    explicit StoreLock(const std::string& path)
    {
        Fd = open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        while (Fd >= 0 && flock(Fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~StoreLock()
    {
        if (Fd >= 0)
            close(Fd);  // releases the lock
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    int Fd;
};

// The file the store's name stands for: the name itself, or where a symbolic
// link leads, so that a rewrite replaces the file and the link stays a link.
// A link that leads nowhere and a directory are refused, not taken for an
// empty store that a write would then replace.
bool ResolveStore(const std::string& path, std::string& file, std::string& error)
{
    struct stat info;
    file = path;
    if (lstat(path.c_str(), &info) != 0)
        return errno == ENOENT || (error = SystemError("find", path), false);
    if (S_ISLNK(info.st_mode)) {
        char* resolved = realpath(path.c_str(), nullptr);
        if (!resolved) {
            char target[4096] = "";
            ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
            target[n > 0 ? n : 0] = '\0';
            error = "the store " + path + " is a symbolic link to " + target + ", which " +
                    (errno == ENOENT ? "does not exist" : "cannot be followed: " + std::string(std::strerror(errno)));
            return false;
        }
        file = resolved;
        std::free(resolved);
        if (stat(file.c_str(), &info) != 0)
            return (error = SystemError("find", file)), false;
    }
    if (S_ISDIR(info.st_mode))
        return (error = "the store " + path + " is a directory, not a file"), false;
    return true;
}

bool ReadStoreAt(const std::string& path, RegFileDocument& document, std::string& error)
{
    std::string bytes, file;
    bool exists;
    if (!ResolveStore(path, file, error) || !ReadWholeFile(file, bytes, exists, error))
        return false;
    document.Keys.clear();
    if (exists && !ParseRegFile(bytes, path, RegFileComplete, document, error))
        return false;
    Normalise(document);
    return true;
}

}  // namespace

std::string RegistryStorePath()
{
    std::string home = ConfigHome();
    return home.empty() ? "" : RegistryStorePathIn(home);
}

std::string RegistryStorePathIn(const std::string& configHome)
{
    return configHome + "/stringslist/registry.reg";
}

bool ReadRegistryStore(RegFileDocument& document, std::string& error)
{
    std::string path = RegistryStorePath();
    if (path.empty())
        return (error = "cannot find the registry store: neither XDG_CONFIG_HOME nor HOME is set"), false;
    return ReadStoreAt(path, document, error);
}

LONG ChangeRegistryStore(const RegistryStoreChange& change, std::string& error)
{
    std::string path = RegistryStorePath();
    if (path.empty())
        return (error = "cannot find the registry store: neither XDG_CONFIG_HOME nor HOME is set"), ERROR_WRITE_FAULT;
    if (!MakeDirectories(Directory(path), error))
        return ERROR_ACCESS_DENIED;
    std::string file;
    if (!ResolveStore(path, file, error)) {
        error += " (the store is left as it is)";
        return ERROR_ACCESS_DENIED;
    }
    StoreLock lock(file);
    if (lock.Fd < 0)
        return (error = SystemError("lock", file + ".lock") + " (the store is left as it is)"), ERROR_ACCESS_DENIED;
    RegFileDocument document;
    if (!ReadStoreAt(path, document, error)) {
        error += " (the store is left as it is)";
        return ERROR_BADDB;
    }
    bool changed = false;
    LONG status = change(document, changed);
    if (status != ERROR_SUCCESS || !changed)
        return status;
    Normalise(document);
    if (ReplaceStore(file, document, error))
        return ERROR_SUCCESS;
    error += " (the store is left as it is)";
    return ERROR_WRITE_FAULT;
}
