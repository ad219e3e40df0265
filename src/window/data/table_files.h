#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QAction;

namespace ajuste {

class Form1;

// The table to and from any file: "Abrir…" (Ctrl+O), "Guardar como…"
// (Ctrl+Shift+S), and a file dropped anywhere on the window.
class TableFiles : public QObject {
    Q_OBJECT
public:
    explicit TableFiles(Form1& form);

    // Its two entries, for the cells' menu.
    QList<QAction*> actions() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open();
    void saveAs();

    Form1& form_;
    QAction* open_;
    QAction* saveAs_;
};

// The file named on the command line ("Abrir con" in a file manager), if
// any, opens as with "Abrir…".
void openFromCommandLine(Form1& form, const QStringList& arguments);

} // namespace ajuste
