// Reading and atomically rewriting the stand-in's store file; see
// registry_store.h for the invariant this keeps.
#include "platform/registry_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <new>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_bytes.h"
#include "platform/whole_file.h"

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

const char* FileKind(mode_t mode)
{
    return S_ISDIR(mode)    ? "a directory"
           : S_ISFIFO(mode) ? "a FIFO"
           : S_ISCHR(mode)  ? "a character device"
           : S_ISBLK(mode)  ? "a block device"
           : S_ISSOCK(mode) ? "a socket"
                            : "of an unknown kind";
}

// A FIFO would block the reader for ever and a device may never end: only a
// regular file is a store.
std::string NotRegular(const std::string& path, const std::string& file, mode_t mode)
{
    if (S_ISDIR(mode))
        return "the store " + path + " is a directory, not a file";
    return "the store " + path + (file == path ? "" : " (" + file + ")") + " is " + FileKind(mode) +
           ", not a regular file";
}

// The file the store's name stands for: the name itself, or where a symbolic
// link leads, so that a rewrite replaces the file and the link stays a link;
// info describes it when it exists. A link that leads nowhere and anything
// but a regular file are refused, not taken for an empty store that a write
// would then replace.
bool ResolveStore(const std::string& path, std::string& file, struct stat& info, bool& exists, std::string& error)
{
    file = path;
    exists = false;
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
    if (!S_ISREG(info.st_mode))
        return (error = NotRegular(path, file, info.st_mode)), false;
    exists = true;
    return true;
}

// The names two paths share from their start.
size_t SharedLength(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    size_t n = 0;
    while (n < a.size() && n < b.size() && SameRegName(a[n], b[n]))
        n++;
    return n;
}

// Every parent of a key becomes a key of its own (a .reg file may name only
// the leaves), and keys are ordered parents first, siblings in registry order.
// Once sorted, the parents a key lacks are exactly those longer than what it
// shares with the key before it (any other would sort between the two), so
// one pass adds them.
void Normalise(RegFileDocument& document)
{
    std::vector<RegFileKey>& keys = document.Keys;
    auto before = [](const RegFileKey& a, const RegFileKey& b) { return RegPathLess(a.Path, b.Path); };
    if (!std::is_sorted(keys.begin(), keys.end(), before))  // a store as written is
        std::stable_sort(keys.begin(), keys.end(), before);
    std::vector<RegFileKey> whole;
    whole.reserve(keys.size());
    for (RegFileKey& key : keys) {
        size_t shared = whole.empty() ? 0 : SharedLength(whole.back().Path, key.Path);
        for (size_t length = std::max<size_t>(shared + 1, 2); length < key.Path.size(); length++)
            whole.push_back(RegFileKey{std::vector<std::string>(key.Path.begin(), key.Path.begin() + long(length)), {}});
        whole.push_back(std::move(key));
    }
    keys = std::move(whole);
}

// The store file read and parsed, sorted and with its parents: info is the
// file as opened, before its bytes were read; `held`, when given, gets the
// file still open (-1 for none). A missing file is an empty store.
bool ReadStoreFile(const std::string& path, const std::string& file, RegFileDocument& document, struct stat& info,
                   std::string& error, int* held = nullptr)
{
    document.Keys.clear();
    if (held)
        *held = -1;
    // Not blocking: a FIFO put in the store's place is refused, not waited on.
    int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        std::memset(&info, 0, sizeof info);
        return errno == ENOENT || (error = SystemError("open", file), false);
    }
    bool ok = fstat(fd, &info) == 0;
    if (!ok)
        error = SystemError("read", file);
    else if (!S_ISREG(info.st_mode))
        ok = false, error = NotRegular(path, file, info.st_mode);
    std::string bytes;
    try {
        if (int failure = ok ? ReadDescriptorBytes(fd, bytes) : 0) {
            errno = failure;
            ok = false;
            error = failure == ENOMEM ? "cannot read the store " + path + ": out of memory" : SystemError("read", file);
        }
        if (held && ok)
            *held = fd;
        else
            close(fd);
        fd = -1;
        ok = ok && ParseRegFile(bytes, path, RegFileComplete, document, error);
        if (ok)
            Normalise(document);
    } catch (const std::bad_alloc&) {
        if (fd >= 0)
            close(fd);
        document.Keys.clear();
        ok = false, error = "cannot read the store " + path + ": out of memory";
    }
    if (!ok && held && *held >= 0)
        close(*held), *held = -1;
    return ok;
}

long long Nanoseconds(const timespec& t)
{
    return (long long)t.tv_sec * 1000000000 + t.tv_nsec;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_nlink == b.st_nlink && a.st_size == b.st_size &&
           Nanoseconds(a.st_mtim) == Nanoseconds(b.st_mtim) && Nanoseconds(a.st_ctim) == Nanoseconds(b.st_ctim);
}

// The clock the kernel stamps files with.
timespec FileClock()
{
    timespec now;
#ifdef CLOCK_REALTIME_COARSE
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
#else
    clock_gettime(CLOCK_REALTIME, &now);
#endif
    return now;
}

// Whether a change after readAt could leave the file's times as they were: a
// change is stamped no earlier than readAt less the file system's time grain
// (a tick; whole seconds where the times show no fractions).
bool MayChangeUnseen(const struct stat& info, const timespec& readAt)
{
    bool wholeSeconds = info.st_mtim.tv_nsec == 0 && info.st_ctim.tv_nsec == 0;
    long long grain = wholeSeconds ? 2000000000LL : 20000000LL;
    return std::max(Nanoseconds(info.st_mtim), Nanoseconds(info.st_ctim)) + grain > Nanoseconds(readAt);
}

// The lock beside the store file. One made by root for a user's store goes
// to the store's owner, who could not lock it again otherwise; only a file
// made here is given away (O_EXCL never follows a link planted there). flock
// needs no write access, so a lock file the writer may only read still serves.
class StoreLock {
public:
    StoreLock(const std::string& file, const struct stat* store)
    {
        std::string name = file + ".lock";
        Fd = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (Fd >= 0 && store) {
            bool given = fchown(Fd, store->st_uid, store->st_gid) == 0;
            (void)given;
        }
        if (Fd < 0 && errno == EEXIST)
            Fd = open(name.c_str(), O_RDWR | O_CLOEXEC);
        if (Fd < 0 && errno == EACCES)
            Fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
        int locked = -1;
        while (Fd >= 0 && (locked = flock(Fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (Fd >= 0 && locked != 0) {
            int reason = errno;
            close(Fd);
            Fd = -1;
            errno = reason;
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

// The last store read, kept while the file is the one it was read from. A
// replaced or changed file shows at once on the file held open (a rename over
// it leaves it without links); a change of what the path leads to (a folder
// moved, a link turned elsewhere) costs a look at the path, taken once a grain.
struct ReadCache {
    std::string Path, File;
    struct stat Info;
    int Fd = -1;
    long long PathSeenAt = 0;
    bool ReadAgain = true;
    std::shared_ptr<const RegistryStoreSnapshot> Store;
};

const long long PathGrain = 20000000;  // ns

std::mutex CacheGuard;
ReadCache Cache;

bool CachedStoreHolds(const std::string& path)
{
    struct stat now;
    return Cache.Store && !Cache.ReadAgain && Cache.Path == path &&
           Nanoseconds(FileClock()) - Cache.PathSeenAt < PathGrain && fstat(Cache.Fd, &now) == 0 &&
           now.st_nlink > 0 && SameFile(Cache.Info, now);
}

void KeepStore(const std::string& path, const std::string& file, const struct stat& info, const timespec& readAt,
               int fd, std::shared_ptr<const RegistryStoreSnapshot> store)
{
    if (Cache.Fd >= 0)
        close(Cache.Fd);
    Cache.Fd = fd;
    Cache.Path = path;
    Cache.File = file;
    Cache.Info = info;
    Cache.PathSeenAt = Nanoseconds(readAt);
    Cache.ReadAgain = fd < 0 || MayChangeUnseen(info, readAt);
    Cache.Store = std::move(store);
}

bool ReadStoreAt(const std::string& path, std::shared_ptr<const RegistryStoreSnapshot>& store, std::string& error)
{
    static const auto empty = std::make_shared<const RegistryStoreSnapshot>(RegFileDocument{});
    std::lock_guard<std::mutex> lock(CacheGuard);
    if (CachedStoreHolds(path)) {
        store = Cache.Store;
        return true;
    }
    std::string file;
    struct stat info;
    bool exists;
    timespec readAt = FileClock();
    if (!ResolveStore(path, file, info, exists, error))
        return false;
    store = empty;
    if (!exists)
        return true;
    if (Cache.Store && !Cache.ReadAgain && Cache.Path == path && Cache.File == file && SameFile(Cache.Info, info)) {
        Cache.PathSeenAt = Nanoseconds(readAt);
        store = Cache.Store;
        return true;
    }
    RegFileDocument document;
    int fd;
    if (!ReadStoreFile(path, file, document, info, error, &fd))
        return false;
    try {
        store = std::make_shared<const RegistryStoreSnapshot>(std::move(document));
    } catch (const std::bad_alloc&) {
        if (fd >= 0)
            close(fd);
        return (error = "cannot read the store " + path + ": out of memory"), false;
    }
    KeepStore(path, file, info, readAt, fd, store);
    return true;
}

}  // namespace

// Sorted, the keys that lead to a key are a chain ending just before it: its
// parent is the chain's key one name shorter. A path repeated in other case
// (only a change can leave one) keeps its subkeys under its first spelling,
// the one Find gives.
RegistryStoreSnapshot::RegistryStoreSnapshot(RegFileDocument sortedWithParents) : Store(std::move(sortedWithParents))
{
    const std::vector<RegFileKey>& keys = Store.Keys;
    SubkeysOf.resize(keys.size());
    std::vector<size_t> chain;
    for (size_t i = 0; i < keys.size(); i++) {
        const std::vector<std::string>& path = keys[i].Path;
        size_t node = i > 0 && SameRegPath(keys[i - 1].Path, path) ? chain.back() : i;
        while (!chain.empty() && keys[chain.back()].Path.size() >= path.size())
            chain.pop_back();
        bool hasParent = !chain.empty() && keys[chain.back()].Path.size() + 1 == path.size() &&
                         SameRegName(keys[chain.back()].Path[0], path[0]);
        if (hasParent) {
            SubkeysOf[chain.back()].push_back(i);
        } else if (path.size() == 2) {
            std::string hive = FoldRegName(path[0]);
            auto same = [&](const std::pair<std::string, std::vector<size_t>>& h) { return h.first == hive; };
            auto found = std::find_if(HiveSubkeys.begin(), HiveSubkeys.end(), same);
            if (found == HiveSubkeys.end())
                found = HiveSubkeys.insert(HiveSubkeys.end(), {hive, {}});
            found->second.push_back(i);
        }
        chain.push_back(node);
    }
}

const RegFileKey* RegistryStoreSnapshot::Find(const std::vector<std::string>& path) const
{
    auto before = [](const RegFileKey& key, const std::vector<std::string>& p) { return RegPathLess(key.Path, p); };
    auto at = std::lower_bound(Store.Keys.begin(), Store.Keys.end(), path, before);
    return at != Store.Keys.end() && SameRegPath(at->Path, path) ? &*at : nullptr;
}

const std::vector<size_t>& RegistryStoreSnapshot::Subkeys(const std::vector<std::string>& path) const
{
    static const std::vector<size_t> none;
    if (const RegFileKey* key = Find(path))
        return SubkeysOf[size_t(key - Store.Keys.data())];
    if (path.size() == 1)
        for (const auto& hive : HiveSubkeys)
            if (hive.first == FoldRegName(path[0]))
                return hive.second;
    return none;
}

std::string RegistryStorePath()
{
    std::string home = ConfigHome();
    return home.empty() ? "" : RegistryStorePathIn(home);
}

std::string RegistryStorePathIn(const std::string& configHome)
{
    return configHome + "/stringslist/registry.reg";
}

bool ReadRegistryStore(std::shared_ptr<const RegistryStoreSnapshot>& store, std::string& error)
{
    std::string path = RegistryStorePath();
    if (path.empty())
        return (error = "cannot find the registry store: neither XDG_CONFIG_HOME nor HOME is set"), false;
    return ReadStoreAt(path, store, error);
}

bool ReadRegistryStore(RegFileDocument& document, std::string& error)
{
    std::shared_ptr<const RegistryStoreSnapshot> store;
    if (!ReadRegistryStore(store, error))
        return false;
    document = store->Document();
    return true;
}

LONG ChangeRegistryStore(const RegistryStoreChange& change, std::string& error)
{
    const char* const leftAlone = " (the store is left as it is)";
    std::string path = RegistryStorePath();
    if (path.empty())
        return (error = "cannot find the registry store: neither XDG_CONFIG_HOME nor HOME is set"), ERROR_WRITE_FAULT;
    if (!MakeDirectories(Directory(path), error))
        return ERROR_ACCESS_DENIED;
    std::string file;
    struct stat info;
    bool exists;
    if (!ResolveStore(path, file, info, exists, error))
        return (error += leftAlone), ERROR_ACCESS_DENIED;
    StoreLock lock(file, exists ? &info : nullptr);
    if (lock.Fd < 0)
        return (error = SystemError("lock", file + ".lock") + leftAlone), ERROR_ACCESS_DENIED;
    try {
        RegFileDocument document;
        if (!ReadStoreFile(path, file, document, info, error))
            return (error += leftAlone), ERROR_BADDB;
        bool changed = false;
        LONG status = change(document, changed);
        if (status != ERROR_SUCCESS || !changed)
            return status;
        Normalise(document);
        if (ReplaceRegularFile(file, FormatRegFile(document), file + ".tmp", 0600, error))
            return ERROR_SUCCESS;
    } catch (const std::bad_alloc&) {
        return (error = "cannot change the store " + path + ": out of memory" + leftAlone), ERROR_NOT_ENOUGH_MEMORY;
    }
    return (error += leftAlone), ERROR_WRITE_FAULT;
}
