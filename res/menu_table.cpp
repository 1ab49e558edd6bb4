#include "menu_table.h"

#include <array>

#include "resource_ids.h"

namespace {

constexpr MenuItemTemplate SEPARATOR = {nullptr, 0};

// Popup "&Datei". New, Open and Save have no items: they are reached by keys only.
constexpr std::array<MenuItemTemplate, 3> FILE_ITEMS = {{
    {"&Autoplay", ID_AUTOPLAY},
    SEPARATOR,
    {"&Beenden", ID_APP_EXIT},
}};

// Popup "&Ansicht".
constexpr std::array<MenuItemTemplate, 1> VIEW_ITEMS = {{
    {"S&tatusleiste", ID_VIEW_STATUS_BAR},
}};

// Popup "&Einstellungen".
constexpr std::array<MenuItemTemplate, 1> SETTINGS_ITEMS = {{
    {"&Optionen", ID_OPTIONS},
}};

// Popup "&?".
constexpr std::array<MenuItemTemplate, 1> HELP_ITEMS = {{
    {"Inf&o über Pelvar...", ID_APP_ABOUT},
}};

constexpr std::array<MenuPopupTemplate, 4> POPUPS = {{
    {"&Datei", FILE_ITEMS},
    {"&Ansicht", VIEW_ITEMS},
    {"&Einstellungen", SETTINGS_ITEMS},
    {"&?", HELP_ITEMS},
}};

}  // namespace

std::span<const MenuPopupTemplate> MainMenu() {
    return POPUPS;
}
