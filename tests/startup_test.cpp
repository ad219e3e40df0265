#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>

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

// Controls as the form describes them: place and size in twips, and where
// they have one, the picture's size and the name spoken for them.
struct Described {
    const char* name;
    int left, top, width, height;
    QSize picture = {};
    const char* spoken = nullptr;
};

class Controls : public StartUp, public ::testing::WithParamInterface<Described> {};

// Twips at 96 dpi: 15 to the pixel.
TEST_P(Controls, AreAsDescribed)
{
    const Described d = GetParam();
    QWidget* w = find(d.name);
    EXPECT_EQ(w->geometry(),
              QRect(qRound(d.left / 15.0), qRound(d.top / 15.0), qRound(d.width / 15.0), qRound(d.height / 15.0)));
    if (d.picture.isValid()) {
        // Logical size; drawn at the screen's pixels.
        const QPixmap picture = qobject_cast<QLabel*>(w)->pixmap();
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(d.picture));
        EXPECT_EQ(picture.size(), d.picture * form->devicePixelRatioF());
    }
    if (d.spoken) {
        EXPECT_EQ(w->accessibleName(), d.spoken);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, Controls,
    ::testing::Values(Described{"graf", 600, 240, 4800, 4000}, Described{"funcion", 6120, 120, 1935, 1095, {125, 68}},
                      Described{"Picture1", 5760, 2520, 495, 495, {31, 36}},
                      Described{"Picture2", 5760, 3120, 615, 495, {31, 29}},
                      Described{"Picture3", 5760, 3720, 615, 495, {37, 35}},
                      Described{"Lval", 6360, 2640, 4185, 345}, Described{"Cval", 6360, 3240, 4185, 345, {}, "Valor de c"},
                      Described{"CSCR", 6360, 3120, 4215, 135, {}, "Barra de c"},
                      Described{"Check2", 5520, 3240, 255, 375, {}, "Fijar parámetro c"},
                      Described{"Label5", 5520, 5640, 5055, 255}, Described{"paso4", 0, 6240, 1095, 375},
                      Described{"Text1", 3840, 5160, 1215, 375}, Described{"Check3", 5520, 3720, 255, 495},
                      Described{"label10", 5520, 6120, 5055, 375}, Described{"Recuperar", 9000, 840, 1455, 375},
                      Described{"Label11", 1200, 120, 495, 495}, Described{"Final", 0, 120, 495, 255}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUp, DataTableRowsAndTheTallerCell)
{
    EXPECT_EQ(form->size(), QSize(724, 691));
    EXPECT_EQ(xv(0)->geometry(), QRect(24, 48, 129, 25));
    EXPECT_EQ(xv(2)->geometry().height(), 27);
    EXPECT_EQ(yv(2)->geometry().height(), 25);
    EXPECT_EQ(yv(19)->geometry(), QRect(176, 656, 161, 25));
}

TEST_F(StartUp, TabOrderRunsThroughTheTableInRowOrder)
{
    // Command5 leads into the t column, which leads into the y column.
    EXPECT_EQ(find("Command5")->nextInFocusChain(), xv(0));
    EXPECT_EQ(xv(19)->nextInFocusChain(), yv(0));
    EXPECT_EQ(yv(19)->nextInFocusChain(), find("Label11"));
}

TEST_F(StartUp, SpokenNamesForControlsWithoutText)
{
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
