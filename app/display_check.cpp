#include "app/display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <span>
#include <string_view>

namespace {

const char* Environment(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value ? value : nullptr;
}

// The word after a Qt option such as -platform or -display, if given.
const char* QtOptionValue(int argc, char** argv, std::string_view option) {
    const std::span<char*> words(argv + 1, argc > 0 ? argc - 1 : 0);
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        std::string_view word = words[i];
        if (word.starts_with("--")) word.remove_prefix(1);
        if (word.substr(1) == option) return words[i + 1];
    }
    return nullptr;
}

const char* XDisplay(int argc, char** argv) {
    const char* chosen = QtOptionValue(argc, argv, "display");
    return chosen ? chosen : Environment("DISPLAY");
}

// A set DISPLAY may name no server (a stale variable, a closed forwarding).
bool XServerAnswers(const char* display) {
    if (!display) return false;
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

std::string_view ChosenPlatform(int argc, char** argv) {
    const char* chosen = QtOptionValue(argc, argv, "platform");
    if (!chosen) chosen = Environment("QT_QPA_PLATFORM");
    return chosen ? chosen : "";
}

}  // namespace

bool DisplayAvailable(int argc, char** argv) {
    const std::string_view platform = ChosenPlatform(argc, argv);
    if (platform.starts_with("xcb")) return XServerAnswers(XDisplay(argc, argv));
    if (platform.starts_with("wayland")) return Environment("WAYLAND_DISPLAY");
    if (!platform.empty()) return true;  // offscreen, vnc, eglfs...: Qt's own business
    return XServerAnswers(XDisplay(argc, argv)) || Environment("WAYLAND_DISPLAY");
}

std::string NoDisplayMessage(int argc, char** argv) {
    const char* display = XDisplay(argc, argv);
    const std::string what = display
                                 ? "no se puede abrir la pantalla «" + std::string(display) + "»"
                                 : "no hay pantalla (DISPLAY o WAYLAND_DISPLAY)";
    return "tervik: " + what +
           ": ejecútelo en un escritorio, o sin ventana con -platform offscreen\n";
}
