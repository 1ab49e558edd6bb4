// What the command line asks for. "--version" and "--help" (also "-h") print and end; any other
// argument names a file, which is opened like the open command; without one a new document
// starts. The toolkit's own options are not among them: they name files like any other.
#pragma once

#include <span>
#include <string>

struct CCommandLineInfo {
    enum class Action {
        FileNew,       // no file named
        FileOpen,      // strFileName names the file to open
        PrintVersion,  // "--version"
        PrintHelp,     // "--help" or "-h"
    };
    Action eAction = Action::FileNew;
    std::string strFileName;  // the name as given, byte for byte
};

// Parses the arguments after the program name. The first "--version", "--help" or "-h" wins over
// everything; otherwise the first argument is the file name and later ones are ignored, as
// the single document takes one file.
CCommandLineInfo ParseCommandLine(std::span<const std::string> args);
