#include "window/form1.h"

#include "data/table_text.h"
#include "window/texts.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>

namespace ajuste {

namespace {

enum class TableFormat { DataFile, Csv, Tabs };

// The format goes by the name: anything but .csv and .tsv is a data file
// like datos.txt.
TableFormat formatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "csv" ? TableFormat::Csv : suffix == "tsv" ? TableFormat::Tabs : TableFormat::DataFile;
}

QString shownName(const QString& path)
{
    return QFileInfo(path).fileName();
}

// The new file replaces the old one only once it is completely written. The
// explicit flush matters: commit() can take a short write on a full disk
// for success.
bool writeWhole(const QString& path, const std::string& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
           file.flush() && file.commit();
}

} // namespace

// The captured rows, written in the format the name asks for.
void Form1::saveTable(const QString& path)
{
    capturar();
    std::string bytes;
    switch (formatOf(path)) {
    case TableFormat::DataFile: {
        std::vector<DataRow> rows;
        for (int k = 0; k < state_.npuntos; ++k)
            rows.push_back({table_.xv[k]->text().toStdString(), table_.yv[k]->text().toStdString()});
        bytes = formatDataFile(rows);
        break;
    }
    case TableFormat::Csv: bytes = formatCsv(filledRows(), numbers_); break;
    case TableFormat::Tabs: bytes = "t\tf(t)\n" + formatTableText(filledRows(), numbers_); break;
    }
    if (!writeWhole(path, bytes))
        message(QString(texts::kCannotSave).arg(shownName(path)));
}

// Loads a table file as "Recuperar" loads datos.txt; a file that cannot be
// read is refused with the table kept.
void Form1::openFile(const QString& path)
{
    const std::optional<QByteArray> bytes = readWhole(path);
    if (!bytes)
        return;
    const std::string_view view(bytes->constData(), std::size_t(bytes->size()));
    const std::optional<std::vector<DataRow>> rows =
        formatOf(path) == TableFormat::DataFile ? dataFileRows(view, shownName(path))
                                                : tableRows(view, shownName(path), 2);
    if (rows)
        loadTable(*rows);
}

// The bytes of a plain file, or nothing after saying why not.
std::optional<QByteArray> Form1::readWhole(const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        message(path == texts::kDataFileName ? QString(texts::kFileMissing) : QString(texts::kFileNotFound).arg(shownName(path)));
        return std::nullopt;
    }
    // Opening a named pipe would wait for a writer, and the window with it.
    const bool plainFile = QFileInfo(file).isFile();
    const QByteArray bytes =
        plainFile && file.open(QIODevice::ReadOnly) ? file.read(kMaxDataFileBytes + 1) : QByteArray();
    if (!plainFile || file.error() != QFileDevice::NoError) {
        message(QString(texts::kCannotRead).arg(shownName(path)));
        return std::nullopt;
    }
    return bytes;
}

// The rows of a data file, checked whole before any is used.
std::optional<std::vector<DataRow>> Form1::dataFileRows(std::string_view bytes, const QString& name)
{
    try {
        return parseDataFile(bytes);
    } catch (const DataFileError& error) {
        switch (error.fault) {
        case DataFileFault::NotText: message(QString(texts::kNotText).arg(name)); break;
        case DataFileFault::CountOutOfRange: message(QString(texts::kBadCount).arg(name)); break;
        case DataFileFault::Truncated: message(QString(texts::kTruncated).arg(name)); break;
        }
        return std::nullopt;
    }
}

// The rows of spreadsheet text, as the texts the cells will show: the user's
// notation, so that what is seen is what is fitted. Nothing on any fault.
std::optional<std::vector<DataRow>> Form1::tableRows(std::string_view table, const QString& source,
                                                     int columnsWanted)
{
    TableBlock block;
    try {
        block = readTableText(table, numbers_);
    } catch (const TableTextError& error) {
        switch (error.fault) {
        case TableTextFault::TooLong: message(texts::kTooLong); break;
        case TableTextFault::NotANumber: message(QString(texts::kNotNumbers).arg(source).arg(error.line)); break;
        case TableTextFault::FieldCount: message(QString(texts::kUnevenColumns).arg(source).arg(error.line)); break;
        }
        return std::nullopt;
    }
    if (block.columns < columnsWanted) {
        message(QString(block.columns == 0 ? texts::kNoRows : texts::kNotTwoColumns).arg(source));
        return std::nullopt;
    }
    std::vector<DataRow> rows;
    for (const auto& [t, y] : block.rows)
        rows.push_back({text(t).toStdString(), block.columns == 2 ? text(y).toStdString() : std::string()});
    return rows;
}

// The cells take the loaded texts as they stand, and the data arrays are read
// from them at once, so that a fit never works on points the user no longer
// sees. Rows past the table's end are said, not dropped silently.
void Form1::loadTable(std::vector<DataRow> rows)
{
    if (rows.size() > std::size_t(kRows)) {
        message(texts::rowsLeftOut(kRows, int(rows.size()) - kRows));
        rows.resize(kRows);
    }
    fillTable(rows);
    state_.npuntos = readRows(CellTexts::AsTheyAre);
    if (state_.npuntos > 0)
        computeYmedia();
    if (!state_.modoTabla)
        redrawReleasing([this] { pintar(); });
    refreshResults();
}

void Form1::fillTable(const std::vector<DataRow>& rows)
{
    forgetPaste();
    for (int k = 0; k < kRows; ++k) {
        const bool loaded = k < int(rows.size());
        table_.xv[k]->setText(loaded ? QString::fromStdString(rows[k].t) : QString());
        table_.yv[k]->setText(loaded ? QString::fromStdString(rows[k].y) : QString());
    }
}

} // namespace ajuste
