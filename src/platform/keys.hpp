#pragma once
// The key codes a terminal delivers and the screens read, as the PC keyboard sent them. An
// extended key arrives as kKeyExtended followed by its scan code; most screens test only the
// scan code, so the capitals H, P, K and M move the cursor as the arrows do.

namespace halvorin {

// Keys that arrive as one byte.
constexpr int kKeyBackspace = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyEnter = 13;
constexpr int kKeyEsc = 27;
constexpr int kKeySpace = 32;

// The first byte of an extended key.
constexpr int kKeyExtended = 0;

// Scan codes, the second byte of an extended key.
constexpr int kKeyF1 = 59;  // F1 to F10 are 59 to 68
constexpr int kKeyHome = 71;
constexpr int kKeyUp = 72;
constexpr int kKeyPgUp = 73;
constexpr int kKeyLeft = 75;
constexpr int kKeyPad5 = 76;  // the keypad's 5 without NumLock
constexpr int kKeyRight = 77;
constexpr int kKeyEnd = 79;
constexpr int kKeyDown = 80;
constexpr int kKeyPgDn = 81;
constexpr int kKeyIns = 82;
constexpr int kKeyDel = 83;

}  // namespace halvorin
