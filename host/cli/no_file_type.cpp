// Why list found no file type for a file: the plug-in says only that nothing
// was found, so the program says which store it looked in and what is there.
#include "host/cli/no_file_type.h"

#include <cstdio>

#include "host/cli/commands.h"
#include "settings/file_type_lookup.h"

void ExplainNoFileType(const RegFileDocument& table, const std::string& root, const std::string& file)
{
    size_t count = 0;
    size_t depth = TypesTablePath(root).size() + 1;
    for (const RegFileKey& key : table.Keys)
        if (key.Path.size() == depth)
            count++;
    // The plug-in's own rule; asked only of a table that is there, which it then leaves as it is.
    std::string name;
    if (count > 0 && FindFileTypeName(root.c_str(), file.c_str(), name))
        return;
    std::string place = TypesPlace(root);
    if (count == 0)
        std::fprintf(stderr, "stringslist: there are no file types in %s. %s", place.c_str(),
                     ImportAdvice(root).c_str());
    else
        std::fprintf(stderr, "stringslist: no file type's mask is found in %s; %s holds %zu file type%s "
                             "(stringslist types list shows them)\n",
                     file.c_str(), place.c_str(), count, count == 1 ? "" : "s");
}

