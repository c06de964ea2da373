// stringslist types
#include <cstdio>

#include "host/commands.h"

int RunTypesCommand(const ProgramOptions&, int, char**)
{
    std::fprintf(stderr, "stringslist: types is not built yet\n");
    return 2;
}
