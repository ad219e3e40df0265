#include "window_fixture.h"

#include "common/numeric_error.h"
#include "data/data_file.h"
#include "data/table_text.h"
#include "fitting/parameter_scale.h"
#include "graph/box_map.h"
#include "window/fitting/best_fit.h"
#include "window/fitting/error_map_view.h"
#include "window/fitting/residuals_view.h"
#include "window/graph/graph_widget.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <sys/stat.h>

using namespace ajuste;

namespace {

// A seeded random session on the real window: any action a user can take in
// the view showing, each followed by what must always hold. The suite runs a
// few thousand actions; AJUSTE_SESSION_ACTIONS and AJUSTE_SESSION_SEED run
// any number from any seed.
class Session : public WindowTest {
protected:
    void run(std::uint64_t seed, long actions);

private:
    struct ParamControls {
        const char* box;
        const char* bar;
        const ParameterScale& scale;
    };
    static constexpr ParamControls kParams[] = {{"Lval", "LSCR", kScaleA}, {"Cval", "CSCR", kScaleC},
                                                {"Tval", "TSCR", kScaleT}};

    std::string act();
    std::string typeText();
    std::string clickSomething();
    std::string moveBar();
    std::string replaceFile(const QString& name);
    std::string saveOrLoad();
    std::string useTable();
    std::string paste(QLineEdit* cell);
    std::string useGraphMenu();
    std::string useMap();
    std::string useResiduals();
    void openWindows();

    QString randomText();
    QString randomBlock();
    QLineEdit* randomCell() { return below(2) ? xv(int(below(kRows))) : yv(int(below(kRows))); }
    template <class T>
    const T& pick(std::initializer_list<T> items) { return items.begin()[below(items.size())]; }
    // A name from a file dialog, or none when the user cancels.
    template <std::size_t N>
    QString pickFile(const QString (&names)[N])
    {
        const std::size_t k = below(N + 1);
        return k < N ? names[k] : "";
    }
    std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); }
    // Mostly numbers of the graph's box, now and then seconds, counts, pascals or amperes.
    double outsideTheBoxNowAndThen() { return pick({1.0, 1.0, 1.0, 20.0, 1500.0, 1e5, 1e-3}); }
    void typeKeys(QLineEdit* box, const QString& text);
    // One user event, counting the most messages one event showed.
    void oneEvent(const std::function<void()>& event)
    {
        const std::size_t before = messages.size();
        event();
        mostInOneEvent = std::max(mostInOneEvent, messages.size() - before);
    }
    void choose(QWidget* w, const QString& entry);
    void expectSound(std::size_t messagesBefore);
    void expectFileHoldsTheTable(const QString& name);
    void expectHoldsTheRows(const QByteArray& text, const std::string& what);
    void expectDataAgreeWithTheCells();
    std::vector<std::array<double, 2>> cellRows() const;
    QByteArray fileState(const QString& name) const;

    InTemporaryFolder folder;
    std::mt19937_64 random;
    QString chosenFile; // what the file dialogs answer
    QLineEdit* untaken = nullptr; // a parameter box typed into and not yet left
    std::size_t mostInOneEvent = 0;
    ErrorMapView* map = nullptr; // open from the start to the end
    ResidualsView* residuals = nullptr; // so are they
};

const QString kData = texts::kDataFileName;
const QString kTableFiles[] = {kData, "otra.txt", "tabla.csv", "tabla.tsv"};
const QString kImageFiles[] = {"figura.png", "figura.svg", "figura.pdf", "figura", "falta/figura.png"};

// One pattern for the texts, the number kAny in them standing for any.
constexpr int kAny = 987654;
QRegularExpression anyOf(const QStringList& texts)
{
    QStringList patterns;
    for (const QString& text : texts)
        patterns << QRegularExpression::escape(text).replace(QString::number(kAny), R"(\S+)");
    return QRegularExpression(QRegularExpression::anchoredPattern(patterns.join('|')));
}

// Notes on a load or a paste that went ahead.
QRegularExpression notes()
{
    QStringList said{texts::rowsLeftOut(kAny, 1), texts::rowsLeftOut(kAny, kAny)};
    for (const QString& source : kTableFiles)
        said << texts::columnsLeftOut(source, kAny);
    return anyOf(said << texts::columnsLeftOut(texts::kPastedText, kAny));
}
const QRegularExpression kNotes = notes();
const QRegularExpression kNoWorld = anyOf({texts::noWorld(NoWorld::TooLarge), texts::noWorld(NoWorld::TooSmall),
                                           texts::noWorld(NoWorld::NoPositivePoint)});

// The program's own texts: nothing else may ever be said.
QRegularExpression ownTexts()
{
    using namespace texts;
    const QString any = QString::number(kAny);
    auto about = [](const char* text, const QString& source) { return QString(text).arg(source); };
    QStringList said{kNoData, kUseComma, kOverflow, kFileMissing, kTooLong, about(kNoRows, kPastedText),
                     about(kNotNumbers, kPastedText).arg(kAny),
                     about(kUnevenColumns, kPastedText).arg(kAny), kCannotSaveImage, kCannotPrint, kNothingToFit,
                     QString(kTooFewPoints).arg(kAny).arg(kAny), QString(kTooFewPointsAAndT0).arg(kAny),
                     kNoConvergence, kStartOverflows, kStartOverflowsOneSign, kNoMinimum, QString(kBeyondTheBars).arg(any, any, any),
                     QString(kStartBeyondTheBars).arg(any, any, any), kNoStartTooFewPoints, about(kNoStartFixedA, any),
                     kNoStartOutOfRange, hiddenPoints(kAny)};
    for (const QString& name : kTableFiles) {
        for (const char* text : {kCannotSave, kFileNotFound, kCannotRead, kNotText, kBadCount, kTruncated,
                                 kNotTwoColumns, kNoRows})
            said << about(text, name);
        said << about(kNotNumbers, name).arg(kAny) << about(kUnevenColumns, name).arg(kAny);
    }
    return anyOf(said);
}
const QRegularExpression kOwnTexts = ownTexts();

std::string Session::act()
{
    switch (below(13)) {
    case 0: case 1: case 2: case 3: return typeText();
    case 4: case 5: case 6: return clickSomething();
    case 7: return state().modoTabla ? typeText() : moveBar();
    case 8: return replaceFile(kData);
    case 9: return state().modoTabla ? useTable() : useGraphMenu();
    case 10: return below(3) ? useMap() : useResiduals();
    default: return saveOrLoad();
    }
}

// Texts a user might type: numbers in both notations, and everything else.
QString Session::randomText()
{
    switch (below(4)) {
    case 0: return QString::number(outsideTheBoxNowAndThen() * std::uniform_real_distribution<double>(-6, 16)(random), 'f',
                                   below(4))
        .replace('.', ',');
    case 1: return QString::number(std::uniform_int_distribution<int>(0, 10)(random));
    case 2: return pick<QString>({"", " ", "   ", "abc", "-", "+", ",", ".", "e", "1E+400", "1E-400", "-1E+400",
                                  "123456789012345678901234567890", "1.234.567,5", "1,2,3", "1..2", "ñ", "€5", "２",
                                  "1e", "0x10", "inf", "nan", "1 2", "\t3", "0,000000000001", "1e308", "-0", ",5",
                                  "1.5", "20,05", "6,05", "-20,1", "0,1", "0,00001"});
    default: {
        const QString alphabet = QStringLiteral("0123456789,.-+eE xñé€²");
        QString text;
        for (std::size_t n = below(12); n > 0; --n)
            text += alphabet[int(below(alphabet.size()))];
        return text;
    }
    }
}

// Spreadsheet text as users copy it: either notation, a header or none, one
// to three columns, often one line, now and then a field that is no number.
QString Session::randomBlock()
{
    const bool english = below(2);
    const QString separator = english ? pick<QString>({"\t", ",", " "}) : pick<QString>({"\t", ";", "  "});
    const int fields = pick({1, 2, 2, 3});
    const double scale = outsideTheBoxNowAndThen();
    QString text = below(3) ? "" : "t" + separator + "f(t)\n";
    for (std::size_t rows = below(4) ? 1 + below(25) : 1; rows > 0; --rows) {
        QStringList line;
        for (int k = 0; k < fields; ++k)
            line << (below(60) ? QString::number(scale * std::uniform_real_distribution<double>(-6, 16)(random), 'f', below(4))
                               : randomText());
        const QString joined = line.join(separator);
        text += (english ? joined : QString(joined).replace('.', ',')) + pick<QString>({"\n", "\r\n"});
    }
    return text;
}

// Key by key, with the text each key carries, as a keyboard would send it.
void Session::typeKeys(QLineEdit* box, const QString& text)
{
    for (QChar ch : text)
        oneEvent([&] {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        });
}

// A context menu's entry clicked, and the window active again: offscreen, a
// closed menu leaves no window active, and the window's keys dead.
void Session::choose(QWidget* w, const QString& entry)
{
    oneEvent([&] { useMenu(w, entry); });
    form->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->isActiveWindow());
}

std::string Session::typeText()
{
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        if (box->isVisible())
            boxes << box;
    QLineEdit* box = boxes[int(below(boxes.size()))];
    const QString text = randomText();
    box->setFocus(Qt::OtherFocusReason);
    if (box->hasFocus() && below(2))
        box->selectAll();
    typeKeys(box, text);
    const char* end = pick({"Enter", "Tab", "nothing"});
    if (std::string(end) != "nothing")
        oneEvent([&] { QTest::keyClick(box, std::string(end) == "Enter" ? Qt::Key_Return : Qt::Key_Tab); });
    const bool parameterBox = box->objectName().endsWith("val");
    if (parameterBox && std::string(end) != "Enter")
        untaken = box; // Tab leaves it: the next check finds it without the focus
    return "type \"" + text.toStdString() + "\" into " + box->objectName().toStdString() + ", then " + end;
}

std::string Session::clickSomething()
{
    QList<QWidget*> targets;
    for (const char* name : {"Command5", "Command1", "Recuperar", "paso", "paso3", "paso4", "graf", "Check1", "Check2",
                             "Check3"})
        if (find(name)->isVisible())
            targets << find(name);
    QWidget* target = targets[int(below(targets.size()))];
    oneEvent([&] { QTest::mouseClick(target, Qt::LeftButton); });
    return "click " + target->objectName().toStdString();
}

std::string Session::moveBar()
{
    const ParamControls& row = kParams[below(3)];
    const auto action = pick({QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                              QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub,
                              QAbstractSlider::SliderToMinimum, QAbstractSlider::SliderToMaximum});
    oneEvent([&] { find<ScrollBar>(row.bar)->triggerAction(action); });
    return std::string("move ") + row.bar + " by action " + std::to_string(action);
}

// A file good, damaged, huge, a table, or something no one can read as a file.
std::string Session::replaceFile(const QString& name)
{
    const QByteArray path = name.toUtf8();
    QFile::remove(name);
    QDir().rmdir(name);
    switch (below(name.endsWith(".txt") ? 9 : 16)) {
    case 0: {
        QByteArray bytes = " " + QByteArray::number(qulonglong(below(21))) + " \r\n";
        for (int line = 0; line < 40; ++line)
            bytes += QByteArray::number(qulonglong(below(10))) + (below(2) ? ",5" : "") + "\r\n";
        writeFile(path, bytes);
        return path.toStdString() + " good";
    }
    case 1: {
        QByteArray bytes = pick<QByteArray>({" 21 \r\n", " -1 \r\n", " 40000 \r\n", " 3 \r\n1\r\n2\r\n", ""});
        for (std::size_t n = below(60); n > 0; --n)
            bytes += char(below(256));
        writeFile(path, bytes);
        return path.toStdString() + " damaged";
    }
    case 2:
        writeFile(path, " 2 \r\n1\r\n2\r\n" + QByteArray(kMaxTextBytes, '7'));
        return path.toStdString() + " huge";
    case 3: QDir().mkdir(name); return path.toStdString() + " a folder";
    case 4: mkfifo(path, 0644); return path.toStdString() + " a pipe";
    case 5: QFile::link("missing/" + name, name); return path.toStdString() + " a dangling link";
    case 6: QFile::link(name, name); return path.toStdString() + " a link to itself";
    case 7: return path.toStdString() + " gone";
    default: writeFile(path, randomBlock().toUtf8()); return path.toStdString() + " a table";
    }
}

// What a file is, without ever opening anything but a plain file.
QByteArray Session::fileState(const QString& name) const
{
    const QFileInfo info(name);
    if (info.isSymLink())
        return "link to " + info.symLinkTarget().toUtf8();
    if (info.isFile())
        return fileBytes(name.toUtf8());
    return info.exists() ? "not a file" : "none";
}

// Guardar and Recuperar on datos.txt, or Guardar como… and Abrir… by the
// keys or a cell's menu on a file the session may have just replaced.
std::string Session::saveOrLoad()
{
    const bool save = below(2);
    const std::size_t way = below(state().modoTabla ? 3 : 2);
    chosenFile = way == 0 ? kData : pickFile(kTableFiles);
    std::string did = std::string(save ? "save " : "load ") + chosenFile.toStdString() + " by " +
                      std::array{"button", "keys", "menu"}[way];
    if (!save && way > 0 && !chosenFile.isEmpty() && below(2))
        did = replaceFile(chosenFile) + ", then " + did;
    const QStringList cells = tableTexts();
    const QByteArray file = fileState(chosenFile);
    const std::size_t said = messages.size();
    if (way == 0)
        oneEvent([&] { QTest::mouseClick(find(save ? "Command1" : "Recuperar"), Qt::LeftButton); });
    else if (way == 1)
        oneEvent([&] { QTest::keyClick(form.get(), save ? Qt::Key_S : Qt::Key_O,
                                       Qt::ControlModifier | (save ? Qt::ShiftModifier : Qt::NoModifier)); });
    else
        choose(randomCell(), save ? texts::kSaveAs : texts::kOpen);
    // Leaving a value box may say "Desbordamiento" first; rows past the end
    // and points no world holds are said.
    auto failure = [](const Message& m) {
        return m.text != texts::kOverflow && !kNotes.match(m.text).hasMatch() && !kNoWorld.match(m.text).hasMatch();
    };
    const bool failed = chosenFile.isEmpty() || std::any_of(messages.begin() + said, messages.end(), failure);
    if (failed && save) {
        EXPECT_EQ(fileState(chosenFile), file) << "a failed save changed the file";
    }
    if (failed && !save) {
        EXPECT_EQ(tableTexts(), cells) << "a failed load changed the table";
    }
    if (!failed)
        save ? expectFileHoldsTheTable(chosenFile) : expectDataAgreeWithTheCells();
    return did;
}

// In the table view: a paste, Ctrl+Z at any time, or the table copied, as
// text and as CSV, which then hold the rows of the cells.
std::string Session::useTable()
{
    QLineEdit* cell = randomCell();
    if (below(6) == 0) {
        oneEvent([&] { QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier); });
        return "Ctrl+Z";
    }
    if (below(5))
        return paste(cell);
    choose(cell, texts::kCopyTable);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    expectHoldsTheRows(copied->text().toUtf8(), "the copied text");
    expectHoldsTheRows(copied->data("text/csv"), "the copied CSV");
    return "Copiar tabla";
}

// A block pasted by the keys or the menu, sometimes undone at once. The
// cells then hold the block, read here independently, from the cell's row
// down with every other cell as it was; or, the block refused, every cell
// as it was. A single line is the cell's own paste.
std::string Session::paste(QLineEdit* cell)
{
    QApplication::clipboard()->setText(randomBlock());
    const std::string text = QApplication::clipboard()->text().toStdString();
    const QStringList before = tableTexts();
    const std::size_t said = messages.size();
    const bool keys = below(2);
    if (keys)
        oneEvent([&] { QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier); });
    else
        choose(cell, texts::kPasteTable);
    const int row = cell->property("index").toInt(), column = cell->objectName() == "yv";
    QStringList expected = before;
    if (!isTableText(text))
        expected[2 * row + column] = cell->text();
    else try {
        const TableBlock block = readTableText(text, form->numberFormat(), 1, Grouping::Thousands); // as answered
        const int rows = int(block.rows.size()), room = kRows - row;
        for (int k = 0; k < std::min(rows, room); ++k)
            for (int c = 0; c < block.columns; ++c)
                expected[2 * (row + k) + (block.columns == 1 ? column : c)] = numberText(block.rows[k][c]);
        if (rows > room) {
            EXPECT_EQ(messages.size() > said ? messages.back().text : "", texts::rowsLeftOut(room, rows - room));
        }
    } catch (const TableTextError&) {
        // refused: every cell as it was
    }
    EXPECT_EQ(tableTexts(), expected) << "a paste left the table half-changed";
    const bool undo = below(3) == 0 && expected != before;
    if (undo) {
        oneEvent([&] { QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier); });
        EXPECT_EQ(tableTexts(), before) << "Ctrl+Z right after a paste";
    }
    return std::string(keys ? "Ctrl+V" : "Pegar tabla") + (undo ? ", Ctrl+Z" : "") + " of \"" + text + "\" in row " +
           std::to_string(row);
}

// The graph's menu, or Ctrl+M for the best fit.
std::string Session::useGraphMenu()
{
    const QString entry = pick<QString>({texts::kCopyImage, texts::kSaveImage, texts::kPrint, texts::kCopyResults,
                                         texts::kBestFit, texts::kBestFit, texts::kResults, texts::kDataStart,
                                         texts::kLogScale, texts::kFitViewToData, texts::kConfidenceBand});
    chosenFile = pickFile(kImageFiles);
    if (entry == texts::kBestFit && below(2))
        oneEvent([&] { QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier); });
    else
        choose(find("graf"), entry); // Resultados… too leaves the window to come back to
    // The band is offered only after a fit: turned on or off there now and then.
    if (entry == texts::kBestFit && below(2))
        choose(find("graf"), texts::kConfidenceBand);
    return "graph menu " + entry.toStdString() + " " + chosenFile.toStdString();
}

// The map of the error and the residuals, opened through their menu
// entries before the first action, and the window active again.
void Session::openWindows()
{
    for (QAction* action : form->findChildren<QAction*>())
        if (action->text() == texts::kErrorMap || action->text() == texts::kResiduals)
            action->trigger();
    map = form->findChild<ErrorMapView*>();
    residuals = form->findChild<ResidualsView*>();
    ASSERT_TRUE(map && map->isVisible() && residuals && residuals->isVisible());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

// On the map, in either view: a click or a drag anywhere on it, the wheel
// either way, another plane, or an entry of its menu.
std::string Session::useMap()
{
    const QPoint at(int(below(map->width())), int(below(map->height())));
    const QPoint to(int(below(map->width())), int(below(map->height())));
    switch (below(6)) {
    case 0: oneEvent([&] { QTest::mouseClick(map, Qt::LeftButton, {}, at); }); return "click the map";
    case 1:
        oneEvent([&] { QTest::mousePress(map, Qt::LeftButton, {}, at); });
        oneEvent([&] { QTest::mouseMove(map, to); });
        oneEvent([&] { QTest::mouseRelease(map, Qt::LeftButton, {}, to); });
        return "drag on the map";
    case 2: {
        const int notches = below(2) ? 120 : -120;
        QWheelEvent wheel(at, map->mapToGlobal(at), {}, {0, notches}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        oneEvent([&] { QApplication::sendEvent(map, &wheel); });
        return "turn the wheel on the map";
    }
    case 3: map->window()->findChild<QComboBox*>()->setCurrentIndex(int(below(3))); return "choose a plane";
    default: {
        const QString entry = pick<QString>({texts::kShowAll, texts::kClearPath, texts::kCopyImage});
        choose(map, entry);
        return "map menu " + entry.toStdString();
    }
    }
}

std::string Session::useResiduals()
{
    const QString entry = pick<QString>({texts::kCopyImage, texts::kSaveImage, texts::kPrint});
    chosenFile = pickFile(kImageFiles);
    choose(residuals, entry);
    return "residuals menu " + entry.toStdString() + " " + chosenFile.toStdString();
}

// A saved file holds the table: datos.txt's format the captured texts, a
// table the rows.
void Session::expectFileHoldsTheTable(const QString& name)
{
    const QByteArray bytes = fileBytes(name.toUtf8());
    if (!name.endsWith(".txt"))
        return expectHoldsTheRows(bytes, name.toStdString());
    std::vector<DataRow> rows;
    for (int row = 0; row < state().npuntos; ++row)
        rows.push_back({xv(row)->text().toStdString(), yv(row)->text().toStdString()});
    try {
        const std::vector<DataRow> back = parseDataFile(std::string_view(bytes.constData(), bytes.size()));
        ASSERT_EQ(back.size(), rows.size());
        for (std::size_t k = 0; k < rows.size(); ++k)
            EXPECT_TRUE(back[k].t == rows[k].t && back[k].y == rows[k].y) << "row " << k;
    } catch (const DataFileError&) {
        ADD_FAILURE() << "a save that said nothing wrote an unreadable file";
    }
}

// Text the window wrote of the table reads back, independently, as the rows
// the cells hold, to the digits the window shows.
void Session::expectHoldsTheRows(const QByteArray& text, const std::string& what)
{
    auto shown = [this](const std::vector<std::array<double, 2>>& rows) {
        QStringList texts;
        for (const auto& [t, y] : rows)
            texts << numberText(t) << numberText(y);
        return texts;
    };
    try {
        EXPECT_EQ(shown(readTableText(text.toStdString(), form->numberFormat()).rows), shown(cellRows())) << what;
    } catch (const TableTextError& error) {
        ADD_FAILURE() << what << " is no table: line " << error.line;
    }
}

// The rows a capture would take from the cells, read here independently.
std::vector<std::array<double, 2>> Session::cellRows() const
{
    std::vector<std::array<double, 2>> rows;
    try {
        for (int k = 0; k < kRows && !xv(k)->text().isEmpty(); ++k)
            rows.push_back({toNumber(xv(k)->text().toStdString(), form->numberFormat()),
                            toNumber(yv(k)->text().toStdString(), form->numberFormat())});
    } catch (const NumericError&) {
        // the failing row ends the data
    }
    return rows;
}

void Session::expectDataAgreeWithTheCells()
{
    const std::vector<std::array<double, 2>> rows = cellRows();
    EXPECT_EQ(std::size_t(state().npuntos), rows.size());
    double sum = 0.0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ((std::array{state().tdatos[k], state().ydatos[k]}), rows[k]) << "row " << k;
        sum += rows[k][1];
    }
    if (!rows.empty()) {
        EXPECT_EQ(state().ymedia, sum / double(rows.size()));
    }
}

void Session::expectSound(std::size_t messagesBefore)
{
    bool loopRan = false;
    QTimer::singleShot(0, form.get(), [&] { loopRan = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(loopRan) << "the event loop stopped";

    EXPECT_FALSE(state().ocupado);
    state().modoTabla ? expectTableView() : expectGraphView();
    for (std::size_t k = messagesBefore; k < messages.size(); ++k)
        EXPECT_TRUE(kOwnTexts.match(messages[k].text).hasMatch() || kNoWorld.match(messages[k].text).hasMatch() ||
                    kNotes.match(messages[k].text).hasMatch())
            << "unknown message: " << messages[k].text.toStdString();
    EXPECT_LE(mostInOneEvent, 2u) << "one event showed more than two messages";

    if (form->graph().hasUnderlay()) {
        EXPECT_TRUE(form->findChild<BestFit*>()->currentFit()) << "a band without a current fit";
    }
    EXPECT_TRUE(map->isVisible()) << "the map closed";
    EXPECT_EQ(map->marks().current, state().p) << "the map's marker is elsewhere";
    const ResidualsPlot& shown = residuals->plot();
    const World& world = state().view.world;
    EXPECT_TRUE(residuals->isVisible() && shown.t == (Range{world.tLow, world.tHigh})) << "the residuals' t";
    try {
        EXPECT_EQ(shown.points, ajuste::residuals(state().p, form->points().t, form->points().y)) << "stale residuals";
    } catch (const NumericError&) {
        EXPECT_TRUE(shown.overflowed && shown.points.empty()) << "residuals that overflow drawn";
    }
    for (const Residual& r : shown.points)
        EXPECT_LE(std::abs(r.residual), shown.residual.high) << "a residual off its axis";

    if (untaken && !untaken->hasFocus())
        untaken = nullptr;
    for (const ParamControls& row : kParams) {
        const double value = state().p[row.scale.parameter];
        if (find<QLineEdit>(row.box) != untaken) {
            EXPECT_EQ(textOf(row.box), numberText(value)) << row.box;
        }
        const double inBox = toBox(state().view.world, state().p)[row.scale.parameter];
        EXPECT_EQ(position(row.bar), toInt16(row.scale.toPosition(inBox))) << row.bar;
    }
}

long resident(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field))
            return std::stol(line.substr(std::string(field).size()));
    return -1;
}

void Session::run(std::uint64_t seed, long actions)
{
    random.seed(seed);
    form->dialogs().fileToOpen = form->dialogs().fileToSave = [this](const QString&) { return chosenFile; };
    form->dialogs().printerSetUp = [this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("impresa.pdf");
        return below(4) != 0; // or the user cancels
    };
    openWindows();
    long peakAtStart = 0;
    for (long n = 1; n <= actions; ++n) {
        const std::size_t before = messages.size();
        mostInOneEvent = 0;
        const std::string action = act();
        expectSound(before);
        if (HasFailure()) {
            ADD_FAILURE() << "action " << n << " of seed " << seed << ": " << action
                          << "\nreplay: AJUSTE_SESSION_SEED=" << seed << " AJUSTE_SESSION_ACTIONS=" << n
                          << " window_tests --gtest_filter=Session.*";
            return;
        }
        if (messages.size() > 1000)
            messages.clear();
        if (n == std::min(actions, 1000L))
            peakAtStart = resident("VmHWM:");
    }
    std::printf("session of %ld actions from seed %llu: peak resident %ld kB after the first thousand, %ld kB "
                "at the end\n",
                actions, static_cast<unsigned long long>(seed), peakAtStart, resident("VmHWM:"));
}

TEST_F(Session, NoSequenceOfActionsBreaksTheWindow)
{
    const QByteArray seed = qgetenv("AJUSTE_SESSION_SEED");
    const QByteArray actions = qgetenv("AJUSTE_SESSION_ACTIONS");
    run(seed.isEmpty() ? 20261209 : seed.toULongLong(), actions.isEmpty() ? 3000 : actions.toLong());
}

} // namespace
