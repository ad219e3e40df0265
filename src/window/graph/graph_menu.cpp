#include "window/graph/graph_menu.h"

#include "window/form1.h"
#include "window/graph/figure.h"
#include "window/graph/graph_widget.h"
#include "window/graph/log_note.h"
#include "window/texts.h"

#include <QLabel>
#include <QMenu>

namespace ajuste {

GraphMenu::GraphMenu(Form1& form) : QObject(&form), form_(form), menu_(new QMenu(&form))
{
    addEntry(texts::kCopyImage, [this] { copyImage(); });
    addEntry(texts::kSaveImage, [this] { saveImage(); });
    addEntry(texts::kPrint, [this] { printImage(); }, QKeySequence::Print);
    Graph& graph = form.graph();
    graph.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&graph, &QWidget::customContextMenuRequested, this,
            [this, &graph](const QPoint& at) { menu_->popup(graph.mapToGlobal(at)); });
}

// Keys go to the graph, so that they work from anywhere in the window while
// the graph is shown, and only then.
QAction* GraphMenu::addEntry(const QString& text, const std::function<void()>& work, const QKeySequence& keys)
{
    QAction* action = menu_->addAction(text, keys, this, work);
    if (!keys.isEmpty())
        form_.graph().addAction(action);
    return action;
}

void GraphMenu::addSeparator()
{
    menu_->addSeparator();
}

void GraphMenu::copyImage()
{
    copyPicture(figurePicture(figure()), form_.devicePixelRatioF());
}

void GraphMenu::saveImage()
{
    savePictureAs(figurePicture(figure()), form_.devicePixelRatioF(), form_.dialogs());
}

void GraphMenu::printImage()
{
    printPicture(figurePicture(figure()), form_.dialogs());
}

// The graph with the axis numbers as the window places them, the formula
// with the current values and the errors whose read-outs show one.
Figure GraphMenu::figure() const
{
    const Graph& graph = form_.graph();
    Figure f{.graph = graph, .graphPlace = graph.geometry(), .font = pictureFont(form_.font())};
    for (const QLabel* label : form_.axisLabels())
        f.axisNumbers.push_back({label->geometry(), label->text(), label->alignment()});
    const Params& p = form_.state().p;
    f.lines << texts::formula(form_.text(p.a), form_.text(p.c), form_.text(p.t0));
    const auto [squared, normalised] = form_.errorTexts();
    for (auto [shown, line] : {std::pair{squared, texts::kSquaredErrorLine},
                               std::pair{normalised, texts::kNormalisedErrorLine}})
        if (!shown.isEmpty())
            f.lines << QString(line).arg(shown);
    f.lines << logScaleNotes(form_.state().view, p);
    return f;
}

} // namespace ajuste
