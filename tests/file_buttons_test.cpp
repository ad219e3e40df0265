#include "window_fixture.h"

#include "fitting/descent.h"
#include "worked_example.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace ajuste;

namespace {

// Each test works in a folder of its own, the current one while it runs.
class DataFile : public WindowTest {
protected:
    using WindowTest::WindowTest;

    InTemporaryFolder folder;
};

TEST_F(DataFile, EmptyTableSavesTheCountAlone)
{
    click("Command1");
    EXPECT_EQ(fileBytes(), QByteArray(" 0 \r\n"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(DataFile, SavesNormalisedCellsOfTheCapturedRowsOnly)
{
    fillRow(0, "1", "2,50");
    fillRow(1, "3", "7,25");
    fillRow(3, "9", "9"); // after the empty row: not saved
    click("Command1");
    EXPECT_EQ(fileBytes(), QByteArray(" 2 \r\n1\r\n2,5\r\n3\r\n7,25\r\n"));
    EXPECT_EQ(yv(0)->text(), "2,5");
}

TEST_F(DataFile, FullTableIsFortyOneLines)
{
    for (int row = 0; row < kRows; ++row)
        fillRow(row, QString::number(row), "1");
    click("Command1");
    const QByteArray bytes = fileBytes();
    EXPECT_EQ(bytes.count("\r\n"), 41);
    EXPECT_TRUE(bytes.startsWith(" 20 \r\n0\r\n1\r\n"));
}

TEST_F(DataFile, LoadingEmptiesTheRowsPastTheCount)
{
    for (int row : {0, 1, 2, 4})
        fillRow(row, QString::number(row), "1");
    click("Command1"); // three rows: the capture ends at the empty one
    click("Recuperar");
    EXPECT_TRUE(xv(4)->text().isEmpty() && yv(4)->text().isEmpty());
    EXPECT_EQ(xv(2)->text(), "2");
    EXPECT_EQ(state().npuntos, 3);
}

struct RoundTrip {
    const char* locale;
    const char* t;
    const char* y;
};

class RoundTrips : public DataFile, public ::testing::WithParamInterface<RoundTrip> {
protected:
    RoundTrips() : DataFile(GetParam().locale) {}
};

TEST_P(RoundTrips, BringBackTheSameTable)
{
    fillRow(0, GetParam().t, GetParam().y);
    fillRow(1, "-2", "0");
    click("Command1");
    const QStringList saved = tableTexts();
    for (int row = 0; row < 2; ++row) {
        xv(row)->clear();
        yv(row)->clear();
    }
    click("Recuperar");
    EXPECT_EQ(tableTexts(), saved);
    EXPECT_EQ(state().npuntos, 2);
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTrips,
                         ::testing::Values(RoundTrip{"es_ES.UTF-8", "0,125", "1,5E+20"},
                                           RoundTrip{"en_US.UTF-8", "0.125", "-3.75"}));

struct BadFile {
    const char* name;
    QByteArray bytes;
    const char* message;
};

class BadFiles : public DataFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFiles, AreRefusedWithTheTableLeftAsItWas)
{
    fillRow(0, "1", "2");
    click("Command5"); // captured: one point
    click("Command5");
    writeFile(GetParam().bytes);
    const QStringList before = tableTexts();
    click("Recuperar");
    EXPECT_EQ(messageTexts(), GetParam().message);
    EXPECT_EQ(tableTexts(), before);
    EXPECT_EQ(state().npuntos, 1);
    EXPECT_EQ(fileBytes(), GetParam().bytes);
}

// One file per fault, for its message; the one over the size limit also
// shows that the window reads past the limit.
INSTANTIATE_TEST_SUITE_P(
    Faults, BadFiles,
    ::testing::Values(BadFile{"count_out_of_range", " 21 \r\n", "El número de puntos de datos.txt no está entre 0 y 20."},
                      BadFile{"truncated", " 2 \r\n1\r\n2\r\n3\r\n", "datos.txt tiene menos líneas de las que anuncia."},
                      BadFile{"not_text", " 0 \r\n" + QByteArray(1 << 20, '1'),
                              "datos.txt no es un archivo de datos de texto."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataFile, LoadedTextsStayAsWrittenAndColoursAsCaptured)
{
    fillRow(0, "1", "2");
    click("Command1"); // captured: row 0 white, the rest grey
    writeFile(" 2 \r\n2,50\r\n1.5\r\n7\r\n8\r\n");
    click("Recuperar");
    EXPECT_EQ(QStringList({xv(0)->text(), yv(0)->text()}), QStringList({"2,50", "1.5"}));
    EXPECT_EQ(background(xv(1)), kGrey);
    // The points the fit would use are those of the loaded table.
    EXPECT_EQ(state().npuntos, 2);
    EXPECT_EQ(state().ydatos[0], 15.0);
    EXPECT_EQ(state().tdatos[1], 7.0);
}

class PeriodDecimalFile : public DataFile {
protected:
    PeriodDecimalFile() : DataFile("en_US.UTF-8") {}
};

TEST_F(PeriodDecimalFile, CommaTextsLoadAsTheyAreAndReadByThisLocale)
{
    writeFile(" 1 \r\n2,5\r\n1\r\n"); // saved where the comma is decimal
    click("Recuperar");
    EXPECT_EQ(xv(0)->text(), "2,5");
    EXPECT_EQ(state().tdatos[0], 25.0);
}

// A named pipe would keep the window waiting for a writer.
TEST_F(DataFile, PipeOrFolderIsRefusedWithoutOpeningIt)
{
    fillRow(0, "1", "2");
    ASSERT_EQ(mkfifo("datos.txt", 0644), 0);
    click("Recuperar");
    QFile::remove("datos.txt");
    ASSERT_TRUE(QDir().mkdir("datos.txt"));
    click("Recuperar");
    EXPECT_EQ(messageTexts(), "No se pudo leer el archivo datos.txt. | No se pudo leer el archivo datos.txt.");
    EXPECT_EQ(xv(0)->text(), "1");
}

TEST_F(DataFile, MissingFileIsSaidAndChangesNothing)
{
    fillRow(0, "1", "2");
    click("Recuperar");
    EXPECT_EQ(messageTexts(), "No se encuentra el archivo datos.txt en esta carpeta.");
    EXPECT_EQ(xv(0)->text(), "1");
}

// A full disk, made by a file size limit: the write fails midway.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved{};
};

TEST_F(DataFile, FailedWriteKeepsThePreviousFile)
{
    writeFile(" 1 \r\n4\r\n5\r\n");
    for (int row = 0; row < kRows; ++row)
        fillRow(row, QString::number(row), "1,5");
    {
        FileSizeLimit full(20);
        click("Command1");
    }
    EXPECT_EQ(messageTexts(), "No se pudo guardar datos.txt; no se ha cambiado nada en el disco.");
    EXPECT_EQ(fileBytes(), QByteArray(" 1 \r\n4\r\n5\r\n"));
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{"datos.txt"}); // no temporary left behind
    EXPECT_EQ(xv(19)->text(), "19");
}

TEST_F(DataFile, FolderWhereNothingCanBeCreated)
{
    fillRow(0, "1", "2");
    QDir::setCurrent("/proc"); // not even root may create files here
    click("Command1");
    click("Recuperar");
    QDir::setCurrent(folder.path());
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(xv(0)->text(), "1");
}

TEST_F(DataFile, LoadingInTheGraphViewFitsTheLoadedPoints)
{
    fillRow(0, "0", "1");
    enterGraphView();
    writeFile(" 2 \r\n0\r\n4\r\n1\r\n10\r\n"); // the worked example
    click("Recuperar");
    EXPECT_EQ(state().npuntos, 2);
    EXPECT_EQ(state().ymedia, worked::kYmedia);
    // The redraw evaluated them: the step, from the same point, shows the same.
    const QStringList loaded = readOuts();
    click("paso");
    EXPECT_EQ(readOuts(), loaded);
    expectWorkedStep();
}

TEST_F(DataFile, EmptyFileInTheGraphViewLeavesItUsable)
{
    fillRow(0, "0", "4");
    enterGraphView();
    writeFile(" 0 \r\n");
    click("Recuperar");
    EXPECT_EQ(state().npuntos, 0);
    EXPECT_FALSE(state().ocupado);
    EXPECT_TRUE(textOf("label9").isEmpty()); // no read-out of the points gone
    click("paso"); // no points to fit: the step ends in the recovery
    EXPECT_EQ(messageTexts(), "Desbordamiento");
    EXPECT_FALSE(state().ocupado);
}

} // namespace
