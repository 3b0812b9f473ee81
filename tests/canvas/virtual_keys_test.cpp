#include "canvas/virtual_keys.h"

#include <gtest/gtest.h>

#include "tools/pen_row.h"

namespace quillo::canvas {
namespace {

// Qt's numbers for a few keys (Qt::Key), as the window receives them.
constexpr int kQtF1 = 0x01000030, kQtF2 = 0x01000031, kQtF12 = 0x0100003b, kQtF13 = 0x0100003c;
constexpr int kQtReturn = 0x01000004, kQtEnter = 0x01000005, kQtLeft = 0x01000012;
constexpr int kQtRight = 0x01000014, kQtControl = 0x01000021, kQtMeta = 0x01000022;
constexpr int kQtEscape = 0x01000000, kQtUnknown = 0x01ffffff;

TEST(VirtualKeys, CodesOfTheKeysAUserPresses) {
    EXPECT_EQ(virtual_key_code(kQtF1, false), 112);
    EXPECT_EQ(virtual_key_code(kQtF2, false), 113);
    EXPECT_EQ(virtual_key_code(kQtF12, false), 123);
    EXPECT_EQ(virtual_key_code(kQtF13, false), 124);
    EXPECT_EQ(virtual_key_code(kQtReturn, false), 13);
    EXPECT_EQ(virtual_key_code(kQtEnter, true), 13);
    EXPECT_EQ(virtual_key_code(kQtLeft, false), 37);
    EXPECT_EQ(virtual_key_code(kQtRight, false), 39);
    EXPECT_EQ(virtual_key_code(kQtControl, false), 17);
    EXPECT_EQ(virtual_key_code(kQtEscape, false), 27);
    // Letters give their upper-case code, digits their own; shifted symbols their key's.
    EXPECT_EQ(virtual_key_code('A', false), 65);
    EXPECT_EQ(virtual_key_code('z', false), 90);
    EXPECT_EQ(virtual_key_code('7', false), 55);
    EXPECT_EQ(virtual_key_code('!', false), 49);
    EXPECT_EQ(virtual_key_code(' ', false), 32);
    EXPECT_EQ(virtual_key_code(';', false), 186);
    EXPECT_EQ(virtual_key_code('"', false), 222);
    // The numeric pad has codes of its own for digits and operators.
    EXPECT_EQ(virtual_key_code('7', true), 103);
    EXPECT_EQ(virtual_key_code('/', true), 111);
    EXPECT_EQ(virtual_key_code('/', false), 191);
    EXPECT_EQ(virtual_key_code('*', true), 106);
    // Keys with no code.
    EXPECT_EQ(virtual_key_code(kQtUnknown, false), 0);
    EXPECT_EQ(virtual_key_code(0xC9, false), 0);  // a Latin-1 letter key
}

TEST(VirtualKeys, OnlyTheListedKeysKeepThePenBox) {
    for (int qt_key :
         {0x01000003, kQtReturn, 0x01000020, kQtControl, 0x01000023, 0x01000008, 0x01000024,
          0x01000016, 0x01000017, 0x01000011, 0x01000010, 0x01000006, 0x01000007, kQtF1, kQtF12})
        EXPECT_TRUE(tools::key_keeps_pen_box(virtual_key_code(qt_key, false))) << qt_key;
    EXPECT_TRUE(tools::key_keeps_pen_box(virtual_key_code('/', true)));
    // Letters (also with Ctrl held: Ctrl+V pastes over an emptied box), "/" of the main
    // keyboard, Escape, F13, the Windows key and keys without a code empty it.
    for (int qt_key : {int('V'), int('1'), int('/'), kQtEscape, kQtF13, kQtMeta, kQtUnknown})
        EXPECT_FALSE(tools::key_keeps_pen_box(virtual_key_code(qt_key, false))) << qt_key;
}

}  // namespace
}  // namespace quillo::canvas
