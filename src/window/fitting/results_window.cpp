#include "window/fitting/results_window.h"

#include "window/texts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ajuste {

ResultsWindow::ResultsWindow(QWidget* form) : QWidget(form, Qt::Tool), label_(new QLabel(this))
{
    setObjectName("resultados");
    setWindowTitle(texts::kResultsTitle);
    label_->setTextFormat(Qt::RichText);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label_->setWordWrap(true);
    label_->setFixedWidth(logicalDpiX() * 5); // inches: the note wraps
    (new QVBoxLayout(this))->addWidget(label_);
}

void ResultsWindow::setRows(const Rows& rows, bool stale)
{
    QString html = stale ? QString("<p><b>%1</b></p><table style='color:gray'>").arg(texts::kStale) : "<table>";
    for (const auto& [name, value] : rows)
        html += QString("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>").arg(name.toHtmlEscaped(), value.toHtmlEscaped());
    label_->setText(html + "</table>");
    adjustSize();
}

QString ResultsWindow::shownText() const
{
    return label_->text();
}

} // namespace ajuste
