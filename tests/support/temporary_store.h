// Natively the registry is a file below XDG_CONFIG_HOME: tests that reach it
// through the plug-in work in a store of their own, made once per test
// program and removed at its exit, so the user's store is never touched.
// (Under Wine the prefix lives in the build tree.)
#ifndef STRINGSLIST_TESTS_SUPPORT_TEMPORARY_STORE_H
#define STRINGSLIST_TESTS_SUPPORT_TEMPORARY_STORE_H

#ifndef _WIN32
#include <cstdlib>
#include <string>
#include <unistd.h>
#endif

inline void UseTemporaryStore()
{
#ifndef _WIN32
    static char dir[] = "/tmp/stringslist-test-XXXXXX";  // outlives everything, for atexit
    static bool made = [] {
        if (!mkdtemp(dir))
            return false;
        setenv("XDG_CONFIG_HOME", dir, 1);
        std::atexit([] {
            if (std::system((std::string("rm -rf '") + dir + "'").c_str()) != 0)
                return;
        });
        return true;
    }();
    (void)made;
#endif
}

#endif
