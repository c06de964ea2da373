// A fixture for the configuration tests: the plug-in under a registry root of
// the test's own (TestTypes), and the file types read and written behind the
// plug-in's back with the registry functions.
#ifndef STRINGSLIST_TESTS_SETTINGS_CONFIG_REGISTRY_H
#define STRINGSLIST_TESTS_SETTINGS_CONFIG_REGISTRY_H

#include <string>
#include <vector>

#include "platform/registry.h"
#include "tests/support/plugin_fixture.h"
#include "tests/support/test_types.h"

// What a type key holds; a missing string value reads as "<missing>".
struct StoredType {
    std::string FileMask, RX, Present;
    bool HasFlags = false;
    DWORD Flags = 0;
    bool operator==(const StoredType& o) const
    {
        return FileMask == o.FileMask && RX == o.RX && Present == o.Present && HasFlags == o.HasFlags &&
               Flags == o.Flags;
    }
};

extern const char Missing[];

class ConfigTest : public PluginTest {
protected:
    void SetUp() override;

    // Writes a type; empty texts are not stored, and Flags only when given.
    void PutType(const std::string& name, const std::string& mask, const std::string& rx,
                 const std::string& present, int flags = -1);
    StoredType ReadType(const std::string& name);
    // One string value of a type, Missing when it has none.
    std::string TypeValue(const std::string& name, const char* value);
    // The subkeys of the table, or of one type, in enumeration order.
    std::vector<std::string> StoredNames(const std::string& below = "");
    // The table key's own string value, where no type should ever write.
    std::string TableValue(const char* name);

    TestTypes Types;
    std::string Root;
    std::string TablePath;
};

#endif
