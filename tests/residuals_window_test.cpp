#include "window_fixture.h"

#include "window/fitting/residuals_view.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QFile>
#include <QPrinter>
#include <QTest>

#include <cmath>

using namespace ajuste;

namespace {

using Residuals = WorkedExample;

// At the start values the worked example leaves −1 and −3,59…; at its
// optimum the curve goes through both points.
TEST_F(Residuals, FollowTheParametersAndSayWhetherTheyAreTheFits)
{
    useMenu(find("graf"), texts::kResiduals);
    auto* view = form->findChild<ResidualsView*>();
    ASSERT_TRUE(view && view->isVisible());
    EXPECT_EQ(view->window()->windowTitle(), texts::kResidualsOfParameters);
    EXPECT_EQ(view->plot().points.size(), 2u);
    EXPECT_EQ(view->plot().residual, (Range{-4, 4}));
    EXPECT_EQ(view->plot().t, (Range{-5, 15}));

    QTest::keyClick(find("graf"), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(view->window()->windowTitle(), texts::kResidualsOfFit);
    for (const Residual& r : view->plot().points)
        EXPECT_LT(std::abs(r.residual), 1e-12);

    find<ScrollBar>("LSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(view->window()->windowTitle(), texts::kResidualsOfParameters);
    EXPECT_EQ(view->plot().residual, (Range{-0.3, 0.3})); // a = 4,1: −0,1 and −0,25
    EXPECT_TRUE(messages.empty());
    view->window()->close();
}

// Saved as the graph's figure is, and printed on a page.
TEST_F(Residuals, SaveAndPrintTheirPicture)
{
    InTemporaryFolder folder;
    useMenu(find("graf"), texts::kResiduals);
    auto* view = form->findChild<ResidualsView*>();
    QStringList names{"residuos.pdf", "residuos.svg"};
    form->dialogs().fileToSave = [&](const QString&) { return names.takeFirst(); };
    form->dialogs().printerSetUp = [](QPrinter& printer) {
        printer.setOutputFileName("impresa.pdf");
        return true;
    };
    for (const char* entry : {texts::kSaveImage, texts::kSaveImage, texts::kPrint})
        useMenu(view, entry);
    expectPdfDrawsAsSvg("residuos.pdf", "residuos.svg");
    QFile svg("residuos.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(svg.readAll()).contains(QString(">%1</text>").arg(texts::kResidualsOfParameters)));
    EXPECT_TRUE(QFile::exists("impresa.pdf") && messages.empty());
    view->window()->close();
}

} // namespace
