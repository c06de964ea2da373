// Fuzz target that looks for slow searches: mode byte, pattern (up to 511
// characters) NUL, then a piece of subject repeated to a line of 1023
// characters. libFuzzer's per-input -timeout is the failure; the slowest input
// met so far is written to the file named by SLOWEST_INPUT (when set), for the
// benchmark to time natively.
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include <string>

#include "fuzz/fuzz_input.h"
#include "pattern/pattern.h"

namespace {

double CpuSeconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

double Slowest = 0;

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes)
        out += digits[c >> 4], out += digits[c & 15];
    return out;
}

// mode, pattern and line as hex, and the time under this build, one a line.
void WriteSlowest(unsigned mode, const std::string& pattern, const std::string& line, double seconds)
{
    const char* path = getenv("SLOWEST_INPUT");
    FILE* file = path ? fopen(path, "w") : nullptr;
    if (!file)
        return;
    fprintf(file, "%u\n%s\n%s\n%.0f\n", mode, Hex(pattern).c_str(), Hex(line).c_str(), seconds * 1e6);
    fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    unsigned mode = size ? data[0] & 1 : 1;
    if (size)
        data++, size--;
    std::string text = TakePart(data, size);
    if (text.size() > 511)
        return 0;
    std::string piece(reinterpret_cast<const char*>(data), size), line;
    if (piece.empty())
        piece = "a";
    while (line.size() < 1023)
        line += piece;
    line.resize(1023);
    PatternNode* pattern = CompilePattern(text.c_str());
    if (!pattern)
        return 0;
    int32_t registers[REGISTER_COUNT];
    double start = CpuSeconds();
    SearchLine(pattern, line.data(), static_cast<int>(line.size()), line.data(), registers, mode);
    double seconds = CpuSeconds() - start;
    FreePattern(pattern);
    if (seconds > Slowest) {
        Slowest = seconds;
        WriteSlowest(mode, text, line, seconds);
    }
    return 0;
}
