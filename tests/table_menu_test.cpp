#include "window_fixture.h"

#include "near.h"
#include "window/data/table_files.h"
#include "worked_example.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QTimer>
#include <QMimeData>
#include <QTest>
#include <QWindow>

using namespace ajuste;

namespace {

class TableMenu : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        fillRow(0, "9", "9");
        fillRow(19, "8", "8");
    }
    void pasteWithKeys(QLineEdit* cell, const QString& clipboard)
    {
        QApplication::clipboard()->setText(clipboard);
        QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    }
    InTemporaryFolder folder;
};

// A paste into the cell at `row` of column `column`: the table's texts
// afterwards (xv(0), yv(0), xv(1) …, the first rows shown) and the message.
struct Paste {
    const char* name;
    const char* clipboard;
    const char* column;
    int row;
    QStringList firstRows;
    const char* message = "";
};

class Pastes : public TableMenu, public ::testing::WithParamInterface<Paste> {};

TEST_P(Pastes, FillTheRowsAndCtrlZPutsThemBack)
{
    const Paste& p = GetParam();
    const QStringList before = tableTexts();
    QLineEdit* cell = QString(p.column) == "xv" ? xv(p.row) : yv(p.row);
    pasteWithKeys(cell, p.clipboard);
    EXPECT_EQ(tableTexts().mid(0, p.firstRows.size()), p.firstRows);
    EXPECT_EQ(messageTexts(), p.message);
    if (tableTexts() != before)
        QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tableTexts(), before);
}

QString rows(int count)
{
    QString text;
    for (int k = 0; k < count; ++k)
        text += QString("%1\t%2,5\n").arg(k).arg(k);
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Pastes,
    ::testing::Values(
        Paste{"EnglishBlockWithHeaderFromRowOne", "tiempo\ttensión\n0.5\t1.25\n1.5\t2\n", "yv", 1,
              {"9", "9", "0,5", "1,25", "1,5", "2"}},
        Paste{"SpanishCsvIntoTheFirstRow", "t;y\r\n0,5;1,25\r\n", "xv", 0, {"0,5", "1,25", "", ""}},
        Paste{"OneColumnGoesIntoTheCellsColumn", "3\n4\n", "yv", 1, {"9", "9", "", "3", "", "4"}},
        Paste{"OneLineIsOneCellsText", "3,5", "xv", 1, {"9", "9", "3,5", ""}},
        Paste{"BadFieldPastesNothing", "1;2\n1;x\n", "xv", 0, {"9", "9", ""},
              "El texto pegado, línea 2: no es una fila de números; no se ha cargado nada."},
        Paste{"BlanksAndDecimalPeriods", "# U (V)\n0 17.0\n15  16.1\n", "xv", 0, {"0", "17", "15", "16,1"}},
        Paste{"ThreeColumnsAreSaid", "1\t2\t3\n", "yv", 0, {"1", "2", ""},
              "El texto pegado tiene 3 columnas: se han tomado las dos primeras, t y f(t)."},
        Paste{"RowsPastTheEndAreSaid", "1\t2\n3\t4\n5\t6\n", "xv", 18, {"9", "9"},
              "Se tomaron 2 filas; no se tomó la última."}),
    [](const auto& info) { return std::string(info.param.name); });

// Asked each time; cancelled, nothing is pasted.
TEST_F(TableMenu, BlockThatReadsTwoWaysIsPastedAsAnswered)
{
    const QStringList before = tableTexts();
    const QStringList answered[] = {{"9", "1566", "12", "1380"}, {"9", "1,566", "12", "1,38"}, before.mid(0, 4)};
    for (int choice : {0, 1, -1}) {
        answer = choice;
        pasteWithKeys(xv(0), "9\t1.566\n12\t1.380\n");
        EXPECT_EQ(tableTexts().mid(0, 4), answered[choice < 0 ? 2 : choice]);
        QTest::keyClick(xv(0), Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(questions.size(), 3);
    EXPECT_EQ(questions.front(), "El texto pegado, línea 1: 1.566 se puede leer como 1566, con punto de miles, o como "
                                 "1,566, con punto decimal. ¿Cómo se leen los números? 1566 (miles) | 1,566 (decimales)");
    EXPECT_TRUE(messages.empty());
}

// By the keys or the menu, then undone whole.
TEST_F(TableMenu, PasteAsNewTableEmptiesItFirst)
{
    const QStringList before = tableTexts();
    QApplication::clipboard()->setText("1\t2\n3\t4\n");
    for (bool keys : {true, false}) {
        if (keys)
            QTest::keyClick(yv(5), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        else
            useMenu(xv(7), "Pegar como tabla nueva");
        EXPECT_EQ(tableTexts(), QStringList({"1", "2", "3", "4"}) + QStringList(36, ""));
        QTest::keyClick(yv(5), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(tableTexts(), before);
    }
}

// Pasted, then opened: only the opened ones are captured.
TEST_F(TableMenu, TwentyFiveRowsFillTheTableAndSayFiveWereLeft)
{
    writeFile("filas.tsv", rows(25).toUtf8());
    form->dialogs().fileToOpen = [](const QString&) { return QString("filas.tsv"); };
    for (int captured : {0, 20}) {
        messages.clear();
        if (captured == 0)
            pasteWithKeys(xv(0), rows(25));
        else
            QTest::keyClick(xv(0), Qt::Key_O, Qt::ControlModifier);
        EXPECT_EQ(xv(19)->text(), "19");
        EXPECT_EQ(yv(19)->text(), "19,5");
        EXPECT_EQ(state().npuntos, captured);
        EXPECT_EQ(messageTexts(), "Se tomaron 20 filas; no se tomaron las últimas 5 filas.");
    }
}

// Once another cell is typed in, the paste is no longer the last change.
TEST_F(TableMenu, TypingAfterAPasteLeavesItInPlace)
{
    pasteWithKeys(xv(2), "1\t2\n3\t4\n");
    typeInto(yv(10), "7");
    QTest::keyClick(yv(10), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tableTexts().mid(4, 4), QStringList({"1", "2", "3", "4"}));
}

TEST_F(TableMenu, FileNamedOnTheCommandLineOpens)
{
    writeFile("medidas.csv", "t,y\n1.5,2\n");
    openFromCommandLine(*form, {"ajuste-curvas-exponenciales"});
    EXPECT_EQ(xv(0)->text(), "9");
    openFromCommandLine(*form, {"ajuste-curvas-exponenciales", "medidas.csv"});
    EXPECT_EQ(tableTexts().mid(0, 3), QStringList({"1,5", "2", ""}));
}

TEST_F(TableMenu, MenuSpeaksSpanishAndCopiesTheFilledRows)
{
    fillRow(1, "0,5", "1E+20");
    const QStringList entries = useMenu(xv(0), "Copiar tabla");
    EXPECT_TRUE(entries.front().startsWith("&Deshacer")) << entries.join(", ").toStdString();
    for (const char* entry : {"Pegar tabla", "Copiar tabla", "Abrir…", "Guardar como…"})
        EXPECT_TRUE(entries.contains(entry)) << entry;
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    EXPECT_EQ(copied->text(), "9\t9\n0,5\t1E+20\n");
    EXPECT_EQ(copied->data("text/csv"), "t;f(t)\r\n9;9\r\n0,5;1E+20\r\n");
}

TEST_F(TableMenu, QtsOwnPasteAndUndoEntriesTakeTheWholeBlock)
{
    const QStringList before = tableTexts();
    QApplication::clipboard()->setText("1\t2\n3\t4\n");
    useMenu(yv(2), "&Pegar\t");
    EXPECT_EQ(tableTexts().mid(4, 5), QStringList({"1", "2", "3", "4", ""}));
    useMenu(xv(7), "&Deshacer");
    EXPECT_EQ(tableTexts(), before);
}

TEST_F(TableMenu, SaveAsCsvThenOpenBringsTheTableBack)
{
    fillRow(1, "0,50", "1,25");
    form->dialogs().fileToSave = [](const QString&) { return QString("medidas.csv"); };
    QTest::keyClick(xv(1), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fileBytes("medidas.csv"), "t;f(t)\r\n9;9\r\n0,5;1,25\r\n");
    EXPECT_EQ(yv(1)->text(), "1,25");

    fillRow(0, "", "");
    form->dialogs().fileToOpen = [](const QString&) { return QString("medidas.csv"); };
    QTest::keyClick(xv(1), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(tableTexts().mid(0, 5), QStringList({"9", "9", "0,5", "1,25", ""}));
    EXPECT_EQ(state().npuntos, 2);
    EXPECT_TRUE(messages.empty());
}

// The real dialog, answered as a user would: a name without its ending and
// the CSV type chosen.
TEST_F(TableMenu, SaveDialogGivesTheNameTheChosenTypesEnding)
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectNameFilter("Tabla CSV (*.csv)");
        emit dialog->filterSelected("Tabla CSV (*.csv)");
        dialog->selectFile("medidas");
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::keyClick(xv(1), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fileBytes("medidas.csv"), "t;f(t)\r\n9;9\r\n");
}

// A file opened, whatever its name: its first rows, and what was said.
struct OpenedFile {
    const char* name;
    const char* file;
    QByteArray bytes;
    QStringList firstRows;
    const char* message = "";
};

class OpensByContent : public TableMenu, public ::testing::WithParamInterface<OpenedFile> {};

TEST_P(OpensByContent, WhateverTheName)
{
    const OpenedFile& f = GetParam();
    writeFile(f.file, f.bytes);
    form->dialogs().fileToOpen = [&](const QString& filters) {
        EXPECT_TRUE(filters.startsWith("Tablas (*.txt *.csv *.tsv *.dat);;")) << filters.toStdString();
        return QString(f.file);
    };
    QTest::keyClick(xv(1), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(tableTexts().mid(0, f.firstRows.size()), f.firstRows);
    EXPECT_EQ(messageTexts(), f.message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpensByContent,
    ::testing::Values(
        OpenedFile{"PlottingProgramsDat", "capac.dat", "# descarga\nt U\n0 4.58\n2 3.77\n", {"0", "4,58", "2", "3,77", ""}},
        OpenedFile{"TableInATxt", "medidas.txt", "t;y\r\n1;2,5\r\n", {"1", "2,5", ""}},
        OpenedFile{"DataFileUnderAnotherName", "serie.dat", " 1 \r\n1\r\n2,50\r\n", {"1", "2,50", ""}},
        OpenedFile{"GarbageLineLoadsNothing", "capac.dat", "0 4.58\nx 3.77\n", {"9", "9", ""},
                   "capac.dat, línea 2: no es una fila de números; no se ha cargado nada."},
        OpenedFile{"ThreeColumnsAreSaid", "tabla.tsv", "0 17.0 0.2\n15 16.1 0.2\n", {"0", "17", "15", "16,1"},
                   "tabla.tsv tiene 3 columnas: se han tomado las dos primeras, t y f(t)."},
        OpenedFile{"SpanishCalcThousands", "cuentas.csv", "9,1.566\r\n15,\"1.300,5\"\r\n", {"9", "1566", "15", "1300,5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TableMenu, BadFileIsRefusedWithTheTableKept)
{
    writeFile("x.csv", "t,y\n1.5,2\n3\n");
    const QStringList before = tableTexts();
    form->dialogs().fileToOpen = [](const QString&) { return QString("x.csv"); };
    useMenu(yv(4), "Abrir");
    EXPECT_EQ(messageTexts(), "x.csv, línea 3: no tiene tantas columnas como la primera; no se ha cargado nada.");
    EXPECT_EQ(tableTexts(), before);
}

TEST_F(TableMenu, DroppedFileOpensInTheGraphViewAndRedraws)
{
    enterGraphView();
    writeFile("datos 2.txt", " 2 \r\n0\r\n4\r\n1\r\n10\r\n");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(folder.path() + "/datos 2.txt")});
    // Through the window, as the platform delivers a drag, onto a value box.
    const QPoint onLval = find("Lval")->geometry().center();
    QDragEnterEvent enter(onLval, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->windowHandle(), &enter);
    QDropEvent drop(onLval, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form->windowHandle(), &drop);
    EXPECT_EQ(tableTexts().mid(0, 5), QStringList({"0", "4", "1", "10", ""}));
    EXPECT_EQ(state().npuntos, 2);
    EXPECT_TRUE(near12(shownNumber("label9"), worked::kErrorCuad));
    EXPECT_EQ(find<QLineEdit>("Lval")->text(), "5");
}

} // namespace
