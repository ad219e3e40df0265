#include "tests/table_cell.h"
#include "window/application.h"
#include "window/fitting/error_map_view.h"
#include "window/form1.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QThreadPool>
#include <QWheelEvent>

#include <cstdio>
#include <utility>

namespace {

// Points of a growth, as a student might have measured them.
const std::pair<const char*, const char*> kPoints[] = {
    {"-3", "0,5"}, {"-2", "0,9"}, {"-1", "1,7"}, {"0", "3,1"}, {"1", "5,4"}, {"2", "9,6"},
};
// Air pressure in pascals against the altitude in kilometres, from the U.S.
// Standard Atmosphere, 1976 (NOAA, NASA and USAF), at geometric altitudes,
// rounded to the pascal: far outside the graph's box.
const std::pair<const char*, const char*> kAtmosphere[] = {
    {"0", "101325"}, {"1", "89876"}, {"2", "79501"}, {"3", "70121"}, {"4", "61660"}, {"5", "54048"},
    {"6", "47218"},  {"7", "41105"}, {"8", "35652"}, {"9", "30801"}, {"10", "26500"},
};
// Small enough for the descent from a = 5, c = 1 to settle without overflow.
const char* const kStepSize = "0,0002";
// Enough to see the path of those steps on the map.
const int kMapNotches = 7;

template <std::size_t N>
void fillTable(const QWidget& window, const std::pair<const char*, const char*> (&points)[N])
{
    for (int row = 0; row < 20; ++row) {
        tableCell(window, "xv", row)->setText(row < int(N) ? points[row].first : "");
        tableCell(window, "yv", row)->setText(row < int(N) ? points[row].second : "");
    }
}

void click(const QWidget& window, const char* button)
{
    window.findChild<QPushButton*>(button)->click();
}

QPixmap shot(QWidget& window)
{
    QApplication::processEvents();
    return window.grab();
}

// The context menu of a control open over it, drawn into the window's
// picture: the menu is a window of its own.
QPixmap shotWithMenu(QWidget& window, QWidget* control)
{
    const QPoint at(control->width() / 2, control->height() / 3);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &event);
    QPixmap picture = shot(window);
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        QPainter(&picture).drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
        menu->close();
    }
    return picture;
}

// The map is worked out off the event thread: its last request shown.
void waitForMap(const QWidget& window)
{
    window.findChild<QThreadPool*>()->waitForDone();
    QCoreApplication::processEvents();
}

// The map's wheel turned by notches over the parameters, into the valley.
void zoomInto(const QWidget& window, ajuste::ErrorMapView& view, const ajuste::Params& p)
{
    for (int notch = 0; notch < kMapNotches; ++notch) {
        waitForMap(window);
        const QPointF at = view.placeOf(p);
        QWheelEvent wheel(at, view.mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
    }
    waitForMap(window);
}

void trigger(const QWidget& window, const QString& entry)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == entry)
            return action->trigger();
}

bool save(const QPixmap& picture, const QDir& folder, const char* name)
{
    const QString path = folder.filePath(name);
    if (picture.save(path))
        return true;
    std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

// screenshots FOLDER: the window in the table view with a few points, with
// a cell's menu open; in the graph view after "10000 pasos" on them, with
// the graph's menu open there, and the map of the error there; the results
// of "Mejor ajuste" from there; the standard atmosphere's pressures after
// "Mejor ajuste", with its confidence band, its confidence region on the
// map, then on the logarithmic scale; as PNG files in FOLDER.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ajuste::setUpApplication();
    if (argc != 2) {
        std::fputs("usage: screenshots FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    ajuste::Form1 window;
    QStringList messages;
    window.dialogs().message = [&](const QString& text) { messages << text; };
    window.show();
    fillTable(window, kPoints);
    if (!save(shot(window), folder, "ventana-tabla.png") ||
        !save(shotWithMenu(window, tableCell(window, "yv", 2)), folder, "menu-tabla.png"))
        return 1;

    click(window, "Command5");
    window.findChild<QLineEdit*>("Text1")->setText(kStepSize);
    click(window, "paso4");
    if (!messages.isEmpty()) {
        std::fprintf(stderr, "screenshots: the window said \"%s\"\n", qPrintable(messages.join("\", \"")));
        return 1;
    }
    if (!save(shot(window), folder, "ventana-grafica.png") ||
        !save(shotWithMenu(window, window.findChild<QWidget*>("graf")), folder, "menu-grafica.png"))
        return 1;
    trigger(window, "Mapa del error…");
    QWidget& map = *window.findChild<QWidget*>("mapa");
    zoomInto(window, *map.findChild<ajuste::ErrorMapView*>(), window.state().p);
    if (!save(shot(map), folder, "mapa-error.png"))
        return 1;
    map.close();
    trigger(window, "Mejor ajuste");
    trigger(window, "Resultados…");
    if (!save(shot(*window.findChild<QWidget*>("resultados")), folder, "resultados.png"))
        return 1;
    trigger(window, "Residuos…");
    if (!save(shot(*window.findChild<QWidget*>("residuos")), folder, "residuos.png"))
        return 1;

    click(window, "Command5");
    fillTable(window, kAtmosphere);
    click(window, "Command5");
    trigger(window, "Mejor ajuste");
    if (!save(shot(window), folder, "atmosfera.png"))
        return 1;
    trigger(window, "Banda de confianza (95 %)");
    if (!save(shot(window), folder, "atmosfera-banda.png"))
        return 1;
    trigger(window, "Banda de confianza (95 %)");
    trigger(window, "Mapa del error…");
    trigger(window, "Ver la región de confianza");
    waitForMap(window);
    if (!save(shot(map), folder, "atmosfera-region.png"))
        return 1;
    map.close();
    trigger(window, "Escala logarítmica");
    return save(shot(window), folder, "atmosfera-logaritmica.png") && messages.isEmpty() ? 0 : 1;
}
