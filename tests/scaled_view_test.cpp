#include "window_fixture.h"

#include "near.h"
#include "window/graph/graph_widget.h"
#include "window/graph/tick_numbers.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QLabel>
#include <QPrinter>
#include <QTest>

using namespace ajuste;

namespace {

// Air pressure in pascals against the altitude in kilometres (the standard
// atmosphere): its world is t −2 … 12, y 0 … 120000, so the box's t is
// stretched by 0,7 from 1,5 and its y by 12000.
class DataWorld : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const char* pressures[] = {"101325", "89876", "79501", "70121", "61660", "54048",
                                   "47218",  "41105", "35652", "30801", "26500"};
        for (int km = 0; km <= 10; ++km)
            fillRow(km, QString::number(km), pressures[km]);
        enterGraphView();
    }

    int blueDots() const
    {
        const QImage& image = find<Graph>("graf")->image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == kBlue;
        return n / 16; // a point is 4 × 4 pixels
    }

    QStringList axisNumbers() const
    {
        return {textOf("Minimo"), textOf("maximo"), textOf("inicio"), textOf("Final"), textOf("Label14")};
    }
};

TEST_F(DataWorld, EveryPointIsDrawnInsideTheGraph)
{
    EXPECT_EQ(blueDots(), 11);
    EXPECT_EQ(axisNumbers(), QStringList({"-2", "12", "0", "120000", "0"}));
    EXPECT_TRUE(messages.empty());
}

// The start values are the box's a = 5, c = 1, t0 = 0 mapped onto the world.
TEST_F(DataWorld, RecoveryResetsToTheWorldsStartValues)
{
    retype("Cval", "abc");
    QTest::keyClick(find("Cval"), Qt::Key_Return);
    EXPECT_EQ(messageTexts(), "Desbordamiento");
    EXPECT_TRUE(near12(state().p.a, 60000));
    EXPECT_TRUE(near12(state().p.c, 1 / 0.7));
    EXPECT_TRUE(near12(state().p.t0, 1.5));
    EXPECT_EQ(position("LSCR"), -50);
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_TRUE(near12(state().p.c, 1.1 / 0.7)); // a step of the bar is a step of the box
}

TEST_F(DataWorld, BarsReachTheOptimumAndTheLogScaleShowsALine)
{
    QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(messages.empty()) << messageTexts().toStdString();
    EXPECT_NEAR(shownNumber("Cval"), -0.1305, 5e-4); // a scale height near 7,7 km

    useMenu(find("graf"), texts::kLogScale);
    EXPECT_EQ(axisNumbers(), QStringList({"-2", "12", "10000", "1000000", "0"}));
    EXPECT_EQ(blueDots(), 11);
}

// The world's ticks and the lines under the graph at one size on every target.
TEST_F(DataWorld, PdfAndPrintedPageDrawWhatTheSvgDraws)
{
    InTemporaryFolder folder;
    QStringList names{"figura.svg", "figura.pdf"};
    form->dialogs().fileToSave = [&](const QString&) { return names.takeFirst(); };
    form->dialogs().printerSetUp = [](QPrinter& printer) {
        printer.setOutputFileName("impresa.pdf");
        return true;
    };
    for (const char* entry : {"Guardar imagen…", "Guardar imagen…", "Imprimir…"})
        useMenu(find("graf"), entry);
    expectPdfDrawsAsSvg("figura.pdf", "figura.svg");
    expectPdfDrawsAsSvg("impresa.pdf", "figura.svg");
}

// Back inside the box, the window is as the form lays it out again.
TEST_F(DataWorld, DataInsideTheBoxBringTheBoxBack)
{
    InTemporaryFolder folder;
    writeFile(" 2 \r\n0\r\n4\r\n1\r\n10\r\n");
    click("Recuperar");
    EXPECT_EQ(axisNumbers(), QStringList({"-5", "15", "0", "10", "0"}));
    EXPECT_EQ(find("Label14")->x(), 1800 / 15); // at 96 dpi, as the form places it
}

// Points typed as they are, on the graph view.
class Points : public WindowTest {
protected:
    void show(const std::vector<std::pair<const char*, const char*>>& rows, bool logarithmic = false)
    {
        for (std::size_t k = 0; k < rows.size(); ++k)
            fillRow(int(k), rows[k].first, rows[k].second);
        enterGraphView();
        if (logarithmic)
            useMenu(find("graf"), texts::kLogScale);
    }
    QStringList ends() const { return {textOf("Minimo"), textOf("maximo"), textOf("inicio"), textOf("Final")}; }
};

struct Shown {
    const char* name;
    std::vector<std::pair<const char*, const char*>> rows;
    bool logarithmic;
    bool zeroLine;
    QString zeroNumber;
};

void PrintTo(const Shown& shown, std::ostream* out)
{
    *out << shown.name;
}

class TicksAndZero : public Points, public ::testing::WithParamInterface<Shown> {};

// Tick numbers, shown in any world, stay off the points and the open marks
// and apart from their marks. One "0" for t = 0, under the graph, where the
// world holds it inside; at an edge that end's number says it, and the line
// still stands there.
TEST_P(TicksAndZero, NumbersStayOffThePointsAndTheZeroIsWhereTheWorldHoldsIt)
{
    show(GetParam().rows, GetParam().logarithmic);
    EXPECT_EQ(find("Line2")->isVisible(), GetParam().zeroLine);
    EXPECT_EQ(textOf("Label14"), GetParam().zeroNumber);
    const Graph& graph = *find<Graph>("graf");
    const QImage& image = graph.image();
    const std::vector<TickNumber> numbers = graph.tickNumbers();
    EXPECT_EQ(numbers.empty(), state().view == View{});
    for (const TickNumber& number : numbers) {
        EXPECT_NE(number.text, "0");
        EXPECT_GE(number.place.left(), 6) << number.text.toStdString(); // the left marks are 4 pixels long
        const qreal ratio = image.devicePixelRatio();
        const QRect drawn = QRectF(QPointF(number.place.topLeft()) * ratio, QSizeF(number.place.size()) * ratio).toRect();
        for (int y = drawn.top(); y <= drawn.bottom(); ++y)
            for (int x = drawn.left(); x <= drawn.right(); ++x)
                ASSERT_NE(image.pixelColor(x, y), kBlue) << number.text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    World, TicksAndZero,
    ::testing::Values(
        Shown{"InTheBox", {{"0", "1"}, {"1", "2"}}, false, true, "0"},
        // t −2 … 12: a point right after the mark of 60000, one under the number 4.
        Shown{"PointsWhereNumbersStand", {{"0", "101325"}, {"-1,4", "60000"}, {"4", "3000"}, {"10", "26500"}}, false,
              true, "0"},
        // Open marks along the bottom under the numbers 2 … 10.
        Shown{"OpenMarksOnTheLogScale", {{"0", "100"}, {"2", "-1"}, {"4", "0"}, {"6", "-5"}, {"8", "0"}, {"10", "1"}},
              true, true, "0"},
        Shown{"ZeroAtTheEdge", {{"0,5", "1000"}, {"10", "2000"}}, false, true, ""}, // t 0 … 12
        Shown{"ZeroOutside", {{"100", "1000"}, {"200", "2000"}}, false, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Beside the graph, while it shows: the points the scale cannot show, and
// why a curve with a ≤ 0 (the start values where the larger y are negative)
// is not drawn.
TEST_F(Points, LogScaleSaysWhatItCannotShow)
{
    show({{"0", "100"}, {"2", "-1"}, {"4", "0"}, {"6", "50"}}, true);
    QWidget* note = find("logNote");
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(textOf("logNote"), texts::hiddenPoints(2));
    click("Command5");
    EXPECT_FALSE(note->isVisible());
    yv(0)->clear();
    typeInto(yv(0), "-200");
    enterGraphView();
    EXPECT_EQ(textOf("logNote"), texts::hiddenPoints(3) + "\n" + texts::kCurveNotOnLog);
}

// Currents in amperes lie inside the box, flat on its bottom edge; the
// view that follows them gives them a world of their own, and back.
TEST_F(Points, ViewFollowsSmallDataWhenAsked)
{
    show({{"0", "0,0016"}, {"1", "0,0022"}, {"2", "0,0027"}, {"3", "0,0033"}, {"4", "0,004"}, {"5", "0,0046"}});
    EXPECT_EQ(ends(), QStringList({"-5", "15", "0", "10"}));
    useMenu(find("graf"), texts::kFitViewToData);
    EXPECT_EQ(ends(), QStringList({"-1", "6", "0", "0,005"}));
    EXPECT_GE(find<Graph>("graf")->tickNumbers().size(), 4u);
    useMenu(find("graf"), texts::kFitViewToData);
    EXPECT_EQ(ends(), QStringList({"-5", "15", "0", "10"}));
    EXPECT_TRUE(messages.empty()) << messageTexts().toStdString();
}

} // namespace
