#include "editor/search_command.h"

int RunSearch(CPlugin*)
{
    return -1;
}
