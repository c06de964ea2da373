// Replacing a file whole on Windows; see whole_file.h. The replaced file's
// attributes and security go with it: the new one has its folder's.
#include "platform/whole_file.h"

#include <windows.h>

namespace {

std::string SystemError(const std::string& what, const std::string& path)
{
    char text[256] = "";
    DWORD code = GetLastError();
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' '))
        text[--n] = '\0';
    return "cannot " + what + " " + path + ": " + (n ? std::string(text) : "error " + std::to_string(code));
}

bool WriteAll(HANDLE file, const std::string& bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        DWORD chunk = DWORD(bytes.size() - done > 1u << 30 ? 1u << 30 : bytes.size() - done), n = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &n, nullptr) || n == 0)
            return false;
        done += n;
    }
    return true;
}

// A device (NUL, CON, a pipe) is written as it is: there is nothing to rename over.
bool WriteIfDevice(const std::string& path, const std::string& bytes, bool& device, std::string& error)
{
    device = false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return true;
    device = GetFileType(file) != FILE_TYPE_DISK;
    bool written = !device || WriteAll(file, bytes);
    if (!written)
        error = SystemError("write", path);
    CloseHandle(file);
    return written;
}

}  // namespace

bool ReplaceWholeFile(const std::string& path, const std::string& bytes, std::string& error)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return (error = "cannot write " + path + ": it is a directory"), false;
    bool device;
    bool written = WriteIfDevice(path, bytes, device, error);
    if (device)
        return written;
    std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return (error = SystemError("create", temporary)), false;
    written = WriteAll(file, bytes) && FlushFileBuffers(file);
    if (!written)
        error = SystemError("write", temporary);
    if (!CloseHandle(file) && written)
        written = false, error = SystemError("write", temporary);
    if (written && !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        written = false, error = SystemError("replace", path);
    if (!written)
        DeleteFileA(temporary.c_str());
    return written;
}
