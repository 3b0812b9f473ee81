#include "canvas/virtual_keys.h"

#include <algorithm>
#include <array>

namespace quillo::canvas {

namespace {

struct KeyCode {
    int qt_key;
    int code;
};

// Keys beyond the printable characters (Qt numbers them from 0x01000000).
constexpr std::array kSpecialKeys{
    KeyCode{0x01000000, 27},  // Escape
    KeyCode{0x01000001, 9},   // Tab
    KeyCode{0x01000002, 9},   // Shift+Tab
    KeyCode{0x01000003, kVkBackspace},
    KeyCode{0x01000004, kVkEnter},  // Return
    KeyCode{0x01000005, kVkEnter},  // Enter of the numeric pad
    KeyCode{0x01000006, kVkInsert},
    KeyCode{0x01000007, kVkDelete},
    KeyCode{0x01000008, kVkPause},
    KeyCode{0x01000009, 44},  // Print Screen
    KeyCode{0x0100000a, 44},  // SysReq shares the Print Screen key
    KeyCode{0x0100000b, 12},  // Clear (numeric pad 5 without Num Lock)
    KeyCode{0x01000010, kVkHome},
    KeyCode{0x01000011, kVkEnd},
    KeyCode{0x01000012, kVkLeft},
    KeyCode{0x01000013, 38},  // Up
    KeyCode{0x01000014, kVkRight},
    KeyCode{0x01000015, 40},  // Down
    KeyCode{0x01000016, kVkPageUp},
    KeyCode{0x01000017, kVkPageDown},
    KeyCode{0x01000020, kVkShift},
    KeyCode{0x01000021, kVkControl},
    KeyCode{0x01000022, 91},  // Meta: the Windows key
    KeyCode{0x01000023, kVkAlt},
    KeyCode{0x01000024, kVkCapsLock},
    KeyCode{0x01000025, 144},     // Num Lock
    KeyCode{0x01000026, 145},     // Scroll Lock
    KeyCode{0x01000053, 91},      // left Windows key
    KeyCode{0x01000054, 92},      // right Windows key
    KeyCode{0x01000055, 93},      // Menu (applications key)
    KeyCode{0x01000058, 47},      // Help
    KeyCode{0x01001103, kVkAlt},  // AltGr
};

// Symbols and the key that types them on a US keyboard, shifted or not.
constexpr std::array kSymbolKeys{
    KeyCode{' ', 32},  KeyCode{'!', '1'},  KeyCode{'@', '2'},  KeyCode{'#', '3'}, KeyCode{'$', '4'},
    KeyCode{'%', '5'}, KeyCode{'^', '6'},  KeyCode{'&', '7'},  KeyCode{'*', '8'}, KeyCode{'(', '9'},
    KeyCode{')', '0'}, KeyCode{';', 186},  KeyCode{':', 186},  KeyCode{'=', 187}, KeyCode{'+', 187},
    KeyCode{',', 188}, KeyCode{'<', 188},  KeyCode{'-', 189},  KeyCode{'_', 189}, KeyCode{'.', 190},
    KeyCode{'>', 190}, KeyCode{'/', 191},  KeyCode{'?', 191},  KeyCode{'`', 192}, KeyCode{'~', 192},
    KeyCode{'[', 219}, KeyCode{'{', 219},  KeyCode{'\\', 220}, KeyCode{'|', 220}, KeyCode{']', 221},
    KeyCode{'}', 221}, KeyCode{'\'', 222}, KeyCode{'"', 222}};

// Keys of the numeric pad that have codes of their own besides the digits (96 + digit).
constexpr std::array kKeypadKeys{KeyCode{'*', 106}, KeyCode{'+', 107}, KeyCode{'-', 109},
                                 KeyCode{'.', 110}, KeyCode{',', 110}, KeyCode{'/', kVkDivide}};

template <std::size_t N>
int look_up(const std::array<KeyCode, N>& table, int qt_key) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [qt_key](const KeyCode& k) { return k.qt_key == qt_key; });
    return found == table.end() ? 0 : found->code;
}

}  // namespace

int virtual_key_code(int qt_key, bool keypad) {
    if (qt_key >= 0x01000030 && qt_key <= 0x01000047) return kVkF1 + (qt_key - 0x01000030);
    const bool digit = qt_key >= '0' && qt_key <= '9';
    if (keypad && digit) return 96 + (qt_key - '0');
    if (keypad)
        if (const int code = look_up(kKeypadKeys, qt_key)) return code;
    if (digit || (qt_key >= 'A' && qt_key <= 'Z')) return qt_key;
    if (qt_key >= 'a' && qt_key <= 'z') return qt_key - 'a' + 'A';
    if (qt_key < 0x01000000) return look_up(kSymbolKeys, qt_key);
    return look_up(kSpecialKeys, qt_key);
}

}  // namespace quillo::canvas
