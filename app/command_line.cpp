#include "app/command_line.h"

#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>
#include <string_view>

#include "field/number_text.h"
#include "plots/csv.h"

namespace {

bool IsSet(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

const QStringList kDensities{"-10", "-5", "-1", "1", "5", "10"};
const QStringList kModels{"5", "10", "20", "50"};
const QStringList kTextOnly{"-h",        "--help", "-?",       "--help-all", "-v",
                            "--version", "--csv",  "--lambda", "--model",    "--point"};

// "X,Y" with a point as the decimal separator; empty unless both are numbers.
std::optional<std::pair<double, double>> ReadPoint(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != 2) return std::nullopt;
    bool okX = false, okY = false;
    const double x = QLocale::c().toDouble(parts[0].trimmed(), &okX);
    const double y = QLocale::c().toDouble(parts[1].trimmed(), &okY);
    if (!okX || !okY) return std::nullopt;
    return std::pair{x, y};
}

int Refuse(const QString& line) {
    std::fprintf(stderr, "tervik: %s\n", qPrintable(line));
    return 2;
}

std::string_view ChosenPlatform(int argc, char** argv) {
    const std::span<char*> arguments(argv, argc);
    const auto chosen = std::adjacent_find(arguments.begin(), arguments.end(), [](char* a, char*) {
        return std::strcmp(a, "-platform") == 0 || std::strcmp(a, "--platform") == 0;
    });
    if (chosen != arguments.end()) return chosen[1];
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
    parser.addOptions({
        {"csv",
         "Escribe los datos de una gráfica en CSV por la salida estándar, sin ventana: "
         "bisector (la mediatriz) o convergence (el error de las cargas puntuales).",
         "gráfica"},
        {"lambda", "Densidad de carga en µC/m: -10, -5, -1, 1, 5 o 10 (por omisión 1).", "densidad",
         "1"},
        {"model", "Número de cargas puntuales: 5, 10, 20 o 50 (por omisión 5).", "N", "5"},
        {"point", "Punto de la convergencia, X,Y en metros (por omisión 0.6,0.4).", "X,Y",
         "0.6,0.4"},
    });
}

int RunWithoutWindow(const QCommandLineParser& parser) {
    const QString plot = parser.value("csv");
    if (plot.isEmpty()) return Refuse("--lambda, --model y --point acompañan a --csv");
    if (plot != "bisector" && plot != "convergence")
        return Refuse("--csv espera bisector o convergence, no «" + plot + "»");
    if (!kDensities.contains(parser.value("lambda")))
        return Refuse("--lambda espera -10, -5, -1, 1, 5 o 10, no «" + parser.value("lambda") +
                      "»");
    if (!kModels.contains(parser.value("model")))
        return Refuse("--model espera 5, 10, 20 o 50, no «" + parser.value("model") + "»");
    const auto point = ReadPoint(parser.value("point"));
    if (!point)
        return Refuse("--point espera X,Y, como 0.6,0.4, no «" + parser.value("point") + "»");
    // The same density the window takes: the chosen number times 1e-6.
    const double lambda = Val(parser.value("lambda").toStdString()) * 1e-6;
    std::string csv;
    if (plot == "bisector") {
        const int n = parser.value("model").toInt();
        csv = BisectorCsv(BisectorSamples(lambda, n), lambda, n);
    } else {
        const auto samples = ConvergenceSamples(point->first, point->second, lambda);
        if (!samples)
            return Refuse("en el punto " + parser.value("point") +
                          " alguno de los dos modelos no tiene un valor finito");
        csv = ConvergenceCsv(*samples, point->first, point->second, lambda);
    }
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    return 0;
}

bool AsksOnlyForText(int argc, char** argv) {
    return std::any_of(argv + 1, argv + argc, [](const char* argument) {
        return kTextOnly.contains(QString(argument).section('=', 0, 0));
    });
}

bool DisplayAvailable(int argc, char** argv) {
    const std::string_view platform = ChosenPlatform(argc, argv);
    if (platform.starts_with("xcb")) return IsSet("DISPLAY");
    if (platform.starts_with("wayland")) return IsSet("WAYLAND_DISPLAY");
    if (!platform.empty()) return true;  // offscreen, vnc, eglfs...: Qt's own business
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}
