// Keys and modifiers of keyboard accelerators. The values are the virtual
// key codes and modifier bits of the common desktop convention, so a key
// table reads as the keyboard does.
#pragma once

namespace platform {

enum class VirtualKey : int {
    L = 'L',
    P = 'P',
    R = 'R',
    S = 'S',
    F7 = 0x76,
};

enum class KeyModifiers : unsigned {
    none = 0,
    control = 1,
    menu = 2,  // Alt
    shift = 4,
    windows = 8,
};

constexpr KeyModifiers operator|(KeyModifiers a, KeyModifiers b) {
    return KeyModifiers(unsigned(a) | unsigned(b));
}

// A key with the modifiers it was declared with.
struct Accelerator {
    VirtualKey key = VirtualKey::L;
    KeyModifiers modifiers = KeyModifiers::none;
    friend bool operator==(const Accelerator&, const Accelerator&) = default;
};

}  // namespace platform
