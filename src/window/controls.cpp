#include "window/controls.h"

#include "graph/graph_widget.h"
#include "window/form1.h"
#include "window/pictures.h"
#include "window/scroll_bar.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace ajuste {

namespace {

enum class Kind { Label, ReadOut, TextBox, Button, CheckBox, ScrollBar, Picture, Graph, DataTable };

// What a control shows, where it shows anything.
struct Content {
    const char* text = "";
    double points = 0;                    // font size; 0 for the window's
    Qt::Alignment align = Qt::AlignLeft;
    const char* spoken = nullptr;         // accessible name where nothing shows text
    const char* toolTip = nullptr;
    int minimum = 0, maximum = 0;         // scroll range
    QImage (*picture)(double ratio) = nullptr;
};

// One control: its name, place and size in twips, and what it shows. The
// order of the table is the tab order.
struct Control {
    const char* name;
    Kind kind;
    int left, top, width, height;
    Content content = {};
};

const Control kControls[] = {
    {"graf", Kind::Graph, 600, 240, 4800, 4000, {.spoken = "Gráfica de los datos y de la curva"}},
    {"funcion", Kind::Picture, 6120, 120, 1935, 1095,
     {.spoken = "Función f(t) = a·exp(c·(t − t0))", .picture = functionPicture}},
    {"Para", Kind::Label, 5760, 2040, 1335, 255, {.text = "Coeficientes", .points = 12}},
    {"Picture1", Kind::Picture, 5760, 2520, 495, 495, {.spoken = "Parámetro a", .picture = pictureOfA}},
    {"Picture2", Kind::Picture, 5760, 3120, 615, 495, {.spoken = "Parámetro c", .picture = pictureOfC}},
    {"Picture3", Kind::Picture, 5760, 3720, 615, 495, {.spoken = "Parámetro t0", .picture = pictureOfT0}},
    {"Lval", Kind::TextBox, 6360, 2640, 4185, 345, {.text = "5", .spoken = "Valor de a"}},
    {"Tval", Kind::TextBox, 6360, 3840, 4185, 345, {.text = "0", .spoken = "Valor de t0"}},
    {"Cval", Kind::TextBox, 6360, 3240, 4185, 345, {.text = "1", .spoken = "Valor de c"}},
    {"LSCR", Kind::ScrollBar, 6360, 2520, 4215, 135, {.spoken = "Barra de a", .minimum = -100, .maximum = 100}},
    {"CSCR", Kind::ScrollBar, 6360, 3120, 4215, 135, {.spoken = "Barra de c", .minimum = -60, .maximum = 60}},
    {"TSCR", Kind::ScrollBar, 6360, 3720, 4215, 135, {.spoken = "Barra de t0", .minimum = -100, .maximum = 100}},
    {"Minimo", Kind::Label, 480, 4320, 375, 255, {.text = "-5", .align = Qt::AlignHCenter}},
    {"maximo", Kind::Label, 5160, 4320, 375, 255, {.text = "15", .align = Qt::AlignHCenter}},
    {"inicio", Kind::Label, 120, 3960, 375, 255, {.text = "0", .align = Qt::AlignRight}},
    {"Final", Kind::Label, 0, 120, 495, 255, {.text = "10", .align = Qt::AlignRight}},
    {"Label1", Kind::Label, 240, 4680, 975, 375, {.text = "Ajuste", .points = 12}},
    {"Label2", Kind::Label, 1320, 4680, 2175, 375, {.text = "Derivadas Parciales", .points = 12}},
    {"Label3", Kind::Label, 3840, 4680, 1095, 375, {.text = "Paso", .points = 12}},
    {"Label4", Kind::Label, 5520, 4680, 2175, 375, {.text = "Error Cuadrático", .points = 12}},
    {"Label5", Kind::Label, 5520, 5640, 5055, 255, {.text = "Error normalizado (%)", .points = 12}},
    {"paso", Kind::Button, 0, 5520, 1095, 375, {.text = "Un paso"}},
    {"paso3", Kind::Button, 0, 5880, 1095, 375, {.text = "100 pasos"}},
    {"paso4", Kind::Button, 0, 6240, 1095, 375, {.text = "10000 pasos"}},
    {"Label6", Kind::ReadOut, 1320, 5160, 2295, 375},
    {"Label7", Kind::ReadOut, 1320, 5640, 2295, 375},
    {"Label8", Kind::ReadOut, 1320, 6120, 2295, 375},
    // Its text, 0,001, is written in the user's notation at start-up.
    {"Text1", Kind::TextBox, 3840, 5160, 1215, 375, {.spoken = "Tamaño del paso"}},
    {"Command5", Kind::Button, 9120, 1320, 1215, 375, {.text = "Gráfica"}},
    {"", Kind::DataTable, 0, 0, 0, 0},
    {"Label11", Kind::Label, 1200, 120, 495, 495, {.text = "t", .points = 13.5}},
    {"Label12", Kind::Label, 3600, 120, 495, 375, {.text = "f(t)", .points = 13.5}},
    {"Label14", Kind::Label, 1800, 4320, 255, 255, {.text = "0"}},
    {"Check1", Kind::CheckBox, 5520, 2640, 255, 375,
     {.spoken = "Fijar parámetro a", .toolTip = "Fijar parámetro a"}},
    {"Check2", Kind::CheckBox, 5520, 3240, 255, 375,
     {.spoken = "Fijar parámetro c", .toolTip = "Fijar parámetro c"}},
    {"Check3", Kind::CheckBox, 5520, 3720, 255, 495,
     {.spoken = "Fijar parámetro t0", .toolTip = "Fijar parámetro t0"}},
    {"label9", Kind::TextBox, 5520, 5160, 5055, 375, {.text = "0", .spoken = "Error cuadrático"}},
    {"label10", Kind::TextBox, 5520, 6120, 5055, 375, {.text = "0", .spoken = "Error normalizado en porcentaje"}},
    {"Command1", Kind::Button, 9000, 360, 1455, 375, {.text = "Guardar"}},
    {"Recuperar", Kind::Button, 9000, 840, 1455, 375, {.text = "Recuperar"}},
};

// The data table: row i of xv and yv at top 720 + 480·i.
struct Column {
    const char* name;
    int left, width;
    const char* spoken;
    int height = 375;
    int tallRow = -1, tallHeight = 0; // one cell was drawn taller than the rest
};
const Column kColumns[] = {
    {.name = "xv", .left = 360, .width = 1935, .spoken = "t de la fila %1", .tallRow = 2, .tallHeight = 405},
    {.name = "yv", .left = 2640, .width = 2415, .spoken = "f(t) de la fila %1"},
};

int rowHeight(const Column& column, int row)
{
    return row == column.tallRow ? column.tallHeight : column.height;
}

// A click must take the focus from a value box before the clicked control's
// own handler runs, whatever focus policy the style would give.
QWidget* clickFocused(QWidget* w)
{
    w->setFocusPolicy(Qt::StrongFocus);
    return w;
}

QWidget* makeWidget(const Control& c, QWidget* form, double scale)
{
    switch (c.kind) {
    case Kind::Label:
    case Kind::ReadOut: {
        auto* label = new QLabel(c.content.text, form);
        label->setAlignment(c.content.align | Qt::AlignTop);
        if (c.kind == Kind::ReadOut) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setBackgroundRole(QPalette::Base);
            label->setForegroundRole(QPalette::Text);
            label->setAutoFillBackground(true);
        }
        return label;
    }
    case Kind::TextBox:
        return new QLineEdit(c.content.text, form);
    case Kind::Button:
        return clickFocused(new QPushButton(c.content.text, form));
    case Kind::CheckBox:
        return clickFocused(new QCheckBox(form));
    case Kind::ScrollBar:
        return new ScrollBar(c.content.minimum, c.content.maximum, form);
    case Kind::Picture: {
        auto* picture = new QLabel(form);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(QPixmap::fromImage(c.content.picture(form->devicePixelRatioF())));
        return picture;
    }
    case Kind::Graph:
        return new Graph(scale, form);
    case Kind::DataTable:
        break;
    }
    return nullptr;
}

void place(QWidget* w, int left, int top, int width, int height, double scale)
{
    w->setGeometry(toPixels(left, scale), toPixels(top, scale), toPixels(width, scale),
                   toPixels(height, scale));
}

void buildDataTable(QWidget* form, double scale)
{
    for (const Column& column : kColumns) {
        for (int row = 0; row < kRows; ++row) {
            auto* cell = new QLineEdit(form);
            cell->setObjectName(column.name);
            cell->setProperty("index", row);
            cell->setAccessibleName(QString(column.spoken).arg(row + 1));
            place(cell, column.left, 720 + 480 * row, column.width, rowHeight(column, row), scale);
        }
    }
}

} // namespace

int toPixels(double twips, double pixelsPerTwip)
{
    return static_cast<int>(std::lround(twips * pixelsPerTwip));
}

// Qt's focus chain follows the order of creation, so building the controls
// in table order gives the tab order.
void buildControls(QWidget* form, double scale)
{
    for (const Control& c : kControls) {
        if (c.kind == Kind::DataTable) {
            buildDataTable(form, scale);
            continue;
        }
        QWidget* w = makeWidget(c, form, scale);
        w->setObjectName(c.name);
        place(w, c.left, c.top, c.width, c.height, scale);
        if (c.content.points > 0) {
            QFont font = w->font();
            font.setPointSizeF(c.content.points);
            w->setFont(font);
        }
        if (c.content.spoken)
            w->setAccessibleName(QString::fromUtf8(c.content.spoken));
        if (c.content.toolTip)
            w->setToolTip(QString::fromUtf8(c.content.toolTip));
    }
}

} // namespace ajuste
