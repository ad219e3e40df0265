#include "window/data/table_io.h"

#include "data/data_file.h"
#include "window/texts.h"
#include "window/user_locale.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ajuste {

namespace {

QString shownName(const QString& path)
{
    return QFileInfo(path).fileName();
}

// The bytes of a plain file, or nothing after saying why not.
std::optional<std::string> readWhole(const QString& path, const Dialogs& dialogs)
{
    QFile file(path);
    if (!file.exists()) {
        dialogs.say(path == texts::kDataFileName ? QString(texts::kFileMissing)
                                         : QString(texts::kFileNotFound).arg(shownName(path)));
        return std::nullopt;
    }
    // Opening a named pipe would wait for a writer, and the window with it.
    const bool plainFile = QFileInfo(file).isFile();
    const QByteArray bytes =
        plainFile && file.open(QIODevice::ReadOnly) ? file.read(kMaxTextBytes + 1) : QByteArray();
    if (!plainFile || file.error() != QFileDevice::NoError) {
        dialogs.say(QString(texts::kCannotRead).arg(shownName(path)));
        return std::nullopt;
    }
    return bytes.toStdString();
}

// The rows of a data file, checked whole before any is used.
std::optional<std::vector<RowTexts>> dataFileRows(std::string_view bytes, const QString& name, const Dialogs& dialogs)
{
    try {
        std::vector<RowTexts> rows;
        for (const DataRow& row : parseDataFile(bytes))
            rows.push_back({QString::fromStdString(row.t), QString::fromStdString(row.y)});
        return rows;
    } catch (const DataFileError& error) {
        switch (error.fault) {
        case DataFileFault::NotText: dialogs.say(QString(texts::kNotText).arg(name)); break;
        case DataFileFault::CountOutOfRange: dialogs.say(QString(texts::kBadCount).arg(name)); break;
        case DataFileFault::Truncated: dialogs.say(QString(texts::kTruncated).arg(name)); break;
        }
        return std::nullopt;
    }
}

// The rows of spreadsheet text as the user's notation writes them, so that
// what is seen is what is fitted.
std::optional<std::vector<RowTexts>> csvRows(std::string_view bytes, const QString& name, const NumberFormat& user,
                                             const Dialogs& dialogs)
{
    const std::optional<TableBlock> block = readTable(bytes, name, 2, user, dialogs);
    if (!block)
        return std::nullopt;
    std::vector<RowTexts> rows;
    for (const auto& [t, y] : block->rows)
        rows.push_back({numberText(t, user), numberText(y, user)});
    return rows;
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

std::string formatted(const QString& path, const std::vector<RowTexts>& texts, const NumberFormat& user)
{
    const TableFileFormat format = tableFormatFor(path.toStdString());
    if (format == TableFileFormat::DataFile) {
        std::vector<DataRow> rows;
        for (const auto& [t, y] : texts)
            rows.push_back({t.toStdString(), y.toStdString()});
        return formatDataFile(rows);
    }
    std::vector<std::array<double, 2>> rows;
    for (const auto& [t, y] : texts)
        rows.push_back({typedNumber(t, user), typedNumber(y, user)});
    return format == TableFileFormat::Csv ? formatCsv(rows, user) : formatTsv(rows, user);
}

// How to read a block that reads two ways, as the user answers; nothing
// when they cancel.
std::optional<Grouping> askGrouping(const TableTextError& error, const QString& source, const NumberFormat& user,
                                    const Dialogs& dialogs)
{
    const auto [thousands, decimals] = twoReadings(error.number, user);
    const QString asThousands = numberText(thousands, user), asDecimals = numberText(decimals, user);
    const QString question = texts::twoWays(source, error.line, QString::fromStdString(error.number), asThousands,
                                            asDecimals, user.group == ".");
    switch (dialogs.askChoice(question, {QString(texts::kAsThousands).arg(asThousands),
                                         QString(texts::kAsDecimals).arg(asDecimals)})) {
    case 0: return Grouping::Thousands;
    case 1: return Grouping::Decimals;
    default: return std::nullopt;
    }
}

// The block, asking the user how to read one that reads two ways.
std::optional<TableBlock> readAsked(std::string_view text, const QString& source, int columnsWanted,
                                    const NumberFormat& user, const Dialogs& dialogs)
{
    try {
        return readTableText(text, user, columnsWanted);
    } catch (const TableTextError& error) {
        if (error.fault != TableTextFault::TwoWays)
            throw;
        const std::optional<Grouping> grouping = askGrouping(error, source, user, dialogs);
        if (!grouping)
            return std::nullopt;
        return readTableText(text, user, columnsWanted, *grouping);
    }
}

} // namespace

std::optional<std::vector<RowTexts>> readTableFile(const QString& path, const NumberFormat& user, const Dialogs& dialogs)
{
    const std::optional<std::string> bytes = readWhole(path, dialogs);
    if (!bytes)
        return std::nullopt;
    return isDataFile(*bytes, user) ? dataFileRows(*bytes, shownName(path), dialogs)
                                    : csvRows(*bytes, shownName(path), user, dialogs);
}

std::optional<std::vector<RowTexts>> readDataFile(const QString& path, const Dialogs& dialogs)
{
    const std::optional<std::string> bytes = readWhole(path, dialogs);
    if (!bytes)
        return std::nullopt;
    return dataFileRows(*bytes, shownName(path), dialogs);
}

bool writeTableFile(const QString& path, const std::vector<RowTexts>& rows, const NumberFormat& user, const Dialogs& dialogs)
{
    if (writeWhole(path, formatted(path, rows, user)))
        return true;
    dialogs.say(QString(texts::kCannotSave).arg(shownName(path)));
    return false;
}

std::optional<TableBlock> readTable(std::string_view text, const QString& source, int columnsWanted,
                                    const NumberFormat& user, const Dialogs& dialogs)
{
    std::optional<TableBlock> block;
    try {
        block = readAsked(text, source, columnsWanted, user, dialogs);
    } catch (const TableTextError& error) {
        switch (error.fault) {
        case TableTextFault::TooLong: dialogs.say(texts::kTooLong); break;
        case TableTextFault::NotANumber: dialogs.say(QString(texts::kNotNumbers).arg(source).arg(error.line)); break;
        case TableTextFault::FieldCount: dialogs.say(QString(texts::kUnevenColumns).arg(source).arg(error.line)); break;
        case TableTextFault::TwoWays: break; // not thrown once answered
        }
        return std::nullopt;
    }
    if (block && block->columns < columnsWanted) {
        dialogs.say(QString(block->columns == 0 ? texts::kNoRows : texts::kNotTwoColumns).arg(source));
        return std::nullopt;
    }
    if (block && block->columnsLeftOut > 0)
        dialogs.say(texts::columnsLeftOut(source, 2 + block->columnsLeftOut));
    return block;
}

} // namespace ajuste
