// stringslist: a host for the plug-in and a tool for people who write file types.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <new>
#include <string>
#include <unistd.h>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "host/cli/commands.h"
#include "host/cli/options.h"
#include "host/cli/patterns_guide.h"
#include "host/common/plugin_library.h"
#include "settings/store_layout.h"

namespace {

#ifdef _WIN32
const char PluginFileName[] = "stringslist.dll";
#else
const char PluginFileName[] = "libstringslist.so";
#endif

struct Command {
    const char* Name;
    int (*Run)(const ProgramOptions&, int, char**);
    const char* Usage;
};

int RunHelpCommand(const ProgramOptions&, int, char**);

const Command Commands[] = {
    {"info", RunInfoCommand, "info                        what the plug-in declares to a host"},
    {"match", RunMatchCommand, "match [-i] PATTERN [FILE...]   the lines that the pattern matches"},
    {"expand", RunExpandCommand, "expand PATTERN TEMPLATE [FILE...]   a template expanded on matching lines"},
    {"list", RunListCommand, "list [OPTIONS] FILE         the strings list of a file"},
    {"types", RunTypesCommand, "types list|export|import|set|delete   the file types"},
#ifndef _WIN32
    {"edit", RunEditCommand, "edit FILE                   the file in a terminal editor with the plug-in"},
#endif
    {"help", RunHelpCommand, "help [patterns]             this text, or the pattern language; COMMAND --help: a command's own"},
};

// The program's own table: the options before the command.
const CommandSpec& ProgramSpec()
{
    static const std::string commands = [] {
        std::string text = "commands:\n";
        for (const Command& c : Commands)
            text += "  " + std::string(c.Usage) + "\n";
        return text + "\nKEY: the key below HKEY_CURRENT_USER where the host keeps plug-in settings (default: " +
               ProgramRegistryRoot + ")";
    }();
    static const CommandSpec spec = {
        "",
        "[--plugin PATH] COMMAND [ARGS]\n"
#ifndef _WIN32
        "FILE          (same as: stringslist edit FILE)\n"
#endif
        "--version",
        commands.c_str(),
        {{"--plugin", "PATH", "the plug-in library to load, instead of the one beside the program"},
         {"--version", nullptr, "the program's version"}},
        "COMMAND", 0, -1, true};
    return spec;
}

int RunHelpCommand(const ProgramOptions&, int argc, char** argv)
{
    if (argc == 0) {
        PrintHelp(ProgramSpec());
        return 0;
    }
    if (argc == 1 && !std::strcmp(argv[0], "patterns")) {
        std::fwrite(PatternsGuide, 1, PatternsGuideSize, stdout);  // checked when the program ends
        return 0;
    }
    return UsageError(ProgramSpec(), std::string("help knows one topic, patterns; not \"") + argv[argc - 1] +
                                         "\" (stringslist COMMAND --help says more of a command)");
}

// A lone argument that is no command: a FILE for the editor, or a mistake.
int RunLoneArgument(const ProgramOptions& options, char* arg)
{
    if (access(arg, F_OK) != 0) {
        std::fprintf(stderr, "stringslist: %s: no such file, nor a command (stringslist help lists them)\n", arg);
        return 1;
    }
    if (access(arg, R_OK) != 0) {
        std::fprintf(stderr, "stringslist: cannot read %s: %s\n", arg, std::strerror(errno));
        return 1;
    }
#ifdef _WIN32
    return RunListCommand(options, 1, &arg);  // no terminal editor here: the strings list, printed
#else
    return RunEditCommand(options, 1, &arg);
#endif
}

}  // namespace

int Fail(const std::string& message)
{
    std::fprintf(stderr, "stringslist: %s\n", message.c_str());
    return 1;
}

std::string ProgramDirectory()
{
    char path[4096];
#ifdef _WIN32
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path)
        return ".";
    path[n] = '\0';
    char* slash = std::strrchr(path, '\\');
#else
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    path[n] = '\0';
    char* slash = std::strrchr(path, '/');
#endif
    return slash ? std::string(path, slash) : ".";
}

std::string JoinPath(const std::string& folder, const std::string& relative)
{
    return (std::filesystem::path(folder) / relative).lexically_normal().make_preferred().string();
}

bool LoadPlugin(const ProgramOptions& options, PluginLibrary& library)
{
    std::string error;
    if (!options.PluginPath.empty()) {
        if (library.Load(options.PluginPath, error))
            return true;
        std::fprintf(stderr, "stringslist: %s\n", error.c_str());
        return false;
    }
    // Beside the program, in an installation's lib/stringslist/, or in the build tree's lib/.
    std::string dir = ProgramDirectory();
    for (const char* relative : {"", "../lib/stringslist/", "../lib/"}) {
        std::string path = JoinPath(dir, relative + std::string(PluginFileName));
        if (access(path.c_str(), F_OK) == 0) {
            if (library.Load(path, error))
                return true;
            std::fprintf(stderr, "stringslist: %s\n", error.c_str());
            return false;
        }
    }
    std::fprintf(stderr, "stringslist: cannot find the plug-in %s beside %s; name it with --plugin PATH\n",
                 PluginFileName, dir.c_str());
    return false;
}

namespace {

int RunProgram(int argc, char** argv)
{
    ProgramOptions options;
    int first = 1;  // the command's name: the program's options stand before it
    while (first < argc && argv[first][0] == '-' && argv[first][1])
        first += !std::strcmp(argv[first], "--plugin") && first + 1 < argc ? 2 : 1;
    Arguments args;
    int status = ParseArguments(ProgramSpec(), std::min(first + 1, argc) - 1, argv + 1, args);
    if (args.Has("--version") && status < 0) {
        std::printf("stringslist %s\n", STRINGSLIST_VERSION);
        return 0;
    }
    if (status < 0 && args.Operands.empty())
        status = UsageError(ProgramSpec(), "stringslist needs a COMMAND (stringslist help lists them)");
    if (status >= 0)
        return status;
    if (const std::string* path = args.Value("--plugin"))
        options.PluginPath = *path;
    int i = first;
    for (const Command& c : Commands)
        if (!std::strcmp(argv[i], c.Name))
            return c.Run(options, argc - i - 1, argv + i + 1);
#ifdef _WIN32
    if (!std::strcmp(argv[i], "edit")) {
        std::fprintf(stderr, "stringslist: the terminal editor is not part of stringslist.exe; "
                             "the strings list as text: stringslist list FILE\n");
        return 2;
    }
#endif
    if (i == argc - 1)
        return RunLoneArgument(options, argv[i]);
    return UsageError(ProgramSpec(), std::string("unknown command ") + argv[i]);
}

// Output is buffered: a write that failed (a full disk, /dev/full) is known
// for certain only when the buffer is flushed and the stream closed.
int FinishOutput(int status)
{
    bool failed = std::fflush(stdout) != 0 || std::ferror(stdout);
    int error = errno;
    if (std::fclose(stdout) != 0 && !failed)
        failed = true, error = errno;
    if (!failed)
        return status;
    std::fprintf(stderr, "stringslist: cannot write to standard output: %s\n",
                 std::strerror(error ? error : EIO));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Output is the same bytes as elsewhere: no CR added before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // No exception ends the program unexplained: whatever could not be done is
    // said, and nothing was written to the store (a change is written last).
    int status;
    try {
        status = RunProgram(argc, argv);
    } catch (const std::bad_alloc&) {
        status = Fail("out of memory");
    } catch (const std::exception& e) {
        status = Fail(e.what());
    }
    return FinishOutput(status);
}
