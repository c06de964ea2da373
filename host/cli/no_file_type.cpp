// Why list found no file type for a file: the plug-in says only that nothing
// was found, so the program says which store it looked in and what is there.
#include "host/cli/no_file_type.h"

#include <cstdio>

#include "host/cli/commands.h"
#include "pattern/pattern.h"
#include "settings/store_layout.h"

namespace {

// Whether a type's file mask, as the plug-in reads it, is found in the file name.
bool MaskMatches(const RegFileKey& type, const std::string& fileName)
{
    if (type.Path.back().size() >= TYPE_NAME_SIZE)
        return false;  // the plug-in skips such a type
    for (const RegFileValue& value : type.Values) {
        if (!SameRegName(value.Name, FileMaskValue) || value.Type != RegSz || value.Data.size() >= SETTINGS_TEXT_SIZE)
            continue;
        PatternNode* mask = CompilePattern(value.Data.c_str());
        int32_t registers[REGISTER_COUNT];
        bool found = mask && SearchLine(mask, fileName.c_str(), int(fileName.size()), fileName.c_str(), registers,
                                        1) == 1;
        FreePattern(mask);
        return found;
    }
    return false;
}

}  // namespace

void ExplainNoFileType(const RegFileDocument& table, const std::string& root, const std::string& file)
{
    size_t count = 0;
    size_t depth = TypesTablePath(root).size() + 1;
    for (const RegFileKey& key : table.Keys) {
        if (key.Path.size() != depth)
            continue;
        if (MaskMatches(key, file))
            return;
        count++;
    }
    std::string place = TypesPlace(root);
    if (count == 0)
        std::fprintf(stderr, "stringslist: there are no file types in %s. %s", place.c_str(),
                     ImportAdvice(root).c_str());
    else
        std::fprintf(stderr, "stringslist: no file type's mask is found in %s; %s holds %zu file type%s "
                             "(stringslist types list shows them)\n",
                     file.c_str(), place.c_str(), count, count == 1 ? "" : "s");
}

