// CFileTypes, the file-type table. It holds nothing: the types live in the
// registry and are read afresh at every use.
#ifndef STRINGSLIST_SETTINGS_FILE_TYPES_H
#define STRINGSLIST_SETTINGS_FILE_TYPES_H

class CFileTypes {
public:
    // Runs the configuration menu until it is cancelled. Always 1.
    int ConfigMenu();
};

#endif
