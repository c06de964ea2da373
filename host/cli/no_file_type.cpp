// Why list found no file type for a file: the plug-in says only that nothing
// was found, so the program says which store it looked in and what is there.
#include "host/cli/no_file_type.h"

#include <cstdio>

#include "host/cli/commands.h"

void ExplainNoFileType(size_t typeCount, const std::string& root, const std::string& file)
{
    std::string place = TypesPlace(root);
    if (typeCount == 0)
        std::fprintf(stderr, "stringslist: there are no file types in %s. %s", place.c_str(),
                     ImportAdvice(root).c_str());
    else
        std::fprintf(stderr, "stringslist: no file type's mask is found in %s; %s holds %zu file type%s "
                             "(stringslist types list shows them)\n",
                     file.c_str(), place.c_str(), typeCount, typeCount == 1 ? "" : "s");
}
