// The plug-in's copy of the startup block and of its registry root, so that a
// host releasing its own never leaves the plug-in reading freed memory; fixed
// fields and dialog items filled from templates.
#include "frame/host_services.h"

#include <cstdio>
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

void CopyText(char* buffer, size_t size, const char* text)
{
    std::snprintf(buffer, size, "%s", text ? text : "");
}

PluginDialogItem MakeDialogItem(const DialogItemTemplate& t)
{
    PluginDialogItem item{};
    item.Type = t.Type;
    item.X1 = t.X1;
    item.Y1 = t.Y1;
    item.X2 = t.X2;
    item.Y2 = t.Y2;
    item.Focus = t.Focus;
    if (t.History)
        item.History = t.History;
    else
        item.Selected = t.Selected;
    item.Flags = t.Flags;
    item.DefaultButton = t.DefaultButton;
    CopyText(item.Data, sizeof item.Data, t.Text);
    return item;
}
