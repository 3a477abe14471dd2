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

#include "field/domain.h"
#include "field/model_in_use.h"
#include "field/number_text.h"
#include "field/shapes.h"
#include "fieldmap/field_grid.h"
#include "fieldmap/grid_csv.h"
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
const QStringList kFlags{"h", "help", "v", "version"};
// The options each plot takes besides --csv; any other one changes nothing there.
const std::map<QString, QStringList> kPlotOptions{
    {"bisector", {"--forma", "--lambda", "--model"}},
    {"convergence", {"--forma", "--lambda", "--point"}},
    {"grid", {"--forma", "--lambda", "--model", "--zoom", "--view"}},
};
const QStringList kOptionsWithValue{"csv", "forma", "lambda", "model", "point", "zoom", "view"};
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
         "bisector (la mediatriz), convergence (el error de las cargas puntuales) o grid (la "
         "rejilla de campo: x, y, Ex, Ey, |E| y V; en perfil z y Ez en vez de x y Ex). " +
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
         QString("Número de cargas puntuales: %1 (por omisión %2); en grid, 0 es la integral.")
             .arg(Choices(kModels))
             .arg(kStartElementCount),
         "N", QString::number(kStartElementCount)},
        {"point", "Punto de la convergencia, X,Y en metros (por omisión " + kStartPointText + ").",
         "X,Y", kStartPointText},
        {"zoom", "Ampliación de la rejilla en %: " + Choices(kZooms) + " (por omisión 100).",
         "porcentaje", "100"},
        {"view", "Vista de la rejilla: frente o perfil (por omisión frente).", "vista", "frente"},
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
    if (!parser.isSet("csv"))
        return Refuse("--forma, --lambda, --model, --point, --zoom y --view acompañan a --csv");
    if (!kPlotOptions.contains(plot))
        return Refuse("--csv espera bisector, convergence o grid, no " + Quoted(plot));
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
    const QStringList models = plot == "grid" ? QStringList{"0"} + kModels : kModels;
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
    if (plot == "grid") {
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
