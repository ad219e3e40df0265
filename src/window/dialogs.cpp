#include "window/form1.h"

#include "window/texts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace ajuste {

void Form1::setMessenger(Messenger messenger)
{
    dialogs_.message = std::move(messenger);
}

void Form1::message(const QString& text)
{
    if (dialogs_.message) {
        dialogs_.message(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, texts::kMessageTitle, text, QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(texts::kOk);
    box.exec();
}

// The file dialogs start in the current folder, where datos.txt lives.
QString Form1::fileToOpen(const QString& filters)
{
    if (dialogs_.fileToOpen)
        return dialogs_.fileToOpen(filters);
    return QFileDialog::getOpenFileName(this, texts::kOpenTitle, QDir::currentPath(), filters);
}

// A name typed without its ending takes the chosen type's, before the
// dialog asks whether to replace a file of that name.
QString Form1::fileToSave(const QString& filters)
{
    if (dialogs_.fileToSave)
        return dialogs_.fileToSave(filters);
    QFileDialog dialog(this, texts::kSaveTitle, QDir::currentPath(), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    auto takeSuffix = [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(QRegularExpression(R"(\*\.(\w+))").match(filter).captured(1));
    };
    takeSuffix(dialog.selectedNameFilter());
    connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool Form1::printerSetUp(QPrinter& printer)
{
    if (dialogs_.printerSetUp)
        return dialogs_.printerSetUp(printer);
    QPrintDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ajuste
