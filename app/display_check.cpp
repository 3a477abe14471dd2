#include "app/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QLibraryInfo>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ranges>
#include <span>
#include <string_view>
#include <vector>

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

// A compositor listens on a socket named by WAYLAND_DISPLAY: a path, or a
// name in XDG_RUNTIME_DIR. A set WAYLAND_DISPLAY may be stale as DISPLAY may.
bool WaylandAnswers(const char* display) {
    if (!display) return false;
    std::string path = display;
    if (!path.starts_with('/')) {
        const char* directory = Environment("XDG_RUNTIME_DIR");
        if (!directory) return false;
        path = std::string(directory) + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return false;
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

// Qt speaks Wayland only through its plugin (libqwayland-*.so, from a package
// of its own), looked for where Qt looks: its own plugin folder, the folders
// of QT_PLUGIN_PATH, and QT_QPA_PLATFORM_PLUGIN_PATH or -platformpluginpath.
bool WaylandPluginInstalled(int argc, char** argv) {
    std::vector<std::filesystem::path> folders{
        QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString() + "/platforms"};
    if (const char* paths = Environment("QT_PLUGIN_PATH"))
        for (const auto part : std::string_view(paths) | std::views::split(':'))
            folders.emplace_back(std::string(part.begin(), part.end()) + "/platforms");
    for (const char* folder : {QtOptionValue(argc, argv, "platformpluginpath"),
                               Environment("QT_QPA_PLATFORM_PLUGIN_PATH")})
        if (folder) folders.emplace_back(folder);
    std::error_code error;
    for (const auto& folder : folders)
        for (const auto& file : std::filesystem::directory_iterator(folder, error))
            if (file.path().filename().string().starts_with("libqwayland")) return true;
    return false;
}

// What keeps the window from X11: empty when the X server answers.
std::string XProblem(const char* display) {
    if (XServerAnswers(display)) return {};
    if (!display) return "no hay pantalla X11 (DISPLAY)";
    return "no se puede abrir la pantalla «" + std::string(display) + "»";
}

// What keeps the window from Wayland: empty when a compositor answers and Qt
// can speak to it.
std::string WaylandProblem(int argc, char** argv, const char* display) {
    const std::string name = display;
    if (!WaylandAnswers(display)) return "no se puede abrir la pantalla Wayland «" + name + "»";
    if (!WaylandPluginInstalled(argc, argv))
        return "la pantalla Wayland «" + name +
               "» necesita el módulo Wayland de Qt, que no está instalado (qt6-wayland)";
    return {};
}

}  // namespace

std::string DisplayProblem(int argc, char** argv) {
    const char* chosen = QtOptionValue(argc, argv, "platform");
    if (!chosen) chosen = Environment("QT_QPA_PLATFORM");
    const char* x = XDisplay(argc, argv);
    const char* wayland = Environment("WAYLAND_DISPLAY");
    std::vector<std::string> problems;  // one for each platform Qt would try
    if (chosen) {
        // "wayland;xcb": Qt takes the first of the list that works.
        for (const auto part : std::string_view(chosen) | std::views::split(';')) {
            const std::string_view platform(part.begin(), part.end());
            if (platform.starts_with("xcb"))
                problems.push_back(XProblem(x));
            else if (platform.starts_with("wayland"))  // libwayland's own default name
                problems.push_back(WaylandProblem(argc, argv, wayland ? wayland : "wayland-0"));
            else
                return {};  // offscreen, vnc, eglfs...: Qt's own business
            if (problems.back().empty()) return {};
        }
    } else if (!x && !wayland) {
        problems.push_back("no hay pantalla (DISPLAY o WAYLAND_DISPLAY)");
    } else {
        if (x) problems.push_back(XProblem(x));
        if (wayland) problems.push_back(WaylandProblem(argc, argv, wayland));
        for (const std::string& problem : problems)
            if (problem.empty()) return {};
    }
    std::string line = "tervik: ";
    for (const std::string& problem : problems)
        line += (&problem == &problems.front() ? "" : "; ") + problem;
    return line + ": ejecútelo en un escritorio, o sin ventana con -platform offscreen\n";
}
