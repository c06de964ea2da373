// Machine-readable output of the stringslist program: fields separated by TAB,
// each escaped C-style so that a field never holds a TAB, a line feed or a
// byte a terminal would act on.
#ifndef STRINGSLIST_HOST_CLI_PORCELAIN_H
#define STRINGSLIST_HOST_CLI_PORCELAIN_H

#include <string>
#include <vector>

// "\\" for a backslash, "\t" and "\n", "\xhh" (lower-case hex) for the other
// bytes below 0x20, for 0x7F and for every byte above it; others as they are.
std::string EscapeField(const std::string& field);

// One output line: the fields escaped and joined by TAB, ending with LF.
std::string PorcelainLine(const std::vector<std::string>& fields);

#endif
