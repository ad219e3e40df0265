#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace ajuste {

// The window's modal dialogs, shown over `parent`. Each can be replaced,
// so that no test blocks on one; left empty, the real dialog is shown.
class Dialogs {
public:
    explicit Dialogs(QWidget* parent) : parent_(parent) {}

    std::function<void(const QString& text)> message;
    // The file chosen, or empty when the user cancelled.
    std::function<QString(const QString& filters)> fileToOpen;
    std::function<QString(const QString& filters)> fileToSave;
    // The index of the answer chosen, or -1 when the user cancelled.
    std::function<int(const QString& question, const QStringList& answers)> choice;
    // Whether to print, once the user has set the printer up.
    std::function<bool(QPrinter& printer)> printerSetUp;

    void say(const QString& text) const;
    int askChoice(const QString& question, const QStringList& answers) const;
    QString askFileToOpen(const QString& filters) const;
    QString askFileToSave(const QString& filters) const;
    bool askPrinterSetUp(QPrinter& printer) const;

private:
    QWidget* parent_;
};

} // namespace ajuste
