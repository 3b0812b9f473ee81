#pragma once
// Windows virtual-key codes: the numbers Edit1 shows for the last key pressed and the pen box
// tells keys apart by. Keys come in as Qt names them (Qt::Key values, written out here as
// numbers so that this table needs no Qt header).
namespace quillo::canvas {

inline constexpr int kVkBackspace = 8;
inline constexpr int kVkEnter = 13;
inline constexpr int kVkShift = 16;
inline constexpr int kVkControl = 17;
inline constexpr int kVkAlt = 18;
inline constexpr int kVkPause = 19;
inline constexpr int kVkCapsLock = 20;
inline constexpr int kVkPageUp = 33;
inline constexpr int kVkPageDown = 34;
inline constexpr int kVkEnd = 35;
inline constexpr int kVkHome = 36;
inline constexpr int kVkLeft = 37;
inline constexpr int kVkRight = 39;
inline constexpr int kVkInsert = 45;
inline constexpr int kVkDelete = 46;
inline constexpr int kVkDivide = 111;  // "/" of the numeric pad
inline constexpr int kVkF1 = 112;
inline constexpr int kVkF12 = 123;

// The virtual-key code of a key, `keypad` when it comes from the numeric pad. Letters give
// their upper-case code, shifted symbols the code of their key on a US keyboard ("!" is the
// key "1"). 0 for a key that has no code.
int virtual_key_code(int qt_key, bool keypad);

}  // namespace quillo::canvas
