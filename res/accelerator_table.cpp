#include "accelerator_table.h"

#include <array>

#include "resource_ids.h"

namespace {

// Key, command.
constexpr std::array<AcceleratorEntry, 13> ACCELERATORS = {{
    {FVIRTKEY | FCONTROL, 'N', ID_FILE_NEW},         // Ctrl+N
    {FVIRTKEY | FCONTROL, 'O', ID_FILE_OPEN},        // Ctrl+O
    {FVIRTKEY | FCONTROL, 'S', ID_FILE_SAVE},        // Ctrl+S
    {FVIRTKEY | FCONTROL, 'Z', ID_EDIT_UNDO},        // Ctrl+Z
    {FVIRTKEY | FCONTROL, 'X', ID_EDIT_CUT},         // Ctrl+X
    {FVIRTKEY | FCONTROL, 'C', ID_EDIT_COPY},        // Ctrl+C
    {FVIRTKEY | FCONTROL, 'V', ID_EDIT_PASTE},       // Ctrl+V
    {FVIRTKEY | FALT, VK_BACK, ID_EDIT_UNDO},        // Alt+Backspace
    {FVIRTKEY | FSHIFT, VK_DELETE, ID_EDIT_CUT},     // Shift+Delete
    {FVIRTKEY | FCONTROL, VK_INSERT, ID_EDIT_COPY},  // Ctrl+Insert
    {FVIRTKEY | FSHIFT, VK_INSERT, ID_EDIT_PASTE},   // Shift+Insert
    {FVIRTKEY, VK_F6, ID_NEXT_PANE},                 // F6
    {FVIRTKEY | FSHIFT, VK_F6, ID_PREV_PANE},        // Shift+F6
}};

}  // namespace

std::span<const AcceleratorEntry> MainAccelerators() {
    return ACCELERATORS;
}
