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

std::string_view UsageText() {
    return "Aufruf: pelvar [DATEI]\n"
           "       pelvar --version | --help | -h\n"
           "\n"
           "Startet das Mühlespiel Pelvar. Eine angegebene DATEI wird geöffnet, aber nicht\n"
           "gelesen: das Spiel bleibt davon unberührt. Eine Datei namens -h wird als ./-h\n"
           "angegeben.\n"
           "\n"
           "  --version  zeigt die Versionsangaben\n"
           "  --help, -h zeigt diese Hilfe\n"
           "\n"
           "Ausführliche Anleitung: man pelvar\n";
}
