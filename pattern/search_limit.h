// The bound on one table of a search (failed states, live states, what is
// known of leaving first, the backtracking stack). Each grows with pattern x
// line; beyond the bound the search is not made and SearchLineReporting
// answers that it could not search, as it does when memory runs out.
#ifndef STRINGSLIST_PATTERN_SEARCH_LIMIT_H
#define STRINGSLIST_PATTERN_SEARCH_LIMIT_H

#include <stdint.h>

#include <new>

const uint64_t MostSearchTableBytes = uint64_t(1) << 30;

// Throws std::bad_alloc when a table of `count` items of `size` bytes passes the bound.
inline void CheckSearchTable(uint64_t count, uint64_t size)
{
    if (count > MostSearchTableBytes / size || count * size > SIZE_MAX)
        throw std::bad_alloc();
}

#endif
