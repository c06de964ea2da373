// Once the matcher has seen a pattern and a line as long as the next ones, a
// search allocates nothing: its stack and its failed-state memory are reused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "pattern/pattern.h"

namespace {
long Allocations;
}

void* operator new(size_t size)
{
    Allocations++;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, size_t) noexcept
{
    std::free(p);
}

namespace {

TEST(SteadyState, SearchesAllocateNothing)
{
    const char* patterns[] = {
        "^{\\w[\\w_:*&~]+[\\w\\s_:*&~]@\\([\\S\\s]*}|{struct\\s*\\w*[\\S\\s]*[^;]}|{\\#define\\s*\\S*\\([\\S\\s]*}$",
        "(a*)*b", "{{(.)}}*", "{a|a}*b", "((a|)*){x?}*c"};
    const std::string lines[] = {std::string(1000, 'a'), "int main(int argc, char **argv)", "struct foo;",
                                 "#define X(a) a", "aab", ""};
    int32_t registers[REGISTER_COUNT];
    for (const char* text : patterns) {
        PatternNode* pattern = CompilePattern(text);
        ASSERT_TRUE(pattern) << text;
        // The first round, in both modes (a line ruled out in one is searched in the other), may grow the storage.
        for (const std::string& line : lines)
            for (unsigned mode : {1u, 0u})
                SearchLine(pattern, line.data(), static_cast<int>(line.size()), line.data(), registers, mode);
        long before = Allocations;
        for (int round = 0; round < 3; round++)
            for (const std::string& line : lines)
                SearchLine(pattern, line.data(), static_cast<int>(line.size()), line.data(), registers, round & 1);
        EXPECT_EQ(Allocations, before) << text;
        FreePattern(pattern);
    }
}

}  // namespace
