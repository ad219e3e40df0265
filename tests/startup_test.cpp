#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace ajuste;

namespace {

using StartUp = WindowTest;

TEST_F(StartUp, ShowsExactlyTheTableView)
{
    EXPECT_EQ(form->windowTitle(), "Ajuste de Curvas Exponenciales.");
    expectTableView();
    for (int row = 0; row < kRows; ++row)
        EXPECT_TRUE(xv(row)->text().isEmpty() && yv(row)->text().isEmpty());
}

TEST_F(StartUp, InitialTextsPositionsAndState)
{
    expectStartParameters();
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), "0,001");
    EXPECT_EQ(find<QLineEdit>("label9")->text(), "0");
    EXPECT_EQ(find<QLineEdit>("label10")->text(), "0");
    for (const char* name : {"Check1", "Check2", "Check3"})
        EXPECT_EQ(find<QCheckBox>(name)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(state().ocupado);
    EXPECT_TRUE(state().modoTabla);
    EXPECT_EQ(state().npuntos, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(StartUp, NothingIsDrawnButTheBackground)
{
    auto* graph = find<QWidget>("graf");
    QImage image = graph->grab().toImage();
    // Only the light green background and the black line at t = 0.
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 3) {
            const QColor c = image.pixelColor(x, y);
            EXPECT_TRUE(c == QColor(0, 255, 0) || c == QColor(Qt::black)) << x << "," << y;
        }
}

// Every control of the form in tab order, with its place and size in twips;
// a column of the data table stands at its turn, row i 480 twips below row 0.
struct FormControl {
    const char* name;
    int left, top, width, height;
    int rows = 1;
    int heightOfRow2 = 0; // where it differs
};

const FormControl kForm[] = {
    {"graf", 600, 240, 4800, 4000},      {"funcion", 6120, 120, 1935, 1095}, {"Para", 5760, 2040, 1335, 255},
    {"Picture1", 5760, 2520, 495, 495},  {"Picture2", 5760, 3120, 615, 495}, {"Picture3", 5760, 3720, 615, 495},
    {"Lval", 6360, 2640, 4185, 345},     {"Tval", 6360, 3840, 4185, 345},    {"Cval", 6360, 3240, 4185, 345},
    {"LSCR", 6360, 2520, 4215, 135},     {"CSCR", 6360, 3120, 4215, 135},    {"TSCR", 6360, 3720, 4215, 135},
    {"Minimo", 480, 4320, 375, 255},     {"maximo", 5160, 4320, 375, 255},   {"inicio", 120, 3960, 375, 255},
    {"Final", 0, 120, 495, 255},         {"Label1", 240, 4680, 975, 375},    {"Label2", 1320, 4680, 2175, 375},
    {"Label3", 3840, 4680, 1095, 375},   {"Label4", 5520, 4680, 2175, 375},  {"Label5", 5520, 5640, 5055, 255},
    {"paso", 0, 5520, 1095, 375},        {"paso3", 0, 5880, 1095, 375},      {"paso4", 0, 6240, 1095, 375},
    {"Label6", 1320, 5160, 2295, 375},   {"Label7", 1320, 5640, 2295, 375},  {"Label8", 1320, 6120, 2295, 375},
    {"Text1", 3840, 5160, 1215, 375},    {"Command5", 9120, 1320, 1215, 375},
    {"xv", 360, 720, 1935, 375, kRows, 405},
    {"yv", 2640, 720, 2415, 375, kRows},
    {"Label11", 1200, 120, 495, 495},    {"Label12", 3600, 120, 495, 375},   {"Label14", 1800, 4320, 255, 255},
    {"Check1", 5520, 2640, 255, 375},    {"Check2", 5520, 3240, 255, 375},   {"Check3", 5520, 3720, 255, 495},
    {"label9", 5520, 5160, 5055, 375},   {"label10", 5520, 6120, 5055, 375}, {"Command1", 9000, 360, 1455, 375},
    {"Recuperar", 9000, 840, 1455, 375},
};

// "xv(2) 24,48 129x27": a control, with its row in the data table, at its
// place and size in pixels.
std::string placed(const QString& name, int row, const QRect& r)
{
    const QString control = row < 0 ? name : QString("%1(%2)").arg(name).arg(row);
    return QString("%1 %2,%3 %4x%5").arg(control).arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height()).toStdString();
}

// At 96 dpi: 15 twips to the pixel.
std::vector<std::string> formInTabOrder()
{
    auto pixels = [](int twips) { return qRound(twips / 15.0); };
    std::vector<std::string> controls;
    for (const FormControl& d : kForm)
        for (int row = 0; row < d.rows; ++row) {
            const int height = row == 2 && d.heightOfRow2 ? d.heightOfRow2 : d.height;
            const QRect place(pixels(d.left), pixels(d.top + 480 * row), pixels(d.width), pixels(height));
            controls.push_back(placed(d.name, d.rows > 1 ? row : -1, place));
        }
    return controls;
}

// The form's own controls, in the order the Tab key visits those shown; the
// logarithmic scale's note is added beside them.
std::vector<std::string> inFocusChain(const QWidget& form)
{
    std::vector<std::string> controls;
    for (const QWidget* w = form.nextInFocusChain(); w != &form; w = w->nextInFocusChain())
        if (w->parentWidget() == &form && w->objectName() != "logNote") {
            const QVariant row = w->property("index");
            controls.push_back(placed(w->objectName(), row.isValid() ? row.toInt() : -1, w->geometry()));
        }
    return controls;
}

TEST_F(StartUp, EveryControlInItsPlaceAndTabOrder)
{
    EXPECT_EQ(form->size(), QSize(724, 691)); // 10860 × 10365 twips
    const std::vector<std::string> expected = formInTabOrder(), shown = inFocusChain(*form);
    EXPECT_EQ(shown.size(), expected.size());
    for (std::size_t tab = 0; tab < std::min(shown.size(), expected.size()); ++tab)
        EXPECT_EQ(shown[tab], expected[tab]) << "tab position " << tab;
}

// Their logical size; drawn at the screen's pixels.
TEST_F(StartUp, PicturesHaveTheirFormSizes)
{
    const std::pair<const char*, QSize> pictures[] = {
        {"funcion", {125, 68}}, {"Picture1", {31, 36}}, {"Picture2", {31, 29}}, {"Picture3", {37, 35}}};
    for (const auto& [name, size] : pictures) {
        const QPixmap picture = find<QLabel>(name)->pixmap();
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(size)) << name;
        EXPECT_EQ(picture.size(), size * form->devicePixelRatioF()) << name;
    }
}

TEST_F(StartUp, SpokenNamesForControlsWithoutText)
{
    const std::pair<const char*, const char*> spoken[] = {
        {"Cval", "Valor de c"}, {"CSCR", "Barra de c"}, {"Check2", "Fijar parámetro c"}};
    for (const auto& [name, text] : spoken)
        EXPECT_EQ(find(name)->accessibleName(), text) << name;
    EXPECT_EQ(find("Check2")->toolTip(), "Fijar parámetro c");
    EXPECT_EQ(xv(2)->accessibleName(), "t de la fila 3");
    EXPECT_TRUE(find("paso")->accessibleName().isEmpty()); // its caption speaks for it
    EXPECT_TRUE(find("Check2")->accessibleDescription().isEmpty());
}

TEST_F(StartUp, ResizingMovesNothing)
{
    const QRect before = find("Command5")->geometry();
    form->resize(300, 200);
    EXPECT_EQ(find("Command5")->geometry(), before);
}

} // namespace
