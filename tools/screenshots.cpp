#include "tests/table_cell.h"
#include "window/application.h"
#include "window/form1.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <utility>

namespace {

// Points of a growth, as a student might have measured them.
const std::pair<const char*, const char*> kPoints[] = {
    {"-3", "0,5"}, {"-2", "0,9"}, {"-1", "1,7"}, {"0", "3,1"}, {"1", "5,4"}, {"2", "9,6"},
};
// Small enough for the descent from a = 5, c = 1 to settle without overflow.
const char* const kStepSize = "0,0002";

void click(const QWidget& window, const char* button)
{
    window.findChild<QPushButton*>(button)->click();
}

bool save(QWidget& window, const QDir& folder, const char* name)
{
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

// screenshots FOLDER: the window in the table view with a few points, and in
// the graph view after "10000 pasos" on them, as PNG files in FOLDER.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ajuste::setUpApplication();
    if (argc != 2) {
        std::fputs("usage: screenshots FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    ajuste::Form1 window;
    QStringList messages;
    window.setMessenger([&](const QString& text) { messages << text; });
    window.show();
    int row = 0;
    for (const auto& [t, y] : kPoints) {
        tableCell(window, "xv", row)->setText(t);
        tableCell(window, "yv", row++)->setText(y);
    }
    if (!save(window, folder, "ventana-tabla.png"))
        return 1;

    click(window, "Command5");
    window.findChild<QLineEdit*>("Text1")->setText(kStepSize);
    click(window, "paso4");
    if (!messages.isEmpty()) {
        std::fprintf(stderr, "screenshots: the window said \"%s\"\n", qPrintable(messages.join("\", \"")));
        return 1;
    }
    return save(window, folder, "ventana-grafica.png") ? 0 : 1;
}
