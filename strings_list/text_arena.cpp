// The item texts of one strings-list run, packed into large blocks; see
// text_arena.h.
#include "strings_list/text_arena.h"

#include <cstring>
#include <new>

char* TextArena::Take(size_t size)
{
    if (size <= Room) {
        char* taken = Free;
        Free += size;
        Room -= size;
        return taken;
    }
    // A text larger than a quarter block gets its own, so the shared block stays in use.
    bool own = size > BLOCK_SIZE / 4;
    size_t blockSize = own ? size : static_cast<size_t>(BLOCK_SIZE);
    std::unique_ptr<char[]> block(new (std::nothrow) char[blockSize]);
    if (!block)
        return nullptr;
    char* taken = block.get();
    Blocks.push_back(std::move(block));
    if (!own) {
        Free = taken + size;
        Room = blockSize - size;
    }
    return taken;
}

const char* TextArena::Store(const char* text, size_t length)
{
    char* copy = Take(length + 1);
    if (!copy)
        return nullptr;
    if (length)
        std::memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}
