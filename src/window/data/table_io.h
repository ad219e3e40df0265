#pragma once

#include "data/number_text.h"
#include "data/table_text.h"
#include "window/dialogs.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace ajuste {

// A table row as its two cells show it.
using RowTexts = std::array<QString, 2>;

// The rows of a table file as the cells will show them: a data file's
// texts when the file is one (isDataFile), else the numbers of a table;
// nothing, after saying why, when the file cannot be read or is neither.
std::optional<std::vector<RowTexts>> readTableFile(const QString& path, const NumberFormat& user, const Dialogs& dialogs);

// The rows of a file in datos.txt's format, checked as "Recuperar" checks them.
std::optional<std::vector<RowTexts>> readDataFile(const QString& path, const Dialogs& dialogs);

// The rows in the format the name asks for; false, after saying so, when
// the file could not be written whole.
bool writeTableFile(const QString& path, const std::vector<RowTexts>& rows, const NumberFormat& user,
                    const Dialogs& dialogs);

// Spreadsheet text from `source` (a file's name or the pasted text) with at
// least columnsWanted columns; nothing, after saying why, on any fault. A
// block that reads two ways is read as the user answers, or not at all.
std::optional<TableBlock> readTable(std::string_view text, const QString& source, int columnsWanted,
                                    const NumberFormat& user, const Dialogs& dialogs);

} // namespace ajuste
