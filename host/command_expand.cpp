// stringslist expand
#include <cstdio>

#include "host/commands.h"

int RunExpandCommand(const ProgramOptions&, int, char**)
{
    std::fprintf(stderr, "stringslist: expand is not built yet\n");
    return 2;
}
