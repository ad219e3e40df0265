#include "window/controls.h"

#include "fitting/parameter_scale.h"
#include "window/graph/graph_widget.h"
#include "window/graph/scroll_bar.h"
#include "window/twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ajuste {

namespace {

int rowHeight(const Column& column, int row)
{
    return row == column.tallRow ? column.tallHeight : column.height;
}

// A click must take the focus from a value box before the clicked control's
// own handler runs, whatever focus policy the style would give.
template <class W>
W* clickFocused(W* w)
{
    w->setFocusPolicy(Qt::StrongFocus);
    return w;
}

void place(QWidget* w, int left, int top, int width, int height, double scale)
{
    w->setGeometry(toPixels(left, scale), toPixels(top, scale), toPixels(width, scale),
                   toPixels(height, scale));
}

} // namespace

ControlBuilder::ControlBuilder(QWidget* form, double pixelsPerTwip, ViewControls& views)
    : form_(form), scale_(pixelsPerTwip), views_(views)
{
}

template <class W>
W* ControlBuilder::file(W* w, const Control& c)
{
    w->setObjectName(c.name);
    place(w, c.left, c.top, c.width, c.height, scale_);
    if (c.content.points > 0) {
        QFont font = w->font();
        font.setPointSizeF(c.content.points);
        w->setFont(font);
    }
    if (c.content.spoken)
        w->setAccessibleName(QString::fromUtf8(c.content.spoken));
    if (c.content.toolTip)
        w->setToolTip(QString::fromUtf8(c.content.toolTip));
    views_.groups[int(c.group)].push_back(w);
    return w;
}

QLabel* ControlBuilder::label(const Control& c)
{
    auto* label = new QLabel(c.content.text, form_);
    label->setAlignment(c.content.align | Qt::AlignTop);
    return file(label, c);
}

AxisLabel ControlBuilder::axisLabel(const Control& c)
{
    QLabel* axis = label(c);
    return {axis, axis->geometry()};
}

QLabel* ControlBuilder::readOut(const Control& c)
{
    QLabel* readOut = label(c);
    readOut->setFrameStyle(QFrame::Box | QFrame::Plain);
    readOut->setBackgroundRole(QPalette::Base);
    readOut->setForegroundRole(QPalette::Text);
    readOut->setAutoFillBackground(true);
    return readOut;
}

QLabel* ControlBuilder::picture(const Control& c)
{
    auto* picture = new QLabel(form_);
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap::fromImage(c.content.picture(form_->devicePixelRatioF())));
    return file(picture, c);
}

QLineEdit* ControlBuilder::textBox(const Control& c)
{
    return file(new QLineEdit(c.content.text, form_), c);
}

QPushButton* ControlBuilder::button(const Control& c)
{
    return file(clickFocused(new QPushButton(c.content.text, form_)), c);
}

QCheckBox* ControlBuilder::checkBox(const Control& c)
{
    return file(clickFocused(new QCheckBox(form_)), c);
}

ScrollBar* ControlBuilder::scrollBar(const Control& c, const ParameterScale& scale)
{
    return file(new ScrollBar(scale.minimum, scale.maximum, form_), c);
}

Graph* ControlBuilder::graph(const Control& c)
{
    return file(new Graph(scale_, form_), c);
}

std::array<QLineEdit*, kRows> ControlBuilder::column(const Column& column)
{
    std::array<QLineEdit*, kRows> cells;
    for (int row = 0; row < kRows; ++row) {
        cells[row] = textBox({column.name, Group::Table, column.left, kTableTop + kRowPitch * row, column.width,
                              rowHeight(column, row)});
        cells[row]->setProperty("index", row);
        cells[row]->setAccessibleName(QString(column.spoken).arg(row + 1));
    }
    return cells;
}

} // namespace ajuste
