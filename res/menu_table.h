// The main menu (resource 128) as data: its popups and their items in order. The window
// builds its menu bar from this table.
#pragma once

#include <span>

struct MenuItemTemplate {
    const char* pszText;  // "&" marks the mnemonic; nullptr for a separator
    int nCommandId;       // 0 for a separator
};

struct MenuPopupTemplate {
    const char* pszText;
    std::span<const MenuItemTemplate> items;
};

// The popups of the main menu, left to right.
std::span<const MenuPopupTemplate> MainMenu();
