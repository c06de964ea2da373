// Registry files in the .reg text format: reading REGEDIT4 and version 5.00
// files (ANSI, UTF-8 or UTF-16 with a byte-order mark) into keys and values,
// and writing keys and values back as REGEDIT4.
//
// Values keep their type number and data bytes exactly. A string value (REG_SZ)
// holds its text without the terminating NUL; any byte but NUL round-trips:
// texts with control bytes are written as hex(1): so that the file stays one
// value per line. Names keep every byte; a key path is split at backslashes.
#ifndef STRINGSLIST_PLATFORM_REG_FILE_H
#define STRINGSLIST_PLATFORM_REG_FILE_H

#include <stdint.h>
#include <string>
#include <vector>

// Windows value type numbers.
enum : uint32_t { RegSz = 1, RegExpandSz = 2, RegBinary = 3, RegDword = 4, RegMultiSz = 7 };

struct RegFileValue {
    std::string Name;  // "" is the key's default value, written @=
    uint32_t Type;     // a Windows value type number
    std::string Data;  // the data bytes; for REG_SZ the text without its NUL
};

// A key's path as its names, the hive first.
typedef std::vector<std::string> RegKeyPath;

struct RegFileKey {
    RegKeyPath Path;
    std::vector<RegFileValue> Values;
};

struct RegFileDocument {
    std::vector<RegFileKey> Keys;  // in file order
};

enum RegFileStrictness {
    RegFileLenient,   // a file written by someone else
    RegFileComplete,  // our own store: must end with a line end, so a cut file is caught
};

// Parses the bytes of a .reg file. On failure answers false and sets error to
// "NAME:LINE: what was expected".
bool ParseRegFile(const std::string& bytes, const std::string& fileName, RegFileStrictness strictness,
                  RegFileDocument& document, std::string& error);

// The document as a REGEDIT4 file, keys in the order given.
std::string FormatRegFile(const RegFileDocument& document);

// ASCII case folding as the registry compares names: to upper case.
std::string FoldRegName(const std::string& name);
bool SameRegName(const std::string& a, const std::string& b);
bool SameRegPath(const RegKeyPath& a, const RegKeyPath& b);
// Whether path is top or lies below it.
bool IsRegPathAtOrBelow(const RegKeyPath& path, const RegKeyPath& top);
// Registry order: names folded to upper case, compared byte by byte.
bool RegNameLess(const std::string& a, const std::string& b);
// Parents before children, siblings in registry order.
bool RegPathLess(const RegKeyPath& a, const RegKeyPath& b);

// A path split at its backslashes, and joined again.
RegKeyPath SplitRegPath(const std::string& path);
std::string JoinRegPath(const RegKeyPath& path);

#endif
