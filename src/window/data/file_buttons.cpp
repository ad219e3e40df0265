#include "window/form1.h"

#include "window/data/table_io.h"
#include "window/texts.h"

#include <QLineEdit>

namespace ajuste {

void Form1::Command1_Click()
{
    guardar();
}

void Form1::guardar()
{
    saveTable(texts::kDataFileName);
}

void Form1::Recuperar_Click()
{
    openFile(texts::kDataFileName);
}

void Form1::saveTable(const QString& path)
{
    capturar();
    std::vector<RowTexts> rows;
    for (int k = 0; k < state_.npuntos; ++k)
        rows.push_back({table_.xv[k]->text(), table_.yv[k]->text()});
    writeTableFile(path, rows, numbers_, dialogs_);
}

// A file that cannot be read is refused with the table kept. The cells take
// the loaded texts as they stand, and the data arrays are read from them at
// once, so that a fit never works on points the user no longer sees. Rows
// past the table's end are said, not dropped silently.
void Form1::openFile(const QString& path)
{
    const std::optional<std::vector<RowTexts>> read = readTableFile(path, numbers_, dialogs_);
    if (!read)
        return;
    const std::vector<RowTexts>& rows = *read;
    if (rows.size() > std::size_t(kRows))
        dialogs_.say(texts::rowsLeftOut(kRows, int(rows.size()) - kRows));
    for (int k = 0; k < kRows; ++k) {
        const bool loaded = k < int(rows.size());
        table_.xv[k]->setText(loaded ? rows[k][0] : QString());
        table_.yv[k]->setText(loaded ? rows[k][1] : QString());
    }
    state_.npuntos = takeRows(false);
    if (state_.npuntos > 0) {
        computeYmedia();
        emit pointsToShow();
    }
    if (!state_.modoTabla)
        redrawReleasing([this] { pintar(); });
    emit tableLoaded();
    emit captured();
}

} // namespace ajuste
