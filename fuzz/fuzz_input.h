// Splitting a fuzz input into NUL-separated parts: a pattern, a template, a subject.
#ifndef STRINGSLIST_FUZZ_FUZZ_INPUT_H
#define STRINGSLIST_FUZZ_FUZZ_INPUT_H

#include <stddef.h>
#include <stdint.h>

#include <string>

// The next part of the input: up to the next NUL (which is consumed), or the rest.
inline std::string TakePart(const uint8_t*& data, size_t& size)
{
    size_t n = 0;
    while (n < size && data[n])
        n++;
    std::string part(reinterpret_cast<const char*>(data), n);
    size_t used = n < size ? n + 1 : n;
    data += used;
    size -= used;
    return part;
}

#endif
