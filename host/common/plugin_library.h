// Loads the plug-in library and finds its six entry points, as any host would.
#ifndef STRINGSLIST_HOST_COMMON_PLUGIN_LIBRARY_H
#define STRINGSLIST_HOST_COMMON_PLUGIN_LIBRARY_H

#include <string>

#include "frame/plugin_interface.h"

class PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // False, with a message for people in error, when the library cannot be
    // loaded or lacks an entry point.
    bool Load(const std::string& path, std::string& error);
    void Unload();

    SetStartupInfoFunc SetStartupInfo = nullptr;
    GetPluginInfoFunc GetPluginInfo = nullptr;
    OpenPluginFunc OpenPlugin = nullptr;
    ConfigureFunc Configure = nullptr;
    ProcessEditorInputFunc ProcessEditorInput = nullptr;
    ClosePluginFunc ClosePlugin = nullptr;

private:
    void* Handle = nullptr;
};

#endif
