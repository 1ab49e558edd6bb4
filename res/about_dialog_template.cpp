#include "about_dialog_template.h"

#include <array>

#include "resource_ids.h"
#include "version_info.h"

namespace {

// Kind, id, x, y, width, height, text, icon.
constexpr std::array<DialogControlTemplate, 4> CONTROLS = {{
    {DialogControlKind::Icon, IDC_STATIC, 11, 17, 20, 20, nullptr, IDR_MAINFRAME},
    {DialogControlKind::Text, IDC_STATIC, 40, 10, 133, 8, ABOUT_VERSION_LINE, 0},
    {DialogControlKind::Text, IDC_STATIC, 40, 25, 137, 8, COPYRIGHT_NOTICE, 0},
    {DialogControlKind::DefaultPushButton, ABOUT_IDOK, 178, 7, 50, 14, "OK", 0},
}};

constexpr DialogTemplate ABOUT_DIALOG = {
    IDD_ABOUTBOX, "Info über Pelvar", 235, 55, "MS Sans Serif", 8, CONTROLS,
};

}  // namespace

const DialogTemplate& AboutDialogTemplate() {
    return ABOUT_DIALOG;
}
