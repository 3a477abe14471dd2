#include "app/command_line.h"

#include <QLocale>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>

#include "app/gauss_csv.h"
#include "field/domain.h"
#include "field/model_in_use.h"
#include "field/number_text.h"
#include "field/shapes.h"
#include "fieldmap/field_grid.h"
#include "fieldmap/grid_csv.h"
#include "gauss/flux.h"
#include "gauss/gauss_surface.h"
#include "plots/csv.h"

namespace {

template <std::size_t size>
QStringList Texts(const std::array<int, size>& numbers) {
    QStringList texts;
    for (int number : numbers) texts << QString::number(number);
    return texts;
}

// "a, b o c" (or "a, b y c"), as the messages list the choices.
QString Choices(const QStringList& texts, const QString& last = " o ") {
    return texts.mid(0, texts.size() - 1).join(", ") + last + texts.back();
}

const QStringList kDensities = Texts(kDensityChoices);
const QStringList kModels = Texts(kElementCountChoices);
const QStringList kZooms = Texts(kZoomPercentChoices);
const QStringList kViews{"frente", "perfil"};
// The shapes by the words that name them, in the menu's order.
QStringList ShapeWordTexts() {
    QStringList words;
    for (const ChargeDistribution* shape : ChargeShapes())
        words << QString::fromStdString(shape->words().commandWord);
    return words;
}
const QStringList kShapes = ShapeWordTexts();
const QString kStartPointText =
    QString("%1,%2").arg(kStartPoint.x).arg(kStartPoint.y);  // "0.6,0.4"
const QStringList kSurfaces{QString::fromStdString(SurfaceWord(SurfaceKind::Sphere)),
                            QString::fromStdString(SurfaceWord(SurfaceKind::Cylinder))};
const GaussSurface kStartSurface;
const QStringList kFlags{"h", "help", "v", "version", "barrido"};
// The options each plot takes besides --csv; any other one changes nothing there.
const std::map<QString, QStringList> kPlotOptions{
    {"bisector", {"--forma", "--lambda", "--model"}},
    {"convergence", {"--forma", "--lambda", "--point"}},
    {"gauss",
     {"--forma", "--lambda", "--model", "--superficie", "--centro", "--radio", "--largo",
      "--barrido"}},
    {"grid", {"--forma", "--lambda", "--model", "--zoom", "--view"}},
};
const QStringList kPlots = [] {
    QStringList plots;
    for (const auto& entry : kPlotOptions) plots << entry.first;
    return plots;
}();
const QStringList kOptionsWithValue{"csv",  "forma",      "lambda", "model", "point", "zoom",
                                    "view", "superficie", "centro", "radio", "largo"};
// Options QApplication reads itself, with a value and without one.
const QStringList kQtOptionsWithValue =
    QString(
        "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowicon "
        "icon qwindowtitle title display style stylesheet session name qmljsdebugger")
        .split(' ');
const QStringList kQtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

// "Cada gráfica toma solo sus opciones: bisector --lambda y --model; ...".
QString PlotOptionsText() {
    QStringList plots;
    for (const auto& [plot, takes] : kPlotOptions) plots << plot + " " + Choices(takes, " y ");
    return "Cada gráfica toma solo sus opciones: " + plots.join("; ") + ".";
}

// An option's name without its dashes and its "=value"; empty for other words.
QString OptionName(const QString& word) {
    if (!word.startsWith('-') || word == "-") return {};
    return word.mid(word.startsWith("--") ? 2 : 1).section('=', 0, 0);
}

// "X,Y" with a point as the decimal separator; empty unless both are finite numbers.
std::optional<std::pair<double, double>> ReadPoint(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != 2) return std::nullopt;
    bool okX = false, okY = false;
    const double x = QLocale::c().toDouble(parts[0].trimmed(), &okX);
    const double y = QLocale::c().toDouble(parts[1].trimmed(), &okY);
    if (!okX || !okY || !std::isfinite(x) || !std::isfinite(y)) return std::nullopt;
    return std::pair{x, y};
}

// A number as the command line reads it, with no exponent: "0.0001".
QString Metres(double value) {
    return QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
}
QString Limits(double low, double high) {
    return QString(", de %1 a %2").arg(Metres(low), Metres(high));
}
QString Default(double value) { return " (por omisión " + Metres(value) + ")."; }

// A number of metres from low to high, with a point as the decimal separator;
// empty for any other text, NaN and the infinities included.
std::optional<double> ReadMetres(const QString& text, double low, double high) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);  // "0,001" is not 1
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok || !(value >= low && value <= high)) return std::nullopt;
    return value;
}

int Refuse(const QString& line) {
    std::fprintf(stderr, "tervik: %s\n", qPrintable(line));
    return kUsageStatus;
}

QString Quoted(const QString& word) { return "«" + word + "»"; }

// The grid of field arrows the window draws, of the model in use.
std::string GridCsv(const QCommandLineParser& parser, double lambda,
                    const ChargeDistribution& shape) {
    const View view = parser.value("view") == kViews[0] ? View::Front : View::Profile;
    const FieldModel model =
        ModelInUse({lambda, parser.value("model").toInt(), view, false, &shape});
    const int zoom = parser.value("zoom").toInt();
    return FieldGridCsv(ViewFieldGrid(model, zoom / 100.0), model, zoom);
}

// The surface of --superficie, --centro, --radio and --largo; empty, with
// the line saying why, for a word out of its list or a number out of its limits.
std::optional<GaussSurface> SurfaceOf(const QCommandLineParser& parser, QString& why) {
    using namespace gauss_limits;
    const QString word = parser.value("superficie");
    if (!kSurfaces.contains(word)) {
        why = "--superficie espera " + Choices(kSurfaces) + ", no " + Quoted(word);
        return std::nullopt;
    }
    GaussSurface surface;
    surface.kind = word == kSurfaces[0] ? SurfaceKind::Sphere : SurfaceKind::Cylinder;
    if (surface.kind == SurfaceKind::Sphere && parser.isSet("largo")) {
        why = "--largo no se aplica a --superficie " + word + ", solo a " + kSurfaces[1];
        return std::nullopt;
    }
    const std::tuple<const char*, double*, double, double> measures[]{
        {"centro", &surface.centre, kCentreMin, kCentreMax},
        {"radio", &surface.radius, kRadiusMin, kRadiusMax},
        {"largo", &surface.length, kLengthMin, kLengthMax},
    };
    for (const auto& [name, measure, low, high] : measures) {
        const QString text = parser.value(name);
        const auto metres = ReadMetres(text, low, high);
        if (!metres) {
            why = QString("--%1 espera metros de %2 a %3, no %4")
                      .arg(name, Metres(low), Metres(high), Quoted(text));
            return std::nullopt;
        }
        *measure = *metres;
    }
    return surface;
}

// Text tools end quietly when their reader has gone (`tervik --csv grid |
// head -1`): what is left unwritten is what nobody wanted.
void ExitIfOutputUnwritten() {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return;
    if (errno == EPIPE) std::_Exit(0);
    std::fprintf(stderr, "tervik: no se pudo escribir la salida: %s\n", std::strerror(errno));
    std::_Exit(kWriteErrorStatus);
}

}  // namespace

void DescribeCommandLine(QCommandLineParser& parser) {
    using namespace gauss_limits;
    // The radii of the sweep, for the smallest and the largest surface.
    const SweepRange least = SweepRangeFor({.radius = kRadiusMin});
    const SweepRange widest = SweepRangeFor({.radius = kRadiusMax});
    parser.setApplicationDescription(
        "Campo eléctrico y potencial de una carga (un segmento, un segmento con λ creciente, "
        "un anillo o un disco): programa para enseñanza de la física.\n\n"
        "Estado de salida: 0 si todo fue bien (también si quien lee la salida la cierra antes "
        "del final), 1 si no hay pantalla, 2 si una opción o un valor no es válido, sobra o se "
        "repite, 3 si no se pudo escribir la salida.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({{"h", "help"}, "Muestra esta ayuda."});  // Qt's own is in English
    parser.addVersionOption();
    parser.addOptions({
        {"csv",
         "Escribe los datos de una gráfica en CSV por la salida estándar, sin ventana: "
         "bisector (la mediatriz), convergence (el error de las cargas puntuales), gauss (la "
         "ley de Gauss en una superficie cerrada: el flujo Φ, Q_enc/ε₀, el área, |E| medio, "
         "E·n, E·A y, en el cilindro, las tapas y el lateral; con --barrido, Φ frente al "
         "radio) o grid (la rejilla de campo: x, y, Ex, Ey, |E| y V; en perfil z y Ez en vez "
         "de x y Ex). " +
             PlotOptionsText(),
         "gráfica"},
        {"forma",
         "Forma de la carga: " + Choices(kShapes) + " (por omisión " + kShapes.front() +
             "); lineal es el segmento con λ creciente.",
         "forma", kShapes.front()},
        {"lambda",
         QString("Densidad de carga en µC/m (en µC/m² para el disco): %1 (por omisión %2).")
             .arg(Choices(kDensities))
             .arg(kStartDensity),
         "densidad", QString::number(kStartDensity)},
        {"model",
         QString("Número de cargas puntuales: %1 (por omisión %2); en grid y gauss, 0 es la "
                 "integral.")
             .arg(Choices(kModels))
             .arg(kStartElementCount),
         "N", QString::number(kStartElementCount)},
        {"point", "Punto de la convergencia, X,Y en metros (por omisión " + kStartPointText + ").",
         "X,Y", kStartPointText},
        {"zoom", "Ampliación de la rejilla en %: " + Choices(kZooms) + " (por omisión 100).",
         "porcentaje", "100"},
        {"view", "Vista de la rejilla: frente o perfil (por omisión frente).", "vista", "frente"},
        {"superficie",
         "Superficie de Gauss: " + Choices(kSurfaces) + ", centrada en el eje x (por omisión " +
             kSurfaces[0] + ").",
         "superficie", kSurfaces[0]},
        {"centro",
         "x del centro de la superficie en metros" + Limits(kCentreMin, kCentreMax) +
             Default(kStartSurface.centre),
         "X", Metres(kStartSurface.centre)},
        {"radio",
         "Radio de la superficie en metros" + Limits(kRadiusMin, kRadiusMax) +
             Default(kStartSurface.radius),
         "R", Metres(kStartSurface.radius)},
        {"largo",
         "Largo del cilindro a lo largo del eje en metros" + Limits(kLengthMin, kLengthMax) +
             Default(kStartSurface.length),
         "L", Metres(kStartSurface.length)},
        {"barrido", QString("Con gauss, Φ y Q_enc/ε₀ para %1 radios de %2 m a %3 m, o a %4 "
                            "veces el radio si es más, en vez de una fila.")
                        .arg(kSweepRadii)
                        .arg(Metres(least.from), Metres(least.to), Metres(widest.to / kRadiusMax))},
    });
}

QStringList ProgramArguments(int argc, char** argv) {
    QStringList words;
    for (int i = 0; i < argc; ++i) {
        const QString word = QString::fromLocal8Bit(argv[i]);
        const QString name = i > 0 ? OptionName(word) : QString();
        if (kQtOptionsWithValue.contains(name) && !word.contains('=')) ++i;  // and its value
        if (!kQtOptionsWithValue.contains(name) && !kQtFlags.contains(name)) words << word;
    }
    return words;
}

// Reads the words as the parser does: an option with a value takes the next
// word unless it carries "=value".
QString UsageError(const QStringList& arguments) {
    const QString help = "; vea tervik --help";
    QStringList given;  // the options so far, by their long names
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        const QString name = OptionName(word);
        const QString longName = name == "h" ? "help" : name == "v" ? "version" : name;
        if (given.contains(longName)) return "--" + longName + " aparece dos veces" + help;
        if (!name.isEmpty()) given << longName;
        if (word == "--")  // ends the options: any word after it is one too many
            return i + 1 < arguments.size() ? "sobra " + Quoted(arguments[i + 1]) + help : "";
        if (name.isEmpty()) return "sobra " + Quoted(word) + help;
        if (kFlags.contains(name)) {
            if (word.contains('=')) return Quoted(word) + ": la opción no lleva valor" + help;
            continue;
        }
        if (!kOptionsWithValue.contains(name)) return "opción desconocida " + Quoted(word) + help;
        if (word.contains('=')) continue;
        if (i + 1 == arguments.size() || arguments[i + 1].startsWith("--"))
            return "falta el valor de " + word + help;
        ++i;
    }
    return {};
}

// Every option of the program asks for text.
bool AsksOnlyForText(const QCommandLineParser& parser) { return !parser.optionNames().isEmpty(); }

int RunWithoutWindow(const QCommandLineParser& parser) {
    const QString plot = parser.value("csv");
    if (!parser.isSet("csv")) {
        QStringList others;
        for (const QString& name : kOptionsWithValue.mid(1) + QStringList{"barrido"})
            others << "--" + name;
        return Refuse(Choices(others, " y ") + " acompañan a --csv");
    }
    if (!kPlotOptions.contains(plot))
        return Refuse("--csv espera " + Choices(kPlots) + ", no " + Quoted(plot));
    const QStringList& takes = kPlotOptions.at(plot);
    for (const QString& name : parser.optionNames())
        if (name != "csv" && !takes.contains("--" + name))
            return Refuse("--" + name + " no se aplica a --csv " + plot + ", que toma " +
                          Choices(takes, " y "));
    if (parser.value("view") == kViews[1] && parser.value("model") != "0" && parser.isSet("model"))
        return Refuse("--model no se aplica a --view perfil, que usa siempre la integral");
    const ChargeDistribution* shape = ShapeCalled(parser.value("forma").toStdString());
    if (!shape)
        return Refuse("--forma espera " + Choices(kShapes) + ", no " +
                      Quoted(parser.value("forma")));
    if (!kDensities.contains(parser.value("lambda")))
        return Refuse("--lambda espera " + Choices(kDensities) + ", no " +
                      Quoted(parser.value("lambda")));
    // The grid and Gauss's law take the model as the window does: 0 is the integral.
    const bool integral = plot == "grid" || plot == "gauss";
    const QStringList models = integral ? QStringList{"0"} + kModels : kModels;
    if (!models.contains(parser.value("model")))
        return Refuse("--model espera " + Choices(models) + ", no " +
                      Quoted(parser.value("model")));
    if (!kZooms.contains(parser.value("zoom")))
        return Refuse("--zoom espera " + Choices(kZooms) + ", no " + Quoted(parser.value("zoom")));
    if (!kViews.contains(parser.value("view")))
        return Refuse("--view espera frente o perfil, no " + Quoted(parser.value("view")));
    const auto point = ReadPoint(parser.value("point"));
    if (!point)
        return Refuse("--point espera X,Y, como " + kStartPointText + ", no " +
                      Quoted(parser.value("point")));
    // The same density the window takes: the chosen number of µC/m.
    const double lambda = Val(parser.value("lambda").toStdString()) * kMicro;
    std::string csv;
    if (plot == "gauss") {
        QString why;
        const auto surface = SurfaceOf(parser, why);
        if (!surface) return Refuse(why);
        const FieldModel model =
            ModelInUse({lambda, parser.value("model").toInt(), View::Front, false, shape});
        csv = parser.isSet("barrido") ? GaussSweepCsv(model, *surface) : GaussCsv(model, *surface);
    } else if (plot == "grid") {
        csv = GridCsv(parser, lambda, *shape);
    } else if (plot == "bisector") {
        const int n = parser.value("model").toInt();
        const FieldModel model{lambda, n, View::Front, shape};
        csv = BisectorCsv(BisectorSamples(model), model);
    } else {
        const auto samples = ConvergenceSamples(*shape, point->first, point->second, lambda);
        if (!samples)
            return Refuse("en el punto " + parser.value("point") +
                          " alguno de los dos modelos no tiene un valor finito");
        csv = ConvergenceCsv(*samples, *shape, point->first, point->second, lambda);
    }
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    ExitIfOutputUnwritten();  // now, while errno still tells why
    return 0;
}

QString HelpTranslator::translate(const char* context, const char* sourceText, const char*,
                                  int) const {
    static const std::map<std::string_view, QString> kWords{
        {"Usage: %1", "Uso: %1"},
        {"[options]", "[opciones]"},
        {"Options:", "Opciones:"},
        {"Arguments:", "Argumentos:"},
        {"Displays version information.", "Muestra la versión del programa."},
    };
    if (std::string_view(context) != "QCommandLineParser") return {};
    const auto found = kWords.find(sourceText);
    return found == kWords.end() ? QString() : found->second;
}

void ReportUnwrittenOutputAtExit() {
    std::signal(SIGPIPE, SIG_IGN);  // a write to a pipe nobody reads fails with EPIPE instead
    std::atexit(ExitIfOutputUnwritten);
}
