#include "app/command_line.h"

#include <cstring>
#include <string_view>

namespace {

bool IsSet(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

std::string_view ChosenPlatform(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return argv[i + 1];
    const char* variable = std::getenv("QT_QPA_PLATFORM");
    return variable ? variable : "";
}

}  // namespace

const char* const kNoDisplayMessage =
    "tervik: no hay pantalla (DISPLAY o WAYLAND_DISPLAY): ejecútelo en un escritorio, "
    "o sin ventana con -platform offscreen\n";

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "Campo eléctrico y potencial de un segmento cargado: programa para enseñanza de la "
        "física.");
    parser.addHelpOption();
    parser.addVersionOption();
}

bool AsksOnlyForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "-?" ||
            argument == "--help-all" || argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}

bool DisplayAvailable(int argc, char** argv) {
    const std::string_view platform = ChosenPlatform(argc, argv);
    if (platform.starts_with("xcb")) return IsSet("DISPLAY");
    if (platform.starts_with("wayland")) return IsSet("WAYLAND_DISPLAY");
    if (!platform.empty()) return true;  // offscreen, vnc, eglfs...: Qt's own business
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}
