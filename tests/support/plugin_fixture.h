// A test fixture that drives the built plug-in through its six exports with a
// scripted host: each test starts a fresh plug-in object and closes it after.
#ifndef STRINGSLIST_TESTS_SUPPORT_PLUGIN_FIXTURE_H
#define STRINGSLIST_TESTS_SUPPORT_PLUGIN_FIXTURE_H

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/common/plugin_library.h"
#include "host/scripted/scripted_host.h"
#include "tests/support/temporary_store.h"

class PluginTest : public ::testing::Test {
protected:
    static PluginLibrary& Plugin()
    {
        static PluginLibrary library;
        static bool loaded = [] {
            UseTemporaryStore();
            std::string error;
            bool ok = library.Load(PLUGIN_PATH, error);
            EXPECT_TRUE(ok) << error;
            return ok;
        }();
        if (!loaded)
            throw std::runtime_error("plug-in not loaded");
        return library;
    }

    void SetUp() override { Start(); }
    void TearDown() override { Plugin().ClosePlugin(0); }

    // Hands the plug-in a fresh startup block; a running plug-in object is replaced.
    void Start(const char* registryRoot = "Software\\stringslist-tests")
    {
        Plugin().SetStartupInfo(Host.StartupInfo(registryRoot));
    }

    void Editor(const std::string& fileName, TextLines lines, int cursorLine = 0,
                int cursorColumn = 0)
    {
        Host.Editor.FileName = fileName;
        Host.Editor.Lines = std::move(lines);
        Host.Editor.CursorLine = cursorLine;
        Host.Editor.CursorColumn = cursorColumn;
    }

    int OpenPlugin(int openFrom, int item) { return Plugin().OpenPlugin(openFrom, item); }
    int Configure(int item) { return Plugin().Configure(item); }
    int ProcessEditorInput() { return Plugin().ProcessEditorInput(nullptr); }

    // The editor commands sent, other than reads (GetInfo, GetLine).
    std::vector<EditorCall> EditorWrites() const
    {
        std::vector<EditorCall> writes;
        for (const EditorCall& c : Host.EditorCalls)
            if (c.Command != EDITOR_GET_INFO && c.Command != EDITOR_GET_LINE)
                writes.push_back(c);
        return writes;
    }

    ScriptedHost Host;
};

#endif
