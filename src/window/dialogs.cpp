#include "window/dialogs.h"

#include "window/texts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace ajuste {

void Dialogs::say(const QString& text) const
{
    if (message) {
        message(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, texts::kMessageTitle, text, QMessageBox::Ok, parent_);
    box.button(QMessageBox::Ok)->setText(texts::kOk);
    box.exec();
}

int Dialogs::askChoice(const QString& question, const QStringList& answers) const
{
    if (choice)
        return choice(question, answers);
    QMessageBox box(QMessageBox::NoIcon, texts::kMessageTitle, question, QMessageBox::Cancel, parent_);
    box.button(QMessageBox::Cancel)->setText(texts::kCancel);
    QList<QAbstractButton*> buttons;
    for (const QString& answer : answers)
        buttons << box.addButton(answer, QMessageBox::AcceptRole);
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

// The file dialogs start in the current folder, where datos.txt lives.
QString Dialogs::askFileToOpen(const QString& filters) const
{
    if (fileToOpen)
        return fileToOpen(filters);
    return QFileDialog::getOpenFileName(parent_, texts::kOpenTitle, QDir::currentPath(), filters);
}

// A name typed without its ending takes the chosen type's, before the
// dialog asks whether to replace a file of that name.
QString Dialogs::askFileToSave(const QString& filters) const
{
    if (fileToSave)
        return fileToSave(filters);
    QFileDialog dialog(parent_, texts::kSaveTitle, QDir::currentPath(), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto takeSuffix = [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(QRegularExpression(R"(\*\.(\w+))").match(filter).captured(1));
    };
    takeSuffix(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool Dialogs::askPrinterSetUp(QPrinter& printer) const
{
    if (printerSetUp)
        return printerSetUp(printer);
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ajuste
