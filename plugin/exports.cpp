// The six entry points. They route to the plug-in object and answer their
// fixed results; nothing thrown inside ever crosses into the host, and no
// entry point touches a plug-in object that does not exist.
#include <new>

#include "frame/host_services.h"
#include "plugin/plugin.h"
#include "settings/file_types.h"

static CPlugin* Plugin;

static const char* const MenuStrings[] = {"Strings list"};
static const char* const ConfigStrings[] = {"Strings list setup"};

extern "C" {

PLUGIN_EXPORT void PLUGIN_API SetStartupInfo(const PluginStartupInfo* info)
{
    try {
        if (!info)
            return;
        delete Plugin;  // a second call starts afresh (README, Guarded behaviour)
        Plugin = nullptr;
        CopyStartupInfo(info);
        Plugin = new (std::nothrow) CPlugin;
    } catch (...) {
    }
}

PLUGIN_EXPORT void PLUGIN_API GetPluginInfo(PluginInfoRecord* info)
{
    if (!info)
        return;
    *info = PluginInfoRecord{};
    info->StructSize = sizeof(PluginInfoRecord);
    info->Flags = 14;
    info->MenuStrings = MenuStrings;
    info->MenuStringsCount = 1;
    info->ConfigStrings = ConfigStrings;
    info->ConfigStringsCount = 1;
}

PLUGIN_EXPORT int PLUGIN_API OpenPlugin(int openFrom, int item)
{
    try {
        if (Plugin && openFrom == OPEN_FROM_EDITOR)
            Plugin->RunCommand(item);
    } catch (...) {
    }
    return -1;
}

PLUGIN_EXPORT int PLUGIN_API Configure(int)
{
    try {
        if (Plugin && Plugin->FileTypes)
            Plugin->FileTypes->ConfigMenu();
    } catch (...) {
    }
    return 1;
}

PLUGIN_EXPORT int PLUGIN_API ProcessEditorInput(const void*)
{
    try {
        if (Plugin)
            Plugin->OnEditorInput();
    } catch (...) {
    }
    return 0;
}

PLUGIN_EXPORT void PLUGIN_API ClosePlugin(int)
{
    try {
        delete Plugin;
    } catch (...) {
    }
    Plugin = nullptr;
}

}  // extern "C"
