#include "programoptions.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace lume {

namespace {

// The options that QGuiApplication and QApplication take for themselves, with "-" or "--", the
// value after a blank or an "=".
constexpr std::array QtOptionsWithValue {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "qwindowicon",
    "qwindowtitle",
    "session",
    "display",
    "name",
    "title",
    "geometry",
    "style",
    "stylesheet",
    "qmljsdebugger",
    "visual",
    "ncols",
    "cmap",
    "fn",
    "font",
    "bg",
    "background",
    "fg",
    "foreground",
    "btn",
    "button",
    "im",
    "inputstyle",
    "graphicssystem",
};
constexpr std::array QtFlags {"reverse", "nograb", "dograb", "widgetcount", "testability", "sync"};

void printUsage(std::FILE *stream, const ProgramIdentity &program)
{
    std::fprintf(stream,
                 "Usage: %s [--help | --version] [Qt options]\n"
                 "%s\n"
                 "Started without options, it opens its window.\n"
                 "\n"
                 "  -h, --help     print this help and exit\n"
                 "  -v, --version  print the program's version and the package's, and exit\n"
                 "Qt's own options (-platform NAME, -style NAME, ...) are passed on to Qt.\n",
                 program.name, program.summary);
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char *const *argv, const ProgramIdentity &program,
                                     std::FILE *out, std::FILE *err)
{
    const char *unknown = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--help" || argument == "-h" || argument == "-help" || argument == "-?") {
            printUsage(out, program);
            return 0;
        }
        if (argument == "--version" || argument == "-v" || argument == "-version") {
            std::fprintf(out, "%s Ver %s (Lume %s)\n", program.name, program.version, LUME_PACKAGE_VERSION);
            return 0;
        }
        if (unknown)
            continue; // a --help or --version further on still wins
        std::string_view option = argument;
        if (option.starts_with("--"))
            option.remove_prefix(2);
        else if (option.starts_with("-"))
            option.remove_prefix(1);
        else {
            unknown = argv[i]; // the programs open no files
            continue;
        }
        const std::string_view name = option.substr(0, option.find('='));
        const auto is = [name](const char *qt) { return name == qt; };
        if (std::any_of(QtFlags.begin(), QtFlags.end(), is))
            continue;
        if (std::any_of(QtOptionsWithValue.begin(), QtOptionsWithValue.end(), is)) {
            if (name.size() == option.size())
                ++i; // its value follows
            continue;
        }
        unknown = argv[i];
    }
    if (unknown) {
        std::fprintf(err, "%s: unknown option or argument: %s\n", program.name, unknown);
        printUsage(err, program);
        return 2;
    }
    return std::nullopt;
}

} // namespace lume
