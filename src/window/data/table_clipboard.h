#pragma once

#include "data/table_text.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QKeyEvent;
class QLineEdit;

namespace ajuste {

class Form1;

// The data cells' menu and the clipboard: a copied block of rows pasted
// from a cell down (Ctrl+V, "Pegar tabla") or into an emptied table
// (Ctrl+Shift+V, "Pegar como tabla nueva"), undone whole (Ctrl+Z), and the
// table copied ("Copiar tabla").
class TableClipboard : public QObject {
    Q_OBJECT
public:
    // fileActions join the cells' menu after the clipboard's entries.
    TableClipboard(Form1& form, QList<QAction*> fileActions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCellMenu(QLineEdit* cell, QPoint at);
    bool keyPressed(QLineEdit* cell, QKeyEvent* key);
    void pasteInto(QLineEdit* cell);
    void pasteNewTable(QLineEdit* cell);
    std::optional<TableBlock> readPaste(const std::string& text);
    void layBlock(const TableBlock& block, int column, int first);
    std::vector<QString> cellTexts() const;
    void setCellTexts(const std::vector<QString>& texts);
    void undoPaste();
    void forgetPaste();
    void copyTable();

    Form1& form_;
    QList<QAction*> fileActions_;
    // Every cell's text before the last paste, xv then yv, while the paste
    // is the table's last change.
    std::optional<std::vector<QString>> beforePaste_;
};

} // namespace ajuste
