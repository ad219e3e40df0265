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

// One control: its name, place and size in twips, and what it shows. The
// order of the table is the tab order.
struct Control {
    const char* name;
    Kind kind;
    int left, top, width, height;
    const char* text = "";
    double points = 0;                    // font size; 0 for the window's
    Qt::Alignment align = Qt::AlignLeft;
    const char* spoken = nullptr;         // accessible name where nothing shows text
    const char* toolTip = nullptr;
    int minimum = 0, maximum = 0;         // scroll range
};

const Control kControls[] = {
    {"graf", Kind::Graph, 600, 240, 4800, 4000, "", 0, {}, "Gráfica de los datos y de la curva"},
    {"funcion", Kind::Picture, 6120, 120, 1935, 1095, "", 0, {}, "Función f(t) = a·exp(c·(t − t0))"},
    {"Para", Kind::Label, 5760, 2040, 1335, 255, "Coeficientes", 12},
    {"Picture1", Kind::Picture, 5760, 2520, 495, 495, "", 0, {}, "Parámetro a"},
    {"Picture2", Kind::Picture, 5760, 3120, 615, 495, "", 0, {}, "Parámetro c"},
    {"Picture3", Kind::Picture, 5760, 3720, 615, 495, "", 0, {}, "Parámetro t0"},
    {"Lval", Kind::TextBox, 6360, 2640, 4185, 345, "5", 0, {}, "Valor de a"},
    {"Tval", Kind::TextBox, 6360, 3840, 4185, 345, "0", 0, {}, "Valor de t0"},
    {"Cval", Kind::TextBox, 6360, 3240, 4185, 345, "1", 0, {}, "Valor de c"},
    {"LSCR", Kind::ScrollBar, 6360, 2520, 4215, 135, "", 0, {}, "Barra de a", nullptr, -100, 100},
    {"CSCR", Kind::ScrollBar, 6360, 3120, 4215, 135, "", 0, {}, "Barra de c", nullptr, -60, 60},
    {"TSCR", Kind::ScrollBar, 6360, 3720, 4215, 135, "", 0, {}, "Barra de t0", nullptr, -100, 100},
    {"Minimo", Kind::Label, 480, 4320, 375, 255, "-5", 0, Qt::AlignHCenter},
    {"maximo", Kind::Label, 5160, 4320, 375, 255, "15", 0, Qt::AlignHCenter},
    {"inicio", Kind::Label, 120, 3960, 375, 255, "0", 0, Qt::AlignRight},
    {"Final", Kind::Label, 0, 120, 495, 255, "10", 0, Qt::AlignRight},
    {"Label1", Kind::Label, 240, 4680, 975, 375, "Ajuste", 12},
    {"Label2", Kind::Label, 1320, 4680, 2175, 375, "Derivadas Parciales", 12},
    {"Label3", Kind::Label, 3840, 4680, 1095, 375, "Paso", 12},
    {"Label4", Kind::Label, 5520, 4680, 2175, 375, "Error Cuadrático", 12},
    {"Label5", Kind::Label, 5520, 5640, 5055, 255, "Error normalizado (%)", 12},
    {"paso", Kind::Button, 0, 5520, 1095, 375, "Un paso"},
    {"paso3", Kind::Button, 0, 5880, 1095, 375, "100 pasos"},
    {"paso4", Kind::Button, 0, 6240, 1095, 375, "10000 pasos"},
    {"Label6", Kind::ReadOut, 1320, 5160, 2295, 375},
    {"Label7", Kind::ReadOut, 1320, 5640, 2295, 375},
    {"Label8", Kind::ReadOut, 1320, 6120, 2295, 375},
    {"Text1", Kind::TextBox, 3840, 5160, 1215, 375, "", 0, {}, "Tamaño del paso"}, // 0,001 in the user's notation
    {"Command5", Kind::Button, 9120, 1320, 1215, 375, "Gráfica"},
    {"", Kind::DataTable, 0, 0, 0, 0},
    {"Label11", Kind::Label, 1200, 120, 495, 495, "t", 13.5},
    {"Label12", Kind::Label, 3600, 120, 495, 375, "f(t)", 13.5},
    {"Label14", Kind::Label, 1800, 4320, 255, 255, "0"},
    {"Check1", Kind::CheckBox, 5520, 2640, 255, 375, "", 0, {}, "Fijar parámetro a", "Fijar parámetro a"},
    {"Check2", Kind::CheckBox, 5520, 3240, 255, 375, "", 0, {}, "Fijar parámetro c", "Fijar parámetro c"},
    {"Check3", Kind::CheckBox, 5520, 3720, 255, 495, "", 0, {}, "Fijar parámetro t0", "Fijar parámetro t0"},
    {"label9", Kind::TextBox, 5520, 5160, 5055, 375, "0", 0, {}, "Error cuadrático"},
    {"label10", Kind::TextBox, 5520, 6120, 5055, 375, "0", 0, {}, "Error normalizado en porcentaje"},
    {"Command1", Kind::Button, 9000, 360, 1455, 375, "Guardar"},
    {"Recuperar", Kind::Button, 9000, 840, 1455, 375, "Recuperar"},
};

// The data table: row i of xv and yv at top 720 + 480·i.
struct Column {
    const char* name;
    int left, width;
    const char* spoken;
};
const Column kColumns[] = {{"xv", 360, 1935, "t de la fila %1"}, {"yv", 2640, 2415, "f(t) de la fila %1"}};

int rowHeight(const Column& column, int row)
{
    return std::string_view(column.name) == "xv" && row == 2 ? 405 : 375;
}

QImage pictureFor(const QString& name)
{
    if (name == "funcion")
        return functionPicture();
    if (name == "Picture1")
        return parameterPicture("a", "", {31, 36});
    if (name == "Picture2")
        return parameterPicture("c", "", {31, 29});
    return parameterPicture("t", "0", {37, 35});
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
        auto* label = new QLabel(c.text, form);
        label->setAlignment(c.align | Qt::AlignTop);
        if (c.kind == Kind::ReadOut) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setBackgroundRole(QPalette::Base);
            label->setForegroundRole(QPalette::Text);
            label->setAutoFillBackground(true);
        }
        return label;
    }
    case Kind::TextBox:
        return new QLineEdit(c.text, form);
    case Kind::Button:
        return clickFocused(new QPushButton(c.text, form));
    case Kind::CheckBox:
        return clickFocused(new QCheckBox(form));
    case Kind::ScrollBar:
        return new ScrollBar(c.minimum, c.maximum, form);
    case Kind::Picture: {
        auto* picture = new QLabel(form);
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(QPixmap::fromImage(pictureFor(c.name)));
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
        if (c.points > 0) {
            QFont font = w->font();
            font.setPointSizeF(c.points);
            w->setFont(font);
        }
        if (c.spoken)
            w->setAccessibleName(QString::fromUtf8(c.spoken));
        if (c.toolTip)
            w->setToolTip(QString::fromUtf8(c.toolTip));
    }
}

} // namespace ajuste
