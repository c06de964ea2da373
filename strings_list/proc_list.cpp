#include "strings_list/proc_list.h"

#include "frame/plugin.h"

int RunProcList(CPlugin* plugin)
{
    return plugin->ChosenLine;
}
