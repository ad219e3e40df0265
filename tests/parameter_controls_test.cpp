#include "window_fixture.h"

#include "near.h"
#include "window/graph/scroll_bar.h"
#include "worked_example.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

using namespace ajuste;

namespace {

class ParameterControls : public WorkedExample {
protected:
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    ScrollBar* bar(const char* name) const { return find<ScrollBar>(name); }

    void enterValue(const char* name, const char* text) const
    {
        retype(name, text);
        QTest::keyClick(box(name), Qt::Key_Return);
    }

    void expectEvaluated() const { EXPECT_EQ(box("label9")->text(), numberText(state().sums.errorCuad)); }

    void activate()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};

struct Scroll {
    const char* name;
    const char* bar;
    QAbstractSlider::SliderAction action;
    int times, position;
    double Params::*parameter;
    double value;
    const char* text;
};

class ScrollMoves : public ParameterControls, public ::testing::WithParamInterface<Scroll> {};

TEST_P(ScrollMoves, SetTheParameterItsBoxAndRedraw)
{
    const Scroll s = GetParam();
    for (int k = 0; k < s.times; ++k)
        bar(s.bar)->triggerAction(s.action);

    EXPECT_EQ(position(s.bar), s.position);
    EXPECT_TRUE(near12(state().p.*s.parameter, s.value));
    EXPECT_EQ(box(QByteArray(s.bar).replace("SCR", "val").constData())->text(), s.text);
    expectEvaluated();
}

INSTANTIATE_TEST_SUITE_P(
    Spanish, ScrollMoves,
    ::testing::Values(
        Scroll{"c_to_13", "CSCR", QAbstractSlider::SliderSingleStepAdd, 3, 13, &Params::c, 1.3, "1,3"},
        Scroll{"a_to_minus_47", "LSCR", QAbstractSlider::SliderSingleStepAdd, 3, -47, &Params::a, 5.3, "5,3"},
        Scroll{"t0_to_7", "TSCR", QAbstractSlider::SliderPageStepAdd, 7, 7, &Params::t0, 1.4, "1,4"},
        Scroll{"t0_to_minus_3", "TSCR", QAbstractSlider::SliderSingleStepSub, 3, -3, &Params::t0, -0.6, "-0,6"},
        Scroll{"a_to_zero", "LSCR", QAbstractSlider::SliderToMinimum, 1, -100, &Params::a, 0, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Typed {
    const char* name;
    const char* box;
    const char *typed, *shown;
    double Params::*parameter;
    double value;
    const char* bar;
    int position;
};

class TypedValues : public ParameterControls, public ::testing::WithParamInterface<Typed> {};

// The parameter keeps the typed value; the bar shows its nearest position,
// halfway going to the even one.
TEST_P(TypedValues, TakeEffectOnEnter)
{
    const Typed t = GetParam();
    enterValue(t.box, t.typed);

    EXPECT_EQ(state().p.*t.parameter, t.value);
    EXPECT_EQ(box(t.box)->text(), t.shown);
    EXPECT_EQ(position(t.bar), t.position);
    EXPECT_TRUE(messages.empty()) << messageTexts().toStdString();
    expectEvaluated();
}

INSTANTIATE_TEST_SUITE_P(
    Spanish, TypedValues,
    ::testing::Values(Typed{"c_125_to_12", "Cval", "1,250", "1,25", &Params::c, 1.25, "CSCR", 12},
                      Typed{"c_175_to_18", "Cval", "1,75", "1,75", &Params::c, 1.75, "CSCR", 18},
                      Typed{"a_525_to_minus_48", "Lval", "5,25", "5,25", &Params::a, 5.25, "LSCR", -48},
                      Typed{"t0_05_to_2", "Tval", "0,5", "0,5", &Params::t0, 0.5, "TSCR", 2},
                      Typed{"t0_15_to_8", "Tval", "1,5", "1,5", &Params::t0, 1.5, "TSCR", 8},
                      Typed{"a_20_at_the_end_of_the_bar", "Lval", "20", "20", &Params::a, 20, "LSCR", 100}),
    [](const auto& info) { return std::string(info.param.name); });

struct Failing {
    const char* name;
    const char* box;
    const char* typed;
    bool goesOn; // the c row evaluates again after the recovery
};

class FailingValues : public ParameterControls, public ::testing::WithParamInterface<Failing> {};

TEST_P(FailingValues, ResetAllThreeParameters)
{
    const Failing f = GetParam();
    for (const char* name : {"LSCR", "CSCR", "TSCR"})
        bar(name)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    enterValue(f.box, f.typed);

    EXPECT_EQ(messageTexts(), "Desbordamiento");
    expectStartParameters();
    if (f.goesOn) {
        EXPECT_EQ(readOuts(), shownAtStart);
    } else {
        EXPECT_TRUE(box("label9")->text().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Spanish, FailingValues,
                         ::testing::Values(Failing{"c_beyond_its_bar", "Cval", "7", true},
                                           Failing{"c_letters", "Cval", "abc", true},
                                           Failing{"a_letters", "Lval", "abc", false},
                                           Failing{"t0_letters", "Tval", "x", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParameterControls, KeysOtherThanEnterOnlyType)
{
    const WindowState before = state();
    typeInto(box("Cval"), "3");
    EXPECT_EQ(box("Cval")->text(), "13");
    EXPECT_EQ(state().p.c, 1.0);
    EXPECT_EQ(state().errorAnt, before.errorAnt); // no evaluation either
}

// Clicking a step button out of a box takes the box's value first: the step
// evaluates at c = 1,25 again, finding the error the leaving just showed.
TEST_F(ParameterControls, LeavingByAClickRunsBeforeTheClickedControl)
{
    activate();
    retype("Cval", "1,25");
    QTest::mouseClick(find("paso"), Qt::LeftButton);

    EXPECT_TRUE(messages.empty()) << messageTexts().toStdString();
    EXPECT_TRUE(near12(state().sums.errorCuad, worked::kErrorAtC125));
    EXPECT_EQ(state().errorAnt, state().sums.errorCuad);
    EXPECT_EQ(errorBox(), kWhite);
    EXPECT_LT(state().p.c, 1.25);
    EXPECT_EQ(box("Cval")->text(), numberText(state().p.c));
}

// Enter takes the value and the error grows; leaving the box takes it again
// and finds the same error.
TEST_F(ParameterControls, EnterThenLeavingTakesTheValueTwice)
{
    activate();
    enterValue("Cval", "1,25");
    EXPECT_EQ(errorBox(), kMagenta);
    QTest::keyClick(box("Cval"), Qt::Key_Tab);
    ASSERT_FALSE(box("Cval")->hasFocus());
    EXPECT_TRUE(near12(state().sums.errorCuad, worked::kErrorAtC125));
    EXPECT_EQ(state().errorAnt, state().sums.errorCuad);
    EXPECT_EQ(errorBox(), kWhite);
}

class FocusToAnotherWindow : public ParameterControls, public ::testing::WithParamInterface<bool> {};

// A box that loses the focus with its window is not left: its text is not
// read then, only when the user moves on inside the window.
TEST_P(FocusToAnotherWindow, DoesNotTakeTheValue)
{
    activate();
    retype("Tval", "abc");
    {
        QDialog dialog(GetParam() ? form.get() : nullptr);
        dialog.setModal(GetParam());
        dialog.show();
        dialog.activateWindow();
        // A dialog counts as active with its active parent; wait for its own turn.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
    }
    activate();
    EXPECT_TRUE(messages.empty()) << messageTexts().toStdString();
    EXPECT_EQ(box("Tval")->text(), "abc");
    EXPECT_EQ(state().p.t0, 0.0);

    QTest::mouseClick(find("graf"), Qt::LeftButton);
    EXPECT_EQ(messageTexts(), "Desbordamiento");
}

INSTANTIATE_TEST_SUITE_P(Window, FocusToAnotherWindow, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "modal_dialog" : "other_window"); });

} // namespace
