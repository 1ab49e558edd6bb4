#include "command_line_info.h"

CCommandLineInfo ParseCommandLine(std::span<const std::string> args) {
    CCommandLineInfo info;
    for (const std::string& strArg : args) {
        if (strArg == "--version") {
            return {CCommandLineInfo::Action::PrintVersion, {}};
        }
        if (strArg == "--help" || strArg == "-h") {
            return {CCommandLineInfo::Action::PrintHelp, {}};
        }
        if (info.eAction == CCommandLineInfo::Action::FileNew) {
            info.eAction = CCommandLineInfo::Action::FileOpen;
            info.strFileName = strArg;
        }
    }
    return info;
}
