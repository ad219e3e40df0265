#include "window/form1.h"

#include "common/numeric_error.h"
#include "data/table_text.h"
#include "window/texts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

namespace ajuste {

namespace {

// The one local file a drag carries, or empty.
QString droppedFile(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

} // namespace

void Form1::buildTableMenu()
{
    table_.open = windowAction(texts::kOpen, QKeySequence(Qt::CTRL | Qt::Key_O), [this] { Abrir_Click(); });
    // Bound by hand: without a desktop, Qt's standard Save As keys are none.
    table_.saveAs = windowAction(texts::kSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                                 [this] { GuardarComo_Click(); });
    for (const auto* column : {&table_.xv, &table_.yv})
        for (QLineEdit* cell : *column) {
            cell->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(cell, &QWidget::customContextMenuRequested, this, [this, cell](QPoint at) { showCellMenu(cell, at); });
            connect(cell, &QLineEdit::textEdited, this, &Form1::forgetPaste);
        }
    setAcceptDrops(true);
}

QAction* Form1::windowAction(const QString& text, const QKeySequence& keys, const std::function<void()>& work)
{
    auto* action = new QAction(text, this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, work);
    addAction(action);
    return action;
}

// The cell's own menu, in Qt's words, whose paste and undo take whole
// tables, then the table's entries.
void Form1::showCellMenu(QLineEdit* cell, QPoint at)
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
    if (table_.beforePaste)
        redirect("&Undo", [this] { undoPaste(); });
    menu->addSeparator();
    QAction* paste = menu->addAction(texts::kPasteTable, this, [this, cell] { pasteInto(cell); });
    paste->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu->addAction(texts::kCopyTable, this, &Form1::copyTable);
    menu->addSeparator();
    menu->addAction(table_.open);
    menu->addAction(table_.saveAs);
    menu->popup(cell->mapToGlobal(at));
}

// Paste, undo and the period key in a data cell; true when the cell must
// not see the key.
bool Form1::cellKeyPressed(QLineEdit* cell, QKeyEvent* key)
{
    if (key->matches(QKeySequence::Paste)) {
        pasteInto(cell);
        return true;
    }
    if (key->matches(QKeySequence::Undo) && table_.beforePaste) {
        undoPaste();
        return true;
    }
    if (!key->text().isEmpty())
        warnAboutPeriod(key->text().front().unicode());
    return false;
}

// A block of rows goes into the table from the cell's row down: two columns
// into t and f(t), one into the cell's column. Anything else is an
// ordinary paste into the cell.
void Form1::pasteInto(QLineEdit* cell)
{
    const std::string text = QApplication::clipboard()->text().toStdString();
    if (!isTableText(text)) {
        cell->paste();
        return;
    }
    const std::optional<std::vector<DataRow>> rows = tableRows(text, texts::kPastedText, 1);
    if (!rows)
        return;
    const bool inT = std::ranges::find(table_.xv, cell) != table_.xv.end();
    const int first = cell->property("index").toInt();
    const int fitting = std::min<int>(int(rows->size()), kRows - first);
    table_.beforePaste = cellTexts();
    for (int k = 0; k < fitting; ++k) {
        const DataRow& row = (*rows)[k];
        if (row.y.empty()) {
            (inT ? table_.xv : table_.yv)[first + k]->setText(QString::fromStdString(row.t));
        } else {
            table_.xv[first + k]->setText(QString::fromStdString(row.t));
            table_.yv[first + k]->setText(QString::fromStdString(row.y));
        }
    }
    if (fitting < int(rows->size()))
        message(texts::rowsLeftOut(fitting, int(rows->size()) - fitting));
}

std::vector<QString> Form1::cellTexts() const
{
    std::vector<QString> texts;
    for (const auto* column : {&table_.xv, &table_.yv})
        for (const QLineEdit* cell : *column)
            texts.push_back(cell->text());
    return texts;
}

void Form1::undoPaste()
{
    const std::vector<QString> texts = *table_.beforePaste;
    for (int k = 0; k < kRows; ++k) {
        table_.xv[k]->setText(texts[k]);
        table_.yv[k]->setText(texts[kRows + k]);
    }
    forgetPaste();
}

// Once the table changes otherwise, the paste is no longer the last change.
void Form1::forgetPaste()
{
    table_.beforePaste.reset();
}

// The rows a capture would take, as tab-separated text in the user's
// notation, and as CSV.
void Form1::copyTable()
{
    const std::vector<std::array<double, 2>> rows = filledRows();
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(formatTableText(rows, numbers_)));
    data->setData("text/csv", QByteArray::fromStdString(formatCsv(rows, numbers_)));
    QApplication::clipboard()->setMimeData(data);
}

std::vector<std::array<double, 2>> Form1::filledRows() const
{
    std::vector<std::array<double, 2>> rows;
    try {
        for (int i = 0; i < kRows && !table_.xv[i]->text().isEmpty(); ++i)
            rows.push_back({value(table_.xv[i]->text()), value(table_.yv[i]->text())});
    } catch (const NumericError&) {
        // the failing row ends the data, as in a capture
    }
    return rows;
}

void Form1::Abrir_Click()
{
    const QString path = fileToOpen(texts::kTableFilters);
    if (!path.isEmpty())
        openFile(path);
}

void Form1::GuardarComo_Click()
{
    const QString path = fileToSave(texts::kTableFilters);
    if (!path.isEmpty())
        saveTable(path);
}

// A file dragged onto any part of the window opens as with "Abrir…"; true
// when the event was such a drag.
bool Form1::takesFileDrop(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        openFile(path);
    return true;
}

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    takesFileDrop(event);
}

void Form1::dropEvent(QDropEvent* event)
{
    takesFileDrop(event);
}

} // namespace ajuste
