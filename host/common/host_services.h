// The four services a host lends the plug-in (menu, dialog, message box,
// editor control), as one interface. The startup block holds plain function
// pointers; they reach the one active host through it.
#ifndef STRINGSLIST_HOST_COMMON_HOST_SERVICES_H
#define STRINGSLIST_HOST_COMMON_HOST_SERVICES_H

#include "frame/plugin_interface.h"

class HostServices {
public:
    virtual int Menu(int x, int y, int maxHeight, unsigned flags, const char* title, const char* bottom,
                     const char* help, const int* breakKeys, int* breakCode, const PluginMenuItem* items,
                     int count) = 0;
    virtual int Dialog(int x1, int y1, int x2, int y2, const char* help, PluginDialogItem* items,
                       int count) = 0;
    virtual int Message(unsigned flags, const char* help, const char* const* strings, int count,
                        int buttons) = 0;
    virtual int EditorControl(int command, void* record) = 0;

protected:
    HostServices() = default;
    HostServices(const HostServices&) = delete;
    HostServices& operator=(const HostServices&) = delete;
    // Withdraws the services: a plug-in that calls later gets the failure answers.
    virtual ~HostServices();
};

// Points the block's four services at host and makes it the active one. With no
// active host, menus and dialogs answer -1, message boxes -1, editor control 0;
// an exception thrown by the host gives the same answer, never unwinding
// through the plug-in's frames.
void LendServices(PluginStartupInfo& info, HostServices* host);

#endif
