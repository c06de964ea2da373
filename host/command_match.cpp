// stringslist match
#include <cstdio>

#include "host/commands.h"

int RunMatchCommand(const ProgramOptions&, int, char**)
{
    std::fprintf(stderr, "stringslist: match is not built yet\n");
    return 2;
}
