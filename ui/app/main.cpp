// pelvar: the game window. "--version" and "--help" (or "-h") print and need no display; any
// other argument names a file that is opened like the open command.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>

#include "command_line_info.h"
#include "display_check.h"
#include "pelvar_app.h"
#include "platform_start_guard.h"
#include "standard_descriptors.h"
#include "user_texts.h"
#include "version_info.h"

namespace {
std::vector<std::string> Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

// Prints text on standard output; a write that fails (a full disk, a closed output) is
// reported on standard error and gives the status 1, never a silent 0.
int PrintText(std::string_view text) {
    const bool bWritten = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (std::fflush(stdout) != 0 || !bWritten) {
        std::fputs(TEXT_OUTPUT_FAILED, stderr);
        return 1;
    }
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    // 0. A closed standard descriptor would be taken by the display connection, and the
    // toolkit's warnings would be written into it.
    OpenMissingStandardDescriptors();

    // 1. The version and the help are printed before the toolkit starts: printing needs no
    // window system.
    const CCommandLineInfo info = ParseCommandLine(Arguments(argc, argv));
    if (info.eAction == CCommandLineInfo::Action::PrintVersion) {
        return PrintText(VersionText());
    }
    if (info.eAction == CCommandLineInfo::Action::PrintHelp) {
        return PrintText(TEXT_USAGE);
    }

    // 2. Without a display the toolkit would abort the process; the user gets one line and
    // the status 1 instead.
    if (!IsDisplayReachable()) {
        std::fputs(TEXT_NO_DISPLAY, stderr);
        return 1;
    }

    // 3. The toolkit gets the program's name only. Its own options (-platform, -display,
    // -stylesheet, ...) would otherwise be taken out of the arguments and followed, also into
    // a device or a FIFO; here they name files like any other argument.
    static char szProgramName[] = "pelvar";
    char* toolkitArgv[] = {argc > 0 ? argv[0] : szProgramName, nullptr};
    int nToolkitArgc = 1;
    std::optional<QApplication> application;
    {
        const CPlatformStartGuard guard;
        application.emplace(nToolkitArgc, toolkitArgv);
        guard.RequireScreen();
    }

    // 4. The one application object; a file that cannot be opened ends the program.
    CPelvarApp theApp;
    if (!theApp.InitInstance(QByteArray::fromStdString(info.strFileName))) {
        return 1;
    }
    return theApp.Run();
}
