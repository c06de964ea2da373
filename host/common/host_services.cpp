// The service trampolines of the startup block; see host_services.h.
#include "host/common/host_services.h"

namespace {

HostServices* Active;

template <typename F>
int Guarded(int failure, F call)
{
    try {
        return Active ? call() : failure;
    } catch (...) {
        return failure;
    }
}

int PLUGIN_API MenuService(int, int x, int y, int maxHeight, unsigned flags, const char* title,
                           const char* bottom, const char* help, const int* breakKeys, int* breakCode,
                           const PluginMenuItem* items, int count)
{
    return Guarded(-1, [&] {
        return Active->Menu(x, y, maxHeight, flags, title, bottom, help, breakKeys, breakCode, items, count);
    });
}

int PLUGIN_API DialogService(int, int x1, int y1, int x2, int y2, const char* help, PluginDialogItem* items,
                             int count)
{
    return Guarded(-1, [&] { return Active->Dialog(x1, y1, x2, y2, help, items, count); });
}

int PLUGIN_API MessageService(int, unsigned flags, const char* help, const char* const* strings, int count,
                              int buttons)
{
    return Guarded(-1, [&] { return Active->Message(flags, help, strings, count, buttons); });
}

int PLUGIN_API EditorService(int command, void* record)
{
    return Guarded(0, [&] { return Active->EditorControl(command, record); });
}

}  // namespace

HostServices::~HostServices()
{
    if (Active == this)
        Active = nullptr;
}

void LendServices(PluginStartupInfo& info, HostServices* host)
{
    Active = host;
    info.Menu = MenuService;
    info.Dialog = DialogService;
    info.Message = MessageService;
    info.EditorControl = EditorService;
}
