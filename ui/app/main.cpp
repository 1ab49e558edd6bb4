// pelvar: the game window. "--version" and "--help" print and need no display; any other
// argument names a file that is opened like the open command.
#include <cstdio>
#include <string>
#include <vector>

#include <QApplication>

#include "command_line_info.h"
#include "pelvar_app.h"
#include "version_info.h"

namespace {
std::vector<std::string> Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}
}  // namespace

int main(int argc, char** argv) {
    // 1. The version and the help are printed before the toolkit starts: printing needs no
    // window system.
    const CCommandLineInfo printInfo = ParseCommandLine(Arguments(argc, argv));
    if (printInfo.eAction == CCommandLineInfo::Action::PrintVersion) {
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    }
    if (printInfo.eAction == CCommandLineInfo::Action::PrintHelp) {
        std::fwrite(UsageText().data(), 1, UsageText().size(), stdout);
        return 0;
    }

    // 2. The toolkit takes its own options out of argv; what remains may name a file.
    QApplication application(argc, argv);
    const CCommandLineInfo info = ParseCommandLine(Arguments(argc, argv));

    // 3. The one application object; a file that cannot be opened ends the program.
    CPelvarApp theApp;
    if (!theApp.InitInstance(QByteArray::fromStdString(info.strFileName))) {
        return 1;
    }
    return theApp.Run();
}
