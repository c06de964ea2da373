// The plug-in's copy of the host's startup-information block and its registry
// root. Every host service is called through this copy.
#ifndef STRINGSLIST_FRAME_HOST_SERVICES_H
#define STRINGSLIST_FRAME_HOST_SERVICES_H

#include "frame/plugin_interface.h"

extern PluginStartupInfo StartupInfo;

// Copies the block; the copy's registry root points at the plug-in's own copy
// of the string, which outlives the host's block. A null root reads as "".
void CopyStartupInfo(const PluginStartupInfo* info);

// The registry root, never null.
const char* GetRegistryRoot();

#endif
