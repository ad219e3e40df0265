#include "window_fixture.h"

#include "near.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"
#include "worked_example.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ajuste;

namespace {

using Recovery = WorkedExample;

TEST_F(Recovery, ShowsTheMessageThenResetsTheParametersAndTheirControls)
{
    retype("Text1", "0,1"); // one update with the worked sums takes c far below −6
    click("paso4");

    ASSERT_EQ(messageTexts(), "Desbordamiento");
    const WindowState& during = messages[0].state;
    EXPECT_TRUE(during.ocupado);
    EXPECT_TRUE(near12(during.p.c, worked::kStep01C));
    EXPECT_TRUE(near12(during.p.t0, worked::kStep01T0));

    expectStartParameters();
    EXPECT_FALSE(state().ocupado);
    EXPECT_EQ(textOf("Text1"), "0,1");
    // The sums stay as the error left them; only their read-outs go.
    EXPECT_EQ(state().sums.errorCuad, during.sums.errorCuad);
    for (const char* label : {"Label6", "Label7", "Label8"})
        EXPECT_TRUE(find<QLabel>(label)->text().isEmpty()) << label;
    EXPECT_TRUE(textOf("label9").isEmpty() && textOf("label10").isEmpty());

    EXPECT_FALSE(state().modoTabla);
    EXPECT_EQ(find<QPushButton>("Command5")->text(), "Tabla");
    for (const char* name : {"graf", "paso", "Label14", "CSCR", "Check2"})
        EXPECT_TRUE(find(name)->isVisible()) << name;
    EXPECT_FALSE(xv(0)->isVisible());
    click("Command5");
    EXPECT_TRUE(state().modoTabla);
    EXPECT_EQ(yv(1)->text(), "10");
}

TEST_F(Recovery, BarsAlreadyAtTheirStartRaiseNoChangeEvents)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* bar : {"LSCR", "CSCR", "TSCR"})
        spies.push_back(std::make_unique<QSignalSpy>(find<ScrollBar>(bar), &QScrollBar::valueChanged));
    retype("Text1", "abc");
    click("paso");

    EXPECT_EQ(messageTexts(), "Desbordamiento");
    for (const auto& spy : spies)
        EXPECT_EQ(spy->count(), 0);
}

// The recovery does not evaluate: the next step judges its error against
// the one evaluated before the failing step, at c = 0,9.
TEST_F(Recovery, NextStepComparesWithTheErrorBeforeTheFailure)
{
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    retype("Text1", "0,2");
    click("paso");
    ASSERT_EQ(messageTexts(), "Desbordamiento");
    const double leftOver = state().sums.errorCuad;
    EXPECT_TRUE(near12(leftOver, worked::kErrorAtC09));

    retype("Text1", "0,001");
    click("paso");
    EXPECT_EQ(state().errorAnt, leftOver);
    EXPECT_EQ(readOuts(), shownAtStart);
    EXPECT_EQ(errorBox(), kMagenta);
}

// Letters in Lval and Enter, answered in the real box.
TEST_F(Recovery, RealMessageBoxSaysDesbordamientoWithAceptarOnly)
{
    form->dialogs().message = {};
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);

    QString text, caption;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        caption = box->windowTitle();
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        box->accept();
    });
    find<QLineEdit>("Lval")->clear();
    typeInto(find<QLineEdit>("Lval"), "abc");
    QTest::keyClick(find("Lval"), Qt::Key_Return);

    EXPECT_EQ(text, "Desbordamiento");
    EXPECT_EQ(caption, "Ajuste de Curvas Exponenciales");
    EXPECT_EQ(buttons, QStringList{"Aceptar"});
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(state().p.c, 1.0);
    EXPECT_EQ(position("CSCR"), 10);
}


using RecoveryRedraw = WindowTest;

// A point too large to draw: the recovery's own redraw fails as well. One
// message per failure, no recovery after recovery, and the controls stay live.
TEST_F(RecoveryRedraw, FailingItsOwnRedrawLeavesTheWindowUsable)
{
    fillRow(0, "0", "1");
    fillRow(1, "1", "1e308");
    enterGraphView();
    EXPECT_EQ(messageTexts(), texts::noWorld(NoWorld::TooLarge)); // the box stays
    messages.clear();
    click("paso");
    EXPECT_EQ(messageTexts(), "Desbordamiento");
    EXPECT_FALSE(state().ocupado);
    EXPECT_TRUE(textOf("label9").isEmpty());

    retype("Cval", "abc");
    QTest::keyClick(find("Cval"), Qt::Key_Return);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_FALSE(state().ocupado);
    EXPECT_EQ(textOf("Cval"), "1");

    find<ScrollBar>("CSCR")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(state().p.c, 1.1);
    EXPECT_FALSE(state().ocupado);
}

} // namespace
