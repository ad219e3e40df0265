#include "window/data/table_clipboard.h"

#include "data/table_text.h"
#include "window/data/table_io.h"
#include "window/form1.h"
#include "window/texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

namespace ajuste {

namespace {

const QKeySequence kPasteNewTableKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_V);

int columnOf(TableCells& cells, const QLineEdit* cell)
{
    return std::ranges::find(cells.xv, cell) != cells.xv.end() ? 0 : 1;
}

} // namespace

TableClipboard::TableClipboard(Form1& form, QList<QAction*> fileActions)
    : QObject(&form), form_(form), fileActions_(std::move(fileActions))
{
    for (int row = 0; row < kRows; ++row)
        for (int column : {0, 1}) {
            QLineEdit* cell = form.cells().at(row, column);
            cell->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(cell, &QWidget::customContextMenuRequested, this,
                    [this, cell](QPoint at) { showCellMenu(cell, at); });
            connect(cell, &QLineEdit::textEdited, this, &TableClipboard::forgetPaste);
            cell->installEventFilter(this);
        }
    connect(&form, &Form1::tableLoaded, this, &TableClipboard::forgetPaste);
}

bool TableClipboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return keyPressed(static_cast<QLineEdit*>(watched), static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

// The cell's own menu, in Qt's words, whose paste and undo take whole
// tables, then the table's entries.
void TableClipboard::showCellMenu(QLineEdit* cell, QPoint at)
{
    QMenu* menu = cell->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Qt names none of its entries: they are known by their translated text.
    auto redirect = [&](const char* qtText, const std::function<void()>& work) {
        for (QAction* action : menu->actions())
            if (action->text().section('\t', 0, 0) == QCoreApplication::translate("QLineEdit", qtText)) {
                disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, this, work);
                action->setEnabled(true);
            }
    };
    if (!QApplication::clipboard()->text().isEmpty())
        redirect("&Paste", [this, cell] { pasteInto(cell); });
    if (beforePaste_)
        redirect("&Undo", [this] { undoPaste(); });
    menu->addSeparator();
    QAction* paste = menu->addAction(texts::kPasteTable, this, [this, cell] { pasteInto(cell); });
    QAction* pasteNew = menu->addAction(texts::kPasteNewTable, this, [this, cell] { pasteNewTable(cell); });
    pasteNew->setShortcut(kPasteNewTableKeys);
    for (QAction* action : {paste, pasteNew})
        action->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu->addAction(texts::kCopyTable, this, &TableClipboard::copyTable);
    menu->addSeparator();
    menu->addActions(fileActions_);
    menu->popup(cell->mapToGlobal(at));
}

// Paste and undo in a data cell; true when the cell must not see the key.
bool TableClipboard::keyPressed(QLineEdit* cell, QKeyEvent* key)
{
    if (QKeySequence(key->keyCombination()) == kPasteNewTableKeys) {
        pasteNewTable(cell);
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        pasteInto(cell);
        return true;
    }
    if (key->matches(QKeySequence::Undo) && beforePaste_) {
        undoPaste();
        return true;
    }
    return false;
}

// A block of rows goes into the table from the cell's row down: two columns
// into t and f(t), one into the cell's column. Anything else is an
// ordinary paste into the cell.
void TableClipboard::pasteInto(QLineEdit* cell)
{
    const std::string text = QApplication::clipboard()->text().toStdString();
    if (!isTableText(text)) {
        cell->paste();
        return;
    }
    if (const std::optional<TableBlock> block = readPaste(text))
        layBlock(*block, columnOf(form_.cells(), cell), cell->property("index").toInt());
}

// The block, even a single line, into the table emptied first, from its
// first row; one step for Ctrl+Z.
void TableClipboard::pasteNewTable(QLineEdit* cell)
{
    if (const std::optional<TableBlock> block = readPaste(QApplication::clipboard()->text().toStdString())) {
        setCellTexts(std::vector<QString>(2 * kRows));
        layBlock(*block, columnOf(form_.cells(), cell), 0);
    }
}

// The block to paste, the cells kept for Ctrl+Z; nothing, after saying why,
// when it cannot be pasted.
std::optional<TableBlock> TableClipboard::readPaste(const std::string& text)
{
    std::optional<TableBlock> block = readTable(text, texts::kPastedText, 1, form_.numberFormat(), form_.dialogs());
    if (block)
        beforePaste_ = cellTexts();
    return block;
}

// From row `first` down: two columns into t and f(t), one into `column`.
void TableClipboard::layBlock(const TableBlock& block, int column, int first)
{
    TableCells& cells = form_.cells();
    const int rows = int(block.rows.size());
    const int fitting = std::min(rows, kRows - first);
    for (int k = 0; k < fitting; ++k) {
        const auto& [t, y] = block.rows[k];
        if (block.columns == 1) {
            cells.at(first + k, column)->setText(form_.text(t));
        } else {
            cells.at(first + k, 0)->setText(form_.text(t));
            cells.at(first + k, 1)->setText(form_.text(y));
        }
    }
    if (fitting < rows)
        form_.dialogs().say(texts::rowsLeftOut(fitting, rows - fitting));
}

std::vector<QString> TableClipboard::cellTexts() const
{
    std::vector<QString> texts;
    for (int column : {0, 1})
        for (int row = 0; row < kRows; ++row)
            texts.push_back(form_.cells().at(row, column)->text());
    return texts;
}

void TableClipboard::setCellTexts(const std::vector<QString>& texts)
{
    for (int column : {0, 1})
        for (int row = 0; row < kRows; ++row)
            form_.cells().at(row, column)->setText(texts[column * kRows + row]);
}

void TableClipboard::undoPaste()
{
    setCellTexts(*beforePaste_);
    forgetPaste();
}

// Once the table changes otherwise, the paste is no longer the last change.
void TableClipboard::forgetPaste()
{
    beforePaste_.reset();
}

// The rows a capture would take, as tab-separated text in the user's
// notation, and as CSV.
void TableClipboard::copyTable()
{
    std::vector<std::array<double, 2>> rows;
    std::array<double, 2> row{};
    form_.readRows([&](int, int column, double number) {
        row[column] = number;
        if (column == 1)
            rows.push_back(row);
    });
    const NumberFormat& user = form_.numberFormat();
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(formatTableText(rows, user)));
    data->setData("text/csv", QByteArray::fromStdString(formatCsv(rows, user)));
    QApplication::clipboard()->setMimeData(data);
}

} // namespace ajuste
