// Storage for the item texts of one strings-list run: texts are packed into
// large blocks, so a run makes a handful of allocations however many items it
// lists, and everything is released at once when the run ends. A text never
// moves once stored.
#ifndef STRINGSLIST_STRINGS_LIST_TEXT_ARENA_H
#define STRINGSLIST_STRINGS_LIST_TEXT_ARENA_H

#include <cstddef>
#include <memory>
#include <vector>

class TextArena {
public:
    // A NUL-terminated copy of length bytes of text; null when memory ran out.
    const char* Store(const char* text, size_t length);

private:
    enum : size_t { BLOCK_SIZE = 64 * 1024 };
    char* Take(size_t size);

    std::vector<std::unique_ptr<char[]>> Blocks;
    char* Free = nullptr;  // the unused end of the newest block
    size_t Room = 0;
};

#endif
