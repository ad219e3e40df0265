#pragma once

#include "data/data_file.h"
#include "data/number_text.h"
#include "fitting/evaluation.h"
#include "fitting/least_squares.h"
#include "fitting/parameter_scale.h"
#include "graph/plot.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class QAction;
class QCheckBox;
class QKeyEvent;
class QKeySequence;
class QPrinter;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace ajuste {

class Graph;
class ResultsWindow;
class ScrollBar;
struct Figure;

// The window-level values, held for the window's lifetime.
struct WindowState {
    Params p;       // a, c, t0
    Sums sums;      // derL, derC, derT, errorCuad of the last evaluation
    double errorAnt = 0.0;
    double ymedia = 0.0;
    double ymax = 10.0;
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

struct TableControls {
    std::array<QLineEdit*, kRows> xv{};
    std::array<QLineEdit*, kRows> yv{};
    QAction* open = nullptr;
    QAction* saveAs = nullptr;
    // Every cell's text before the last paste, xv then yv, while the paste
    // is the table's last change.
    std::optional<std::vector<QString>> beforePaste;
};

struct FitControls {
    Graph* graf = nullptr;
    QMenu* grafMenu = nullptr;
    ParamRow L{.scale = &kScaleA};
    ParamRow C{.scale = &kScaleC, .goesOnAfterRecovery = true};
    ParamRow T{.scale = &kScaleT};
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

struct ViewControls {
    QPushButton* Command5 = nullptr;
    std::array<std::vector<QWidget*>, kGroups> groups; // in the order of the control table
};

struct FileControls {
    QPushButton* Command1 = nullptr;
    QPushButton* Recuperar = nullptr;
};

// The last "Mejor ajuste" and what it was computed from, so that its
// figures can be marked once anything changes.
struct LastFit {
    FitResult result;
    Fixed fixed;
    std::vector<double> t, y;
};

// How a capture leaves the cells it reads.
enum class CellTexts { Normalise, AsTheyAre };

// The window's modal dialogs. Each can be replaced, so that no test blocks
// on one; left empty, the real dialog is shown.
struct Dialogs {
    std::function<void(const QString& text)> message;
    // The file chosen, or empty when the user cancelled.
    std::function<QString(const QString& filters)> fileToOpen;
    std::function<QString(const QString& filters)> fileToSave;
    // Whether to print, once the user has set the printer up.
    std::function<bool(QPrinter& printer)> printerSetUp;
};

class Form1 : public QWidget {
    Q_OBJECT
public:
    using Messenger = std::function<void(const QString&)>;

    explicit Form1(QWidget* parent = nullptr);

    // Every modal message goes through here; tests put a recorder in.
    void setMessenger(Messenger messenger);
    Dialogs& dialogs() { return dialogs_; }

    // Loads a table file, datos.txt's format or CSV, as "Recuperar" does.
    void openFile(const QString& path);

    const WindowState& state() const { return state_; }
    const NumberFormat& numberFormat() const { return numbers_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Start-up and views (window/)
    void buildControls(double pixelsPerTwip);
    void connectEvents();
    void valueBoxEvent(const ParamRow& row, QEvent* event);
    QAction* windowAction(const QString& text, const QKeySequence& keys, const std::function<void()>& work);
    void Form_Load();
    void message(const QString& text);
    QString fileToOpen(const QString& filters);
    QString fileToSave(const QString& filters);
    bool printerSetUp(QPrinter& printer);
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
    std::array<const ParamRow*, 3> parameterRows() const;
    double& parameter(const ParamRow& row);
    void scrollChanged(const ParamRow& row);
    void valueKeyPressed(const ParamRow& row, int code);
    void valueLeft(const ParamRow& row);
    void takeTypedValue(const ParamRow& row);
    void showValue(const ParamRow& row);

    // The graph's menu: the figure and the results (window/graph/)
    void buildGraphMenu();
    void copyImage();
    void saveImage();
    void printImage();
    void copyResults();
    QStringList resultLines() const;
    Figure figure() const;

    // Fit evaluation and descent (window/fitting/)
    void evaluateAndShow(const std::function<void()>& afterReset = {});
    void recordPreviousError();
    void showReadOuts();
    void clearReadOuts();
    void colourErrorBox();
    Fixed fixedParams() const;
    void paso_Click();
    void paso3_Click();
    void paso4_Click();
    void runBatchClick(int passes);
    double readStepSize();
    void writeBackParams();

    // The least-squares fit and its results (window/fitting/)
    void MejorAjuste_Click();
    bool withinBars(const Params& p) const;
    bool fitIsCurrent() const;
    std::vector<std::pair<QString, QString>> fitResultRows() const;
    void showResults();
    void refreshResults();

    // Data table and file (window/data/)
    void capturar();
    std::int16_t readRows(CellTexts cells);
    void warnAboutPeriod(int code);
    void computeYmedia();
    void Command1_Click();
    void guardar();
    void Recuperar_Click();
    void saveTable(const QString& path);
    std::optional<QByteArray> readWhole(const QString& path);
    std::optional<std::vector<DataRow>> dataFileRows(std::string_view bytes, const QString& name);
    std::optional<std::vector<DataRow>> tableRows(std::string_view table, const QString& source, int columnsWanted);
    void loadTable(std::vector<DataRow> rows);
    void fillTable(const std::vector<DataRow>& rows);

    // The data table's menu, paste and drops (window/data/)
    void buildTableMenu();
    void showCellMenu(QLineEdit* cell, QPoint at);
    bool cellKeyPressed(QLineEdit* cell, QKeyEvent* key);
    void pasteInto(QLineEdit* cell);
    std::vector<QString> cellTexts() const;
    void undoPaste();
    void forgetPaste();
    void copyTable();
    std::vector<std::array<double, 2>> filledRows() const;
    void Abrir_Click();
    void GuardarComo_Click();
    bool takesFileDrop(QEvent* event);

    double value(const QString& text) const;
    QString text(double x) const;
    std::span<const double> tPoints() const;
    std::span<const double> yPoints() const;

    WindowState state_;
    NumberFormat numbers_;
    Dialogs dialogs_;
    std::optional<LastFit> lastFit_;
    ResultsWindow* results_ = nullptr;

    TableControls table_;
    FitControls fit_;
    ViewControls views_;
    FileControls files_;
};

} // namespace ajuste
