#include "window/form1.h"

#include "window/texts.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>

#include <optional>

namespace ajuste {

void Form1::Command1_Click()
{
    guardar();
}

// The new file replaces the old one only once it is completely written.
void Form1::guardar()
{
    capturar();
    std::vector<DataRow> rows;
    for (int k = 0; k < state_.npuntos; ++k)
        rows.push_back({table_.xv[k]->text().toStdString(), table_.yv[k]->text().toStdString()});
    const std::string bytes = formatDataFile(rows);

    // The explicit flush matters: commit() can take a short write on a
    // full disk for success.
    QSaveFile file(texts::kDataFileName);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                       file.flush() && file.commit();
    if (!saved)
        message(texts::kCannotSave);
}

// The cells take the loaded texts as they stand, with their colours, and
// the data arrays are read from them at once, so that a fit never works on
// points the user no longer sees.
void Form1::Recuperar_Click()
{
    const std::optional<std::vector<DataRow>> rows = readDataFile();
    if (!rows)
        return;
    fillTable(*rows);
    state_.npuntos = readRows(CellTexts::AsTheyAre);
    if (state_.npuntos > 0)
        computeYmedia();
    if (!state_.modoTabla)
        redrawReleasing([this] { pintar(); });
}

// The rows of datos.txt, read and checked whole before any is used; or
// nothing, after saying what is wrong with the file.
std::optional<std::vector<DataRow>> Form1::readDataFile()
{
    QFile file(texts::kDataFileName);
    if (!file.exists()) {
        message(texts::kFileMissing);
        return std::nullopt;
    }
    // Opening a named pipe would wait for a writer, and the window with it.
    const bool plainFile = QFileInfo(file).isFile();
    const QByteArray bytes =
        plainFile && file.open(QIODevice::ReadOnly) ? file.read(kMaxDataFileBytes + 1) : QByteArray();
    if (!plainFile || file.error() != QFileDevice::NoError) {
        message(texts::kCannotRead);
        return std::nullopt;
    }
    try {
        return parseDataFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    } catch (const DataFileError& error) {
        switch (error.fault) {
        case DataFileFault::NotText: message(texts::kNotText); break;
        case DataFileFault::CountOutOfRange: message(texts::kBadCount); break;
        case DataFileFault::Truncated: message(texts::kTruncated); break;
        }
        return std::nullopt;
    }
}

void Form1::fillTable(const std::vector<DataRow>& rows)
{
    for (int k = 0; k < kRows; ++k) {
        const bool loaded = k < int(rows.size());
        table_.xv[k]->setText(loaded ? QString::fromStdString(rows[k].t) : QString());
        table_.yv[k]->setText(loaded ? QString::fromStdString(rows[k].y) : QString());
    }
}

} // namespace ajuste
