// The headless engine command: perft, children, search, go and bench on positions given in
// text form. Kept apart from main so that tests can run it on argument lists.
#pragma once

#include <ostream>
#include <string>
#include <vector>

inline constexpr int EXIT_BAD_ARGUMENTS = 2;
// The status of pelvar-engine when writing to standard output or standard error failed.
inline constexpr int EXIT_WRITE_FAILED = 1;

// Runs the sub-command in args (without the program name), writing its lines to out; "--help"
// alone writes the help, which names every sub-command and the manual page, to out.
// Bad arguments get one line on err and the result EXIT_BAD_ARGUMENTS; success gives 0.
int RunEngineCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
