// The accelerator table (resource 128) as data: virtual-key entries in table order. The
// window binds each entry's key to its command.
#pragma once

#include <span>

// Flags of an entry.
inline constexpr int FVIRTKEY = 0x01;
inline constexpr int FSHIFT = 0x04;
inline constexpr int FCONTROL = 0x08;
inline constexpr int FALT = 0x10;

// Virtual-key codes the table uses (letters are their capital ASCII codes).
inline constexpr int VK_BACK = 0x08;
inline constexpr int VK_INSERT = 0x2D;
inline constexpr int VK_DELETE = 0x2E;
inline constexpr int VK_F6 = 0x75;

struct AcceleratorEntry {
    int fVirt;  // FVIRTKEY combined with the modifier flags
    int nKey;   // virtual-key code
    int nCommandId;
};

std::span<const AcceleratorEntry> MainAccelerators();
