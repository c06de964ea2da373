// stringslist list
#include <cstdio>

#include "host/commands.h"

int RunListCommand(const ProgramOptions&, int, char**)
{
    std::fprintf(stderr, "stringslist: list is not built yet\n");
    return 2;
}
