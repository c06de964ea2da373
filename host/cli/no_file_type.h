// The line list writes on standard error when no file type is for a file.
#ifndef STRINGSLIST_HOST_CLI_NO_FILE_TYPE_H
#define STRINGSLIST_HOST_CLI_NO_FILE_TYPE_H

#include <string>

#include "platform/reg_file.h"

// When no type below root is for file by the plug-in's lookup rule: says so
// on standard error, with where the types are and how many (counted in table,
// as ReadRegistryTree gives it), or how to import the shipped ones into an
// empty table.
void ExplainNoFileType(const RegFileDocument& table, const std::string& root, const std::string& file);

#endif
