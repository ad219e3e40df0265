#include "window/form1.h"

#include "window/graph/figure.h"
#include "window/graph/graph_widget.h"
#include "window/texts.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>

namespace ajuste {

namespace {

// Exported pictures have this many pixels for each of the screen's, so
// that they stay sharp when enlarged.
inline constexpr int kFigureZoom = 2;

} // namespace

// One line an entry. Ctrl+P belongs to the graph too, so that it prints
// from anywhere in the window while the graph is shown, and only then.
void Form1::buildGraphMenu()
{
    QMenu* menu = fit_.grafMenu = new QMenu(this);
    menu->addAction(texts::kCopyImage, this, &Form1::copyImage);
    menu->addAction(texts::kSaveImage, this, &Form1::saveImage);
    fit_.graf->addAction(menu->addAction(texts::kPrint, QKeySequence::Print, this, &Form1::printImage));
    menu->addAction(texts::kCopyResults, this, &Form1::copyResults);
    menu->addSeparator();
    fit_.graf->addAction(menu->addAction(texts::kBestFit, QKeySequence(Qt::CTRL | Qt::Key_M), this,
                                         &Form1::MejorAjuste_Click));
    menu->addAction(texts::kResults, this, &Form1::showResults);

    fit_.graf->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(fit_.graf, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { fit_.grafMenu->popup(fit_.graf->mapToGlobal(at)); });
}

void Form1::copyImage()
{
    QApplication::clipboard()->setImage(figureImage(figure(), kFigureZoom * devicePixelRatioF()));
}

void Form1::saveImage()
{
    const QString path = fileToSave(texts::kImageFilters);
    if (!path.isEmpty() && !saveFigure(figure(), path, kFigureZoom * devicePixelRatioF()))
        message(texts::kCannotSaveImage);
}

void Form1::printImage()
{
    QPrinter printer(QPrinter::HighResolution);
    if (printerSetUp(printer) && !paintOnPage(printer, figure()))
        message(texts::kCannotPrint);
}

// A name and a value a line, tab between, as the window shows them.
QStringList Form1::resultLines() const
{
    auto line = [](const QString& name, const QString& value) { return name + '\t' + value; };
    return {line(texts::kPointsResult, text(state_.npuntos)),
            line("a", text(state_.p.a)),
            line("c", text(state_.p.c)),
            line("t0", text(state_.p.t0)),
            line(texts::kSquaredErrorResult, fit_.label9->text()),
            line(texts::kNormalisedErrorResult, fit_.label10->text())};
}

// The results, then the last fit's figures, marked when no longer current.
void Form1::copyResults()
{
    QStringList lines = resultLines();
    if (lastFit_) {
        if (!fitIsCurrent())
            lines << texts::kStale;
        for (const auto& [name, value] : fitResultRows())
            lines << name + '\t' + value;
    }
    QApplication::clipboard()->setText(lines.join('\n'));
}

// The graph with the axis numbers as the window places them, the formula
// with the current values and the errors whose read-outs show one.
Figure Form1::figure() const
{
    const QFontInfo shown(font());
    Figure f{.graph = *fit_.graf, .graphPlace = fit_.graf->geometry(), .font = QFont(shown.family())};
    f.font.setPixelSize(shown.pixelSize());
    for (Group group : {Group::Axes, Group::ZeroMark})
        for (QWidget* w : views_.groups[int(group)])
            if (auto* label = qobject_cast<QLabel*>(w))
                f.axisNumbers.push_back({label->geometry(), label->text(), label->alignment()});
    f.lines << texts::formula(text(state_.p.a), text(state_.p.c), text(state_.p.t0));
    for (auto [box, line] : {std::pair{fit_.label9, texts::kSquaredErrorLine},
                             std::pair{fit_.label10, texts::kNormalisedErrorLine}})
        if (!box->text().isEmpty())
            f.lines << QString(line).arg(box->text());
    return f;
}

} // namespace ajuste
