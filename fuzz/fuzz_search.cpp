// Fuzz target: pattern NUL subject. Registers after a search keep their
// invariants, and on small inputs the answer is the reference matcher's.
#include <stdlib.h>
#include <string.h>

#include <string>

#include "fuzz/fuzz_input.h"
#include "pattern/pattern_node.h"
#include "tests/pattern/reference_matcher.h"

namespace {

void CheckRegisters(int found, const int32_t* r, int length)
{
    for (int n = 0; n < GROUP_COUNT; n++) {
        int32_t start = r[n], end = r[GROUP_COUNT + n];
        if (!found && (start != -1 || end != -1))
            abort();
        if ((start == -1) != (end == -1))
            abort();
        if (start != -1 && !(0 <= start && start <= end && end <= length))
            abort();
    }
    if (found && r[0] == -1)
        abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    unsigned mode = size ? data[0] & 1 : 1;
    size_t fromByte = size ? data[0] >> 1 : 0;
    if (size)
        data++, size--;
    std::string text = TakePart(data, size);
    std::string subject(reinterpret_cast<const char*>(data), size < 1023 ? size : 1023);
    PatternNode* pattern = CompilePattern(text.c_str());
    if (!pattern)
        return 0;
    int length = static_cast<int>(subject.size());
    int from = static_cast<int>(fromByte % (subject.size() + 1));
    int32_t registers[REGISTER_COUNT], expected[REGISTER_COUNT];
    int found = SearchLine(pattern, subject.data(), length, subject.data() + from, registers, mode);
    CheckRegisters(found, registers, length);
    if (text.size() <= 24 && subject.size() <= 24) {
        int reference = ReferenceSearch(text.c_str(), subject.data(), length, from, expected, mode, 20000);
        if (reference >= 0 && (reference != found || memcmp(registers, expected, sizeof registers)))
            abort();
    }
    FreePattern(pattern);
    return 0;
}
