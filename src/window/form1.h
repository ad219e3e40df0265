#pragma once

#include "data/data_file.h"
#include "data/number_text.h"
#include "fitting/evaluation.h"
#include "fitting/parameter_scale.h"
#include "graph/plot.h"
#include "graph/view.h"
#include "window/dialogs.h"

#include <QRect>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ajuste {

class Graph;
class ScrollBar;

// The window-level values, held for the window's lifetime.
struct WindowState {
    Params p;       // a, c, t0
    Sums sums;      // derL, derC, derT, errorCuad of the last evaluation
    double errorAnt = 0.0;
    double ymedia = 0.0;
    std::array<double, kRows + 1> tdatos{};
    std::array<double, kRows + 1> ydatos{};
    std::int16_t npuntos = 0;
    // The busy flag. Moving a bar from code runs its change handler at once,
    // inside the work that moved it; the flag makes that nested handler do
    // nothing. Taken by the handlers that start work on the parameters
    // (takeOcupado: the bars, the value boxes, the step buttons), and set
    // without asking by graf_Click, desbord and start-up. Released only at
    // the end of a redraw (pintar, pinter), by start-up, and by a failed
    // redraw's handler (redrawReleasing).
    bool ocupado = false;
    bool modoTabla = true;
    // What the graph shows: the box, or a world onto which the box, the
    // bars and the start values are mapped.
    View view;
};

// One parameter's row in the graph view: bar above box, with its fix box.
struct ParamRow {
    const ParameterScale* scale = nullptr;
    ScrollBar* bar = nullptr;
    QLineEdit* box = nullptr;
    QCheckBox* fix = nullptr;
    bool goesOnAfterRecovery = false; // the c row takes up its work again
};

// The groups in which the views show and hide their controls, switched in
// this order. Entering the graph view shows the fit panel (axes to error
// boxes), hides the table, then shows the rest; the recovery, only ever
// called from the graph view, stops at the zero mark, since the parameter
// panel is showing already.
enum class Group {
    Axes,
    Graph,
    StepButtons,
    Headings,
    Derivatives,
    ErrorAndStepBoxes,
    ZeroMark,
    FixBoxes,
    ParameterRows,
    ParameterPictures,
    Table,
    Always,
};
inline constexpr int kGroups = int(Group::Always) + 1;

// The data table: t in xv, f(t) in yv.
struct TableCells {
    std::array<QLineEdit*, kRows> xv{};
    std::array<QLineEdit*, kRows> yv{};

    QLineEdit* at(int row, int column) const { return (column == 0 ? xv : yv)[row]; }
};

struct FitControls {
    Graph* graf = nullptr;
    PerParameter<ParamRow> rows{.a = {.scale = &kScaleA},
                                .c = {.scale = &kScaleC, .goesOnAfterRecovery = true},
                                .t0 = {.scale = &kScaleT}};
    QLineEdit* Text1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* label9 = nullptr;
    QLineEdit* label10 = nullptr;
    QPushButton* paso = nullptr;
    QPushButton* paso3 = nullptr;
    QPushButton* paso4 = nullptr;
};

// An axis number, and its place in the form's layout.
struct AxisLabel {
    QLabel* label = nullptr;
    QRect formPlace;
};

// The graph's ends, t across and y up, and the 0 of its line at t = 0.
struct AxisLabels {
    AxisLabel Minimo, maximo, inicio, Final, Label14;
};

struct ViewControls {
    QPushButton* Command5 = nullptr;
    AxisLabels axes;
    std::array<std::vector<QWidget*>, kGroups> groups; // in the order of the control table
};

struct FileControls {
    QPushButton* Command1 = nullptr;
    QPushButton* Recuperar = nullptr;
};

// The window: its controls, its values, its handlers and
// procedures. What was added to it (menus, files, the fit, the figure)
// lives in classes of its own, which read it and ask it for work through
// the public part below, and hear of its changes through the signals.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // Takes each number of a row as soon as it is read: column 0 is t, 1 is f(t).
    using RowReader = std::function<void(int row, int column, double number)>;

    explicit Form1(QWidget* parent = nullptr);

    // Every modal message and dialog goes through here; tests put recorders in.
    Dialogs& dialogs() { return dialogs_; }

    const WindowState& state() const { return state_; }
    const NumberFormat& numberFormat() const { return numbers_; }
    QString text(double x) const;
    // The captured points, t and y of each.
    struct Points {
        std::span<const double> t, y;
    };
    Points points() const;
    Fixed fixedParams() const;
    // The step size box "Paso" read as a number; throws NumericError.
    double stepSize() const;

    // The table's rows up to the first whose t cell is empty or whose cells
    // are not numbers, read without changing anything; how many were read.
    int readRows(const RowReader& take) const;
    TableCells& cells() { return table_; }
    Graph& graph() { return *fit_.graf; }
    AxisLabels& axes() { return views_.axes; }
    // The axis numbers the graph view shows, and the two error boxes.
    std::vector<const QLabel*> axisLabels() const;
    // The two error boxes' texts: the squared error, then the normalised one.
    std::array<QString, 2> errorTexts() const;

    // Loads a table file, datos.txt's format or CSV, as "Recuperar" does.
    void openFile(const QString& path);
    // Writes the captured rows in the format the name asks for, as "Guardar" does.
    void saveTable(const QString& path);
    // As if typed into the boxes: bars, boxes, redraw and read-outs; a value
    // the bars cannot take ends in the recovery.
    void setParameters(const Params& p);
    // What the graph shows from now on; the parameters the bars cannot
    // take in a new world go to its start values, as at start-up.
    void setView(const View& view);
    // The curve and the points drawn again while the graph shows, with no
    // new evaluation.
    void redrawGraph();

signals:
    void tableLoaded();   // the cells filled from a file
    void captured();      // new points in tdatos/ydatos
    void pointsToShow();  // the graph view entered, or a table loaded: a view for the points
    void redrawn();       // the curve drawn again, or a redraw stopped by an error
    void fixedChanged();  // a fix box ticked or unticked
    // The parameters a step or a batch went through, from those before it.
    void stepped(const std::vector<Params>& path);
    void recovered();     // back at the start values after numeric trouble

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double value(const QString& text) const; // throws NumericError

    // Start-up and views (window/)
    void buildControls(double pixelsPerTwip);
    void connectEvents();
    void valueBoxEvent(const ParamRow& row, QEvent* event);
    void Form_Load();
    void Command5_Click();
    void showGraphControls(Group last);
    void showTableView();
    void showGroups(Group first, Group last, bool shown);
    void desbord();
    void resetParameters();
    bool takeOcupado();
    bool recovering(const std::function<void()>& work);
    void redrawReleasing(const std::function<void()>& redraw);

    // Drawing and parameter controls (window/graph/)
    void pintar(); // the full redraw: curve, points and the evaluation
    void pinter(); // the light redraw after a step, which has evaluated already
    void drawCurveAndPoints(CurveRule rule);
    void graf_Click();
    void scrollChanged(const ParamRow& row);
    void valueKeyPressed(const ParamRow& row, int code);
    void valueLeft(const ParamRow& row);
    void takeTypedValue(const ParamRow& row);
    void showValue(const ParamRow& row);

    // Fit evaluation and descent (window/fitting/)
    void resetSums();
    void addSumsAndShow();
    void recordPreviousError();
    void showReadOuts();
    void clearReadOuts();
    void paso_Click();
    void paso3_Click();
    void paso4_Click();
    void runBatchClick(int passes);
    double readStepSize();
    void writeBackParams();

    // Data table and file (window/data/)
    void capturar();
    std::int16_t takeRows(bool normalise);
    void warnAboutPeriod(int code);
    void computeYmedia();
    void Command1_Click();
    void guardar();
    void Recuperar_Click();

    WindowState state_;
    NumberFormat numbers_;
    Dialogs dialogs_;

    TableCells table_;
    FitControls fit_;
    ViewControls views_;
    FileControls files_;
};

} // namespace ajuste
