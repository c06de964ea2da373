#include "frame/host_services.h"

#include <cstring>
#include <string>

PluginStartupInfo StartupInfo;

// The plug-in's own copy: the host may release or change its string.
static std::string RegistryRoot;

void CopyStartupInfo(const PluginStartupInfo* info)
{
    RegistryRoot = info->RegistryRoot ? info->RegistryRoot : "";
    std::memcpy(&StartupInfo, info, sizeof StartupInfo);
    StartupInfo.RegistryRoot = RegistryRoot.c_str();
}

const char* GetRegistryRoot()
{
    return RegistryRoot.c_str();
}
