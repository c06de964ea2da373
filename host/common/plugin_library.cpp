// Loading the plug-in library (LoadLibrary or dlopen) and finding its six
// entry points by their undecorated names.
#include "host/common/plugin_library.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

#ifdef _WIN32
void* OpenLibrary(const std::string& path, std::string& error)
{
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module)
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return reinterpret_cast<void*>(module);
}

void* FindSymbol(void* handle, const char* name)
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

void CloseLibrary(void* handle)
{
    FreeLibrary(static_cast<HMODULE>(handle));
}
#else
void* OpenLibrary(const std::string& path, std::string& error)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        error = dlerror();
    return handle;
}

void* FindSymbol(void* handle, const char* name)
{
    return dlsym(handle, name);
}

void CloseLibrary(void* handle)
{
    dlclose(handle);
}
#endif

template <typename F>
bool Find(void* handle, const char* name, F& function, const std::string& path, std::string& error)
{
    function = reinterpret_cast<F>(FindSymbol(handle, name));
    if (!function)
        error = path + " is not a strings-list plug-in: it does not export " + name;
    return function != nullptr;
}

}  // namespace

PluginLibrary::~PluginLibrary()
{
    Unload();
}

bool PluginLibrary::Load(const std::string& path, std::string& error)
{
    Unload();
    Handle = OpenLibrary(path, error);
    if (!Handle)
        return false;
    if (Find(Handle, "SetStartupInfo", SetStartupInfo, path, error) &&
        Find(Handle, "GetPluginInfo", GetPluginInfo, path, error) &&
        Find(Handle, "OpenPlugin", OpenPlugin, path, error) &&
        Find(Handle, "Configure", Configure, path, error) &&
        Find(Handle, "ProcessEditorInput", ProcessEditorInput, path, error) &&
        Find(Handle, "ClosePlugin", ClosePlugin, path, error))
        return true;
    Unload();
    return false;
}

void PluginLibrary::Unload()
{
    if (Handle)
        CloseLibrary(Handle);
    Handle = nullptr;
    SetStartupInfo = nullptr;
    GetPluginInfo = nullptr;
    OpenPlugin = nullptr;
    Configure = nullptr;
    ProcessEditorInput = nullptr;
    ClosePlugin = nullptr;
}
