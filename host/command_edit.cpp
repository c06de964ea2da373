// stringslist edit
#include <cstdio>

#include "host/commands.h"

int RunEditCommand(const ProgramOptions&, int, char**)
{
    std::fprintf(stderr, "stringslist: edit is not built yet\n");
    return 2;
}
