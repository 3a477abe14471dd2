#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <functional>
#include <tuple>

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLegendMarker>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <QXYSeries>

#include "field/ring_field.h"
#include "tests/support/window_driver.h"

namespace {

class Plots : public ::testing::Test {
protected:
    Plots() {
        driver.openPlots();  // Herramientas > Gráficas...
        plots = driver.window().findChild<QWidget*>("Graficas");
    }
    // The chart as the user sees it once the window has redrawn.
    QChart* chart(const char* name) const {
        QApplication::processEvents();
        return plots->findChild<QChartView*>(name)->chart();
    }
    // The charts are drawn in decimal logarithms; an axis's range in values.
    static std::pair<double, double> range(QChart* chart, Qt::Orientation direction) {
        auto* axis = static_cast<QValueAxis*>(chart->axes(direction)[0]);
        return {std::pow(10, axis->min()), std::pow(10, axis->max())};
    }
    // The tick labels drawn beside the plot area, left of it or under it.
    static QStringList labels(QChart* chart, Qt::Orientation direction) {
        QStringList texts;
        const QRectF area = chart->plotArea();
        for (QGraphicsItem* item : chart->scene()->items(Qt::AscendingOrder)) {
            auto* text = dynamic_cast<QGraphicsTextItem*>(item);
            if (!text || !text->isVisible()) continue;
            const QPointF at = text->sceneBoundingRect().center();
            bool number = false;
            QLocale().toDouble(text->toPlainText(), &number);
            // The lowest label of the vertical axis is centred on the bottom edge.
            const bool under = at.y() > area.bottom() + 2;
            if (number && (direction == Qt::Vertical ? at.x() < area.left() && !under : under))
                texts << text->toPlainText();
        }
        return texts;
    }
    void showTab(int index) const {  // by a click on its tab
        QTabBar* tabs = plots->findChild<QTabWidget*>()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    static QList<QPointF> values(QChart* chart, int series) {  // the points, undone from logarithms
        QList<QPointF> points;
        for (const QPointF& p : static_cast<QXYSeries*>(chart->series()[series])->points())
            points << QPointF(std::pow(10, p.x()), std::pow(10, p.y()));
        return points;
    }
    // Saves with "Guardar..." (or its access key), answering
    // the file dialog once it opens: Down in its list of types `filterSteps`
    // times, then the whole name (typed, its completer would offer names for
    // Enter). Returns the path and keeps the name the dialog offered.
    QString saveAs(const QString& name, bool accessKey = false, int filterSteps = 0) {
        const QString path = folder.filePath(name);
        offered.clear();
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            auto* box = dialog->findChild<QLineEdit*>("fileNameEdit");
            offered = box->text();
            for (int step = 0; step < filterSteps; ++step)
                QTest::keyClick(dialog->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
            box->setText(path);
            QTest::keyClick(box, Qt::Key_Return);
        });
        answer.start();
        QApplication::setActiveWindow(plots);
        if (accessKey) {  // Alt+G, which clicks its button after a short animation
            QTest::keyClick(plots, Qt::Key_G, Qt::AltModifier);
            static_cast<void>(
                QTest::qWaitFor([&] { return !offered.isEmpty(); }));  // a timeout shows as no file
        } else {
            QTest::mouseClick(plots->findChild<QAbstractButton*>("Guardar"), Qt::LeftButton);
        }
        return path;
    }
    QString offered;
    WindowDriver driver;
    QWidget* plots = nullptr;
    QTemporaryDir folder;
};

// Hand-worked: the infinite line's |E| at 1 mm is 2kλ/s = 2 · 9e9 · 1e-6 / 1e-3
// = 1.8e7 V/m, near the exact |E| there, which falls to 0.9 V/m (kQ/s² at
// 100 m): whole decades from 0.1 to 1e8. V spans 90 V (kQ/s at 100 m) to
// k(λ/5)/s = 1.8e6 V from the charge 1 mm under the point: 10 to 1e7.
TEST_F(Plots, OpenWithTheModelsRangesAndLimits) {
    ASSERT_TRUE(plots && plots->isVisible());
    EXPECT_EQ(plots->windowTitle(), QString::fromUtf8("Gráficas"));
    QChart* field = chart("Campo en la mediatriz");
    EXPECT_EQ(field->series()[2]->name(), QString::fromUtf8("Línea infinita 2kλ/s (a trazos)"));
    EXPECT_NEAR(values(field, 2)[0].x() / 1e-3, 1, 1e-12);
    EXPECT_NEAR(values(field, 2)[0].y() / 1.8e7, 1, 1e-12);
    const std::tuple<const char*, Qt::Orientation, double, double> ranges[] = {
        {"Campo en la mediatriz", Qt::Vertical, 0.1, 1e8},
        {"Potencial en la mediatriz", Qt::Vertical, 10, 1e7},
        {"Campo en la mediatriz", Qt::Horizontal, 1e-3, 100},
        {"Error de las cargas puntuales", Qt::Horizontal, 1, 200}};
    for (auto [name, direction, low, high] : ranges) {
        const auto [shownLow, shownHigh] = range(chart(name), direction);
        EXPECT_NEAR(shownLow / low, 1, 1e-6) << name << direction;
        EXPECT_NEAR(shownHigh / high, 1, 1e-6) << name << direction;
    }
    // The exact model thickest; the single charge alike in both charts.
    QChart* potential = chart("Potencial en la mediatriz");
    const auto pen = [](QChart* c, int k) {
        return static_cast<QXYSeries*>(c->series()[k])->pen();
    };
    EXPECT_EQ(field->series()[1]->name(), "Exacto");
    EXPECT_GT(pen(field, 1).widthF(), pen(field, 0).widthF());
    EXPECT_EQ(pen(field, 3), pen(potential, 2));
    EXPECT_EQ(pen(field, 3).style(), Qt::DashLine);
    EXPECT_TRUE(field->title().contains(
        Shown("Mediatriz x = 0.5 m · Segmento · λ = 1 µC/m · Q = 1 µC · N = 5")));
    EXPECT_EQ(labels(field, Qt::Horizontal).join(" "), Shown("0.001 0.01 0.1 1 10 100"));
    for (const char* note : {"ModelosMediatriz", "ModelosConvergencia"})  // k, never broken
        EXPECT_TRUE(plots->findChild<QLabel*>(note)->text().endsWith(
            QString::fromUtf8("Q = λ·1 m · k\u00a0=\u00a09·10⁹\u00a0N·m²/C²")))
            << note;
}

// The convergence follows the point the window evaluated, not the text
// typed, nor a point the window refused; in the profile view that point lies
// at x = 0.5, its distance from the axis. Where the exact value rounds to
// zero it says there is no finite value.
TEST_F(Plots, ConvergenceFollowsTheEvaluatedPoint) {
    const auto title = [&] { return chart("Error de las cargas puntuales")->title(); };
    EXPECT_TRUE(title().contains(Shown("(0.6; 0.4)")));
    driver.type(X, "0,2");
    EXPECT_TRUE(title().contains(Shown("(0.6; 0.4)")));
    driver.calculate();
    EXPECT_TRUE(title().contains(Shown("(0.2; 0.4)")));
    driver.calculateAt("0,2", "0,3");  // one coordinate at a time
    EXPECT_TRUE(title().contains(Shown("(0.2; 0.3)")));
    driver.calculateAt("0,5", "0");  // refused by the window: the plots keep their point
    EXPECT_TRUE(title().contains(Shown("(0.2; 0.3)")));
    driver.calculateAt("1e15", "1e15");  // so far that the exact potential rounds to zero
    QApplication::processEvents();
    EXPECT_EQ(plots->findChild<QStackedWidget*>("Convergencia")->currentIndex(), 1);
    auto* noValue = plots->findChild<QLabel*>("SinValor");
    EXPECT_TRUE(noValue->text().contains("no tiene un valor finito"));
    EXPECT_GT(noValue->heightForWidth(noValue->width()), noValue->fontMetrics().height());
    driver.chooseView(View::Profile);
    driver.calculateAt("0.3", "0.4");
    EXPECT_TRUE(title().contains(Shown("(0.5; 0.5)")));
}

// Choosing the ring, the first tab follows its axis from the centre and is
// named so, with the point charge as its one limit; on the axis its charges
// are all 0.5 m away, so at s = 1 m V = kQ/√1.25 = 9e9 · 1e-6 · π / 1.118034
// = 25289.33 V for both models. The convergence at (0.8; 0.5) is semi-log,
// N linear from 1 to the last shown N = 53 (a tick every 10), and the legend
// states the fitted geometric fall (plots_test has its reference).
TEST_F(Plots, TheRingPlotsItsAxisAndAGeometricFall) {
    driver.chooseShape(Ring());
    driver.calculateAt("0,8", "0,5");
    QChart* field = chart("Campo en la mediatriz");
    EXPECT_EQ(plots->findChild<QTabWidget*>()->tabText(0), "Eje del anillo");
    EXPECT_EQ(plots->findChild<QChartView*>("Campo en la mediatriz")->accessibleName(),
              "Campo (Eje del anillo)");
    EXPECT_TRUE(field->title().contains(
        Shown("|E| · Eje del anillo · Anillo · λ = 1 µC/m · Q = 3.1416 µC · N = 5")))
        << field->title().toStdString();
    EXPECT_EQ(field->axes(Qt::Horizontal)[0]->titleText(), "s: distancia al centro (m)");
    for (int limit : {2, 4})  // the infinite line and the plane: neither drawn nor named
        EXPECT_FALSE(field->legend()->markers(field->series()[limit])[0]->isVisible()) << limit;
    EXPECT_TRUE(field->legend()->markers(field->series()[3])[0]->isVisible());
    QChart* potential = chart("Potencial en la mediatriz");
    for (int model : {0, 1}) {
        const QList<QPointF> v = values(potential, model);
        const auto at1m = std::ranges::min_element(
            v, {}, [](const QPointF& p) { return std::fabs(std::log10(p.x())); });
        EXPECT_NEAR(at1m->x(), 1, 1e-9);
        EXPECT_NEAR(at1m->y() / 25289.333, 1, 1e-6) << model;
    }
    showTab(1);
    QChart* errors = chart("Error de las cargas puntuales");
    auto* n = static_cast<QValueAxis*>(errors->axes(Qt::Horizontal)[0]);
    EXPECT_EQ(n->min(), 1);
    EXPECT_EQ(n->max(), 53);
    EXPECT_EQ(labels(errors, Qt::Horizontal).join(" "), "10 20 30 40 50");
    EXPECT_EQ(errors->series()[0]->name(), Shown("|E|: cae ×10 cada ΔN ≈ 3.99 de N = 20 a 53"))
        << errors->title().toStdString();
}

// A negative density plots magnitudes and says so.
TEST_F(Plots, BisectorOfANegativeDensityPlotsMagnitudes) {
    driver.chooseDensity(-5);
    QChart* field = chart("Campo en la mediatriz");
    EXPECT_TRUE(field->title().contains("magnitudes: la densidad es negativa"));
    EXPECT_EQ(field->axes(Qt::Vertical)[0]->titleText(), "|E| (V/m)");
}

// The legend gives the fitted slope, or says that no power law holds (3 mm
// above the middle the errors of small N are not yet on one).
TEST_F(Plots, LegendGivesTheSlopeOrSaysNoPowerLawHolds) {
    const auto legend = [&] { return chart("Error de las cargas puntuales")->series()[0]->name(); };
    driver.chooseView(View::Profile);
    driver.calculateAt("0.3", "0.4");
    EXPECT_TRUE(legend().contains(Shown("|E|: pendiente -2.00 de N = 10 a 200")))
        << legend().toStdString();
    driver.chooseView(View::Front);
    driver.calculateAt("0,5", "0,003");
    EXPECT_TRUE(legend().contains("sin ley de potencias")) << legend().toStdString();
}

// Far along the axis at r the errors of N charges are the midpoint rule's,
// 1/(4 N² r²) for |E| and 1/(12 N² r²) for V: at 1e6 m from 2.5e-13 (N = 1)
// to 2.08e-18 (N = 200), whole decades 1e-18 to 1e-12; at 1e9 m, 1e-24 to
// 1e-18. The axis and its labels span them after any point before, the
// saved image drawing the same labels.
TEST_F(Plots, FarPointsGetAnAxisThatSpansTheirErrors) {
    showTab(1);
    struct Case {
        const char *x, *y;
        double low, high;  // 0: not worked by hand
    } cases[] = {{"1E+06", "0", 1e-18, 1e-12},
                 {"1000", "1000", 0, 0},
                 {"1E+09", "0", 1e-24, 1e-18},
                 {"0,6", "0,4", 0, 0}};
    for (const Case& c : cases) {
        driver.calculateAt(c.x, c.y);
        QChart* errors = chart("Error de las cargas puntuales");
        const auto [low, high] = range(errors, Qt::Vertical);
        if (c.low > 0) {
            EXPECT_NEAR(low / c.low, 1, 1e-9) << c.x;
            EXPECT_NEAR(high / c.high, 1, 1e-9) << c.x;
        }
        for (int k : {0, 1})
            for (const QPointF& p : values(errors, k))
                EXPECT_TRUE(p.y() >= low * (1 - 1e-9) && p.y() <= high * (1 + 1e-9))
                    << c.x << " N = " << p.x() << ": " << p.y();
        // In one notation: never "0,0001" beside "1E-5".
        const QStringList texts = labels(errors, Qt::Vertical);
        const qsizetype powers = texts.filter(QRegularExpression("[eE]")).size();
        EXPECT_TRUE(powers == 0 || powers == texts.size()) << texts.join(" ").toStdString();
        QList<double> shown;
        for (const QString& label : texts) shown << QLocale().toDouble(label);
        ASSERT_FALSE(shown.isEmpty()) << c.x;
        std::sort(shown.begin(), shown.end());
        EXPECT_NEAR(shown.first() / low, 1, 1e-9) << c.x;
        EXPECT_NEAR(shown.last() / high, 1, 1e-9) << c.x;
        EXPECT_EQ(shown.size(), qRound(std::log10(high / low)) + 1) << c.x;
    }
    driver.calculateAt("1E+09", "0");
    QFile svg(saveAs("lejos.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    for (const QString& label : labels(chart("Error de las cargas puntuales"), Qt::Vertical))
        EXPECT_TRUE(text.contains(">" + label + "</text>")) << label.toStdString();
}

// Where a limit agrees with the exact model (the infinite line below 1 cm,
// the single charge beyond 10 m, to well under a pixel) its dashes still
// show, drawn over the thick exact curve.
TEST_F(Plots, LimitsShowWhereTheyAgreeWithTheExactCurve) {
    auto* view = plots->findChild<QChartView*>("Campo en la mediatriz");
    QChart* field = chart("Campo en la mediatriz");
    const QImage image = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto column = [&](double s) {
        return view
            ->mapFromScene(field->mapToScene(
                field->mapToPosition(QPointF(std::log10(s), 0), field->series()[1])))
            .x();
    };
    const std::tuple<const char*, QColor, double, double> limits[] = {
        // from and to: s, m
        {"line", QColor(255, 127, 14), 1e-3, 1e-2},
        {"point charge", QColor(148, 103, 189), 10, 100}};
    for (auto [name, colour, from, to] : limits) {
        int seen = 0;
        for (int x = column(from); x <= column(to); ++x)
            for (int y = 0; y < image.height(); ++y) {
                const QColor c = image.pixelColor(x, y);
                seen += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                            std::abs(c.blue() - colour.blue()) <
                        60;
            }
        EXPECT_GT(seen, 20) << name;
    }
}

// "Mediatriz" plots the model in use: N point charges, or the integral alone
// when it is chosen, while a line is traced and in the profile view (both of
// which choose it); its titles, legend, note and saved data say the same.
TEST_F(Plots, BisectorFollowsTheModelInUse) {
    struct Step {
        const char* name;
        std::function<void(WindowDriver&)> choose;
        bool integral;
    } steps[] = {
        {"20", [](WindowDriver& d) { d.chooseModel(20); }, false},
        {"integral", [](WindowDriver& d) { d.chooseIntegral(); }, true},
        {"20", [](WindowDriver& d) { d.chooseModel(20); }, false},
        {"field line", [](WindowDriver& d) { d.chooseAction(Action::FieldLine); }, true},
        {"field", [](WindowDriver& d) { d.chooseAction(Action::FieldAndPotential); }, true},
        {"20", [](WindowDriver& d) { d.chooseModel(20); }, false},
        {"profile", [](WindowDriver& d) { d.chooseView(View::Profile); }, true},
        {"front", [](WindowDriver& d) { d.chooseView(View::Front); }, true}};
    const QLabel* note = plots->findChild<QLabel*>("ModelosMediatriz");
    ASSERT_TRUE(note);
    for (const Step& step : steps) {
        step.choose(driver);
        for (const char* name : {"Campo en la mediatriz", "Potencial en la mediatriz"}) {
            QChart* c = chart(name);
            EXPECT_EQ(c->title().contains("N = 20"), !step.integral) << step.name << name;
            EXPECT_EQ(c->title().contains("integral exacta"), step.integral) << step.name;
            auto* charges = static_cast<QXYSeries*>(c->series()[0]);
            EXPECT_EQ(charges->count() == 0, step.integral) << step.name << name;
            EXPECT_EQ(c->legend()->markers(charges)[0]->isVisible(), !step.integral)
                << step.name << name;
            EXPECT_TRUE(step.integral || charges->name() == "20 cargas puntuales") << step.name;
        }
        EXPECT_EQ(note->text().contains("cargas"), !step.integral) << step.name;
    }
    driver.chooseIntegral();
    QFile csv(saveAs("integral.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_FALSE(QString(csv.readLine()).contains("cargas"));
    EXPECT_EQ(QString(csv.readLine()),
              QString::fromUtf8("s (m),|E| exacto (V/m),|E| línea infinita (V/m),|E| carga puntual "
                                "(V/m),V exacto (V),V carga puntual (V)\n"));
}

// "Guardar..." (Alt+G) writes the shown plot or its data, each tab offering
// its own name and the chosen type adding its extension. A failed write says so.
TEST_F(Plots, SavedPlotsAndDataReadBack) {
    EXPECT_GT(QImage(saveAs("mediatriz.png", true)).width(), 500);  // by Alt+G
    EXPECT_EQ(offered, "mediatriz.png");
    QFile svg(saveAs("bis_noext", false, 1) + ".svg");  // the SVG type, no extension
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    QFile bisector(saveAs("mediatriz.csv"));  // the context line as the command line's
    ASSERT_TRUE(bisector.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString(bisector.readLine()).contains("y 5 cargas puntuales Q/5 en los centros"));
    showTab(1);
    QFile csv(saveAs("convergencia.csv"));
    EXPECT_EQ(offered, "convergencia.png");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readLine().startsWith("# Convergencia en x = 0.6 m y = 0.4 m · λ = 1 µC/m"));
    EXPECT_EQ(csv.readLine(), "N,error relativo |E|,error relativo V\n");
    saveAs("falta/datos.csv");  // a folder that does not exist
    saveAs("falta/datos.svg");
    EXPECT_EQ(driver.messages.size(), 2);
}

// A write that fails part-way (here the process may write no more than 1 KiB
// per file, as on a full disk) leaves the file it would replace whole and
// says so, after the file dialog's own question whether to replace it.
TEST_F(Plots, FailedSaveKeepsTheOldFile) {
    driver.answer = QMessageBox::Yes;
    for (const char* name : {"viejo.csv", "viejo.png", "viejo.svg"}) {
        QFile old(folder.filePath(name));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("antes\n") == 6) << name;
        old.close();
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, small{1024, RLIM_INFINITY};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        saveAs(name);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(old.readAll(), "antes\n") << name;
    }
    EXPECT_EQ(driver.messages.size(), 6);  // each replacement asked, each failure told
}

// Escape and Ctrl+W close the window, as any dialog-like window.
TEST_F(Plots, EscapeAndCtrlWClose) {
    for (QKeyCombination keys :
         {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::ControlModifier, Qt::Key_W)}) {
        plots->show();
        ASSERT_TRUE(plots->isVisible());
        QApplication::setActiveWindow(plots);
        QTest::keyClick(plots, keys.key(), keys.keyboardModifiers());
        EXPECT_FALSE(plots->isVisible()) << QKeySequence(keys).toString().toStdString();
    }
}

// On a screen lower than the window (offscreen 800 × 800, and at scale 1.5
// 533 × 533 logical pixels, lower than a 1280 × 800 projector at 150 %) the
// window opens on the screen; shrunk to its smallest it still fits a
// 1024 × 768 screen less a title bar and a panel. Either way the charts keep
// their room, one never drawn over the other, and "Guardar..." shows.
TEST_F(Plots, FitsOnASmallScreen) {
    EXPECT_TRUE(plots->screen()->availableGeometry().contains(plots->frameGeometry()));
    for (bool smallest : {false, true}) {
        if (smallest) plots->resize(plots->minimumSizeHint());
        QApplication::processEvents();
        EXPECT_LE(plots->width(), 1024);
        EXPECT_LE(plots->height(), 768 - 40 - 48);
        for (const QChartView* view : plots->findChildren<QChartView*>())
            EXPECT_GE(view->height(), view->minimumHeight()) << view->objectName().toStdString();
        auto* button = plots->findChild<QAbstractButton*>("Guardar");
        EXPECT_TRUE(plots->rect().contains(button->geometry())) << smallest;
    }
}

// The SVG is written in the user's locale, at the size of the window's text,
// each label in one piece, and rsvg-convert draws it as the window shows it.
TEST_F(Plots, SvgReadsAsTheWindow) {
    const QString path = saveAs("mediatriz.svg");
    QFile svg(path);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(text.contains(">" + Shown("0.001") + "</text>"));
    EXPECT_FALSE(text.contains("font-size=\"9\""));
    EXPECT_TRUE(text.contains(QString::fromUtf8(">Línea infinita 2kλ/s (a trazos)</text>")));
    if (!QFile::exists("/usr/bin/rsvg-convert")) GTEST_SKIP() << "no rsvg-convert";
    const QImage shown = plots->findChild<QTabWidget*>()->currentWidget()->grab().toImage();
    const QString w = QString::number(shown.width()), h = QString::number(shown.height());
    ASSERT_EQ(
        QProcess::execute("/usr/bin/rsvg-convert", {"-w", w, "-h", h, path, "-o", path + ".png"}),
        0);
    const QImage drawn = QImage(path + ".png").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(drawn.size(), shown.size());
    // A pixel differs when no pixel beside it in the window is near it: the
    // renderers' hinting may move a glyph by a pixel, a label in pieces more.
    const auto near = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (shown.valid(x + dx, y + dy) &&
                    std::abs(qGray(drawn.pixel(x, y)) - qGray(shown.pixel(x + dx, y + dy))) <= 96)
                    return true;
        return false;
    };
    qsizetype differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) differing += !near(x, y);
    EXPECT_LT(differing, shown.width() * shown.height() / 2000) << differing;
}

}  // namespace
