#include "window/form1.h"

#include "fitting/descent.h"
#include "window/controls.h"
#include "window/pictures.h"
#include "window/texts.h"

namespace ajuste {

// The form: every control once, in tab order, with its view
// group, its place and size in twips, and what it shows.
void Form1::buildControls(double pixelsPerTwip)
{
    ControlBuilder b(this, pixelsPerTwip, views_);
    using G = Group;

    fit_.graf = b.graph({"graf", G::Graph, 600, 240, kGraphWidth, kGraphHeight, {.spoken = "Gráfica de los datos y de la curva"}});
    b.picture({"funcion", G::Always, 6120, 120, 1935, 1095,
               {.spoken = "Función f(t) = a·exp(c·(t − t0))", .picture = functionPicture}});
    b.label({"Para", G::ParameterPictures, 5760, 2040, 1335, 255, {.text = "Coeficientes", .points = 12}});
    b.picture({"Picture1", G::ParameterPictures, 5760, 2520, 495, 495, {.spoken = "Parámetro a", .picture = pictureOfA}});
    b.picture({"Picture2", G::ParameterPictures, 5760, 3120, 615, 495, {.spoken = "Parámetro c", .picture = pictureOfC}});
    b.picture({"Picture3", G::ParameterPictures, 5760, 3720, 615, 495, {.spoken = "Parámetro t0", .picture = pictureOfT0}});
    // The value boxes get their texts with the start values.
    fit_.rows.a.box = b.textBox({"Lval", G::ParameterRows, 6360, 2640, 4185, 345, {.spoken = "Valor de a"}});
    fit_.rows.t0.box = b.textBox({"Tval", G::ParameterRows, 6360, 3840, 4185, 345, {.spoken = "Valor de t0"}});
    fit_.rows.c.box = b.textBox({"Cval", G::ParameterRows, 6360, 3240, 4185, 345, {.spoken = "Valor de c"}});
    fit_.rows.a.bar = b.scrollBar({"LSCR", G::ParameterRows, 6360, 2520, 4215, 135, {.spoken = "Barra de a"}}, kScaleA);
    fit_.rows.c.bar = b.scrollBar({"CSCR", G::ParameterRows, 6360, 3120, 4215, 135, {.spoken = "Barra de c"}}, kScaleC);
    fit_.rows.t0.bar = b.scrollBar({"TSCR", G::ParameterRows, 6360, 3720, 4215, 135, {.spoken = "Barra de t0"}}, kScaleT);
    views_.axes.Minimo = b.axisLabel({"Minimo", G::Axes, 480, 4320, 375, 255, {.align = Qt::AlignHCenter}});
    views_.axes.maximo = b.axisLabel({"maximo", G::Axes, 5160, 4320, 375, 255, {.align = Qt::AlignHCenter}});
    views_.axes.inicio = b.axisLabel({"inicio", G::Axes, 120, 3960, 375, 255, {.align = Qt::AlignRight}});
    views_.axes.Final = b.axisLabel({"Final", G::Axes, 0, 120, 495, 255, {.align = Qt::AlignRight}});
    b.label({"Label1", G::Headings, 240, 4680, 975, 375, {.text = "Ajuste", .points = 12}});
    b.label({"Label2", G::Headings, 1320, 4680, 2175, 375, {.text = "Derivadas Parciales", .points = 12}});
    b.label({"Label3", G::Headings, 3840, 4680, 1095, 375, {.text = "Paso", .points = 12}});
    b.label({"Label4", G::Headings, 5520, 4680, 2175, 375, {.text = "Error Cuadrático", .points = 12}});
    b.label({"Label5", G::Headings, 5520, 5640, 5055, 255, {.text = "Error normalizado (%)", .points = 12}});
    fit_.paso = b.button({"paso", G::StepButtons, 0, 5520, 1095, 375, {.text = "Un paso"}});
    fit_.paso3 = b.button({"paso3", G::StepButtons, 0, 5880, 1095, 375, {.text = texts::batchCaption(kShortBatch)}});
    fit_.paso4 = b.button({"paso4", G::StepButtons, 0, 6240, 1095, 375, {.text = texts::batchCaption(kLongBatch)}});
    fit_.Label6 = b.readOut({"Label6", G::Derivatives, 1320, 5160, 2295, 375});
    fit_.Label7 = b.readOut({"Label7", G::Derivatives, 1320, 5640, 2295, 375});
    fit_.Label8 = b.readOut({"Label8", G::Derivatives, 1320, 6120, 2295, 375});
    // Its text, 0,001, is written in the user's notation at start-up.
    fit_.Text1 = b.textBox({"Text1", G::ErrorAndStepBoxes, 3840, 5160, 1215, 375, {.spoken = "Tamaño del paso"}});
    views_.Command5 = b.button({"Command5", G::Always, 9120, 1320, 1215, 375, {.text = texts::kGraphButton}});
    table_.xv = b.column({.name = "xv", .left = 360, .width = 1935, .spoken = "t de la fila %1", .tallRow = 2,
                          .tallHeight = 405});
    table_.yv = b.column({.name = "yv", .left = 2640, .width = 2415, .spoken = "f(t) de la fila %1"});
    b.label({"Label11", G::Table, 1200, 120, 495, 495, {.text = "t", .points = 13.5}});
    b.label({"Label12", G::Table, 3600, 120, 495, 375, {.text = "f(t)", .points = 13.5}});
    views_.axes.Label14 = b.axisLabel({"Label14", G::ZeroMark, 1800, 4320, 255, 255});
    fit_.rows.a.fix = b.checkBox({"Check1", G::FixBoxes, 5520, 2640, 255, 375,
                             {.spoken = "Fijar parámetro a", .toolTip = "Fijar parámetro a"}});
    fit_.rows.c.fix = b.checkBox({"Check2", G::FixBoxes, 5520, 3240, 255, 375,
                             {.spoken = "Fijar parámetro c", .toolTip = "Fijar parámetro c"}});
    fit_.rows.t0.fix = b.checkBox({"Check3", G::FixBoxes, 5520, 3720, 255, 495,
                             {.spoken = "Fijar parámetro t0", .toolTip = "Fijar parámetro t0"}});
    fit_.label9 = b.textBox({"label9", G::ErrorAndStepBoxes, 5520, 5160, 5055, 375, {.text = "0", .spoken = "Error cuadrático"}});
    fit_.label10 = b.textBox({"label10", G::ErrorAndStepBoxes, 5520, 6120, 5055, 375,
                              {.text = "0", .spoken = "Error normalizado en porcentaje"}});
    files_.Command1 = b.button({"Command1", G::Always, 9000, 360, 1455, 375, {.text = "Guardar"}});
    files_.Recuperar = b.button({"Recuperar", G::Always, 9000, 840, 1455, 375, {.text = "Recuperar"}});
}

} // namespace ajuste
