#pragma once

#include <cstdio>
#include <optional>

namespace lume {

// What a window program says of itself on the command line.
struct ProgramIdentity
{
    const char *name; // "Sketchlume"
    const char *version; // the window title's version: "2.00"
    const char *summary; // one line of what the program does
};

// --help and --version of a window program, answered before any application object exists, so
// that both work without a display. Qt's own options (-platform, -style, ...) are left to Qt.
// Returns the exit status when the program is to end at once (having printed the help, the
// version, or the usage for an option it does not know), nothing when it is to open its window.
[[nodiscard]] std::optional<int> answerCommandLine(int argc, const char *const *argv,
                                                   const ProgramIdentity &program, std::FILE *out = stdout,
                                                   std::FILE *err = stderr);

} // namespace lume
