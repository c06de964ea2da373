// Keys as the plug-in names them: virtual-key codes, modifier bits for break
// keys, and the key record ProcessEditorInput receives.
#include <gtest/gtest.h>

#include "host/terminal/terminal_keys.h"

namespace {

TEST(KeysTest, BreakKeysAsThePlugInWritesThem)
{
    struct Case {
        Key Pressed;
        int Value;
    } cases[] = {
        {{KeyDelete, {}}, 0x2E},
        {{KeyInsert, {}}, 0x2D},
        {{KeyF4, {}}, 0x73},
        {{KeyEnter, {}}, 0x0D},
        {{KeyF1, {}}, 0x70},
        {{KeyF12, {}}, 0x7B},
        {{KeyChar, "a"}, 'A'},
        {{KeyChar, "A"}, 'A' | BreakKeyShift},
        {{KeyChar, "7"}, '7'},
        {{KeyChar, " "}, ' '},
        {{KeyCtrl, "Y"}, 'Y' | BreakKeyControl},
        {{KeyAlt, "v"}, 'V' | BreakKeyAlt},
        {{KeyCtrlHome, {}}, 0x24 | BreakKeyControl},
        {{KeyBackTab, {}}, 0x09 | BreakKeyShift},
        {{KeyChar, "\xc3\xa9"}, 0},  // no virtual key of its own
        {{KeyResize, {}}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BreakKeyValue(c.Pressed), c.Value) << c.Pressed.Code << " " << c.Pressed.Text;
}

TEST(KeysTest, EditorEventIsAKeyRecord)
{
    EditorKeyEvent event = MakeEditorKeyEvent({KeyChar, "x"});
    EXPECT_EQ(event.EventType, 1);
    EXPECT_EQ(event.KeyDown, 1);
    EXPECT_EQ(event.VirtualKeyCode, 'X');
    EXPECT_EQ(event.Character, 'x');
    EXPECT_EQ(event.ControlKeyState, 0u);
    event = MakeEditorKeyEvent({KeyCtrlEnd, {}});
    EXPECT_EQ(event.VirtualKeyCode, 0x23);
    EXPECT_NE(event.ControlKeyState, 0u);
    EXPECT_EQ(event.Character, 0);
}

}  // namespace
