#include "window_fixture.h"

#include "window/user_locale.h"

#include <QPushButton>
#include <QTest>

using namespace ajuste;

namespace {

// Capturing happens on the way to the graph view; Gráfica and back again
// leaves the table as the capture made it.
class Capture : public WindowTest {
protected:
    void capture()
    {
        click("Command5");
        if (!state().modoTabla)
            click("Command5");
    }

    void expectRowColours(int taken)
    {
        for (int row = 0; row < kRows; ++row) {
            const QColor expected = row < taken ? kWhite : kGrey;
            EXPECT_EQ(background(xv(row)), expected) << "row " << row;
            EXPECT_EQ(background(yv(row)), expected) << "row " << row;
        }
    }
};

TEST_F(Capture, EmptyTableTakesNothingAndGreysEveryRow)
{
    capture();
    EXPECT_EQ(state().npuntos, 0);
    expectRowColours(0);
}

TEST_F(Capture, FullTableTakesTwentyRowsAndLeavesElementTwenty)
{
    for (int row = 0; row < kRows; ++row)
        fillRow(row, QString::number(row), QString::number(row + 1));
    capture();
    EXPECT_EQ(state().npuntos, 20);
    expectRowColours(20);
    EXPECT_EQ(state().tdatos[19], 19.0);
    EXPECT_EQ(state().ydatos[19], 20.0);
    EXPECT_EQ(state().tdatos[20], 0.0);
}

// The first capture shows 0,1; the second reads that, so the point fitted
// is the one the cell shows.
TEST_F(Capture, GraficaCapturesTwiceSoThePointIsTheShownOne)
{
    fillRow(0, "0,1000000000000001", "1");
    enterGraphView();
    EXPECT_EQ(state().tdatos[0], 0.1);
}

TEST_F(Capture, EmptyRowEndsTheDataAndLaterRowsStayAsTyped)
{
    for (int row = 0; row < 3; ++row)
        fillRow(row, QString::number(row), "1");
    fillRow(4, "2,50", "3");
    capture();
    EXPECT_EQ(state().npuntos, 3);
    expectRowColours(3);
    EXPECT_EQ(xv(4)->text(), "2,50");
}

struct RowCase {
    const char* name;
    const char* t;
    const char* y;
    int npuntos; // rows before it are filled with valid numbers
};

class StoppingRow : public Capture, public ::testing::WithParamInterface<RowCase> {};

TEST_P(StoppingRow, EndsTheDataThere)
{
    const RowCase c = GetParam();
    for (int row = 0; row < c.npuntos; ++row)
        fillRow(row, "1", "2");
    fillRow(c.npuntos, c.t, c.y);
    fillRow(c.npuntos + 1, "5", "6");
    capture();
    EXPECT_EQ(state().npuntos, c.npuntos);
    expectRowColours(c.npuntos);
}

INSTANTIATE_TEST_SUITE_P(Cases, StoppingRow,
                         ::testing::Values(RowCase{"empty_t_with_y", "", "5", 0},
                                           RowCase{"empty_y", "1", "", 2},
                                           RowCase{"letters_in_t", "abc", "1", 1},
                                           RowCase{"blank_t", "   ", "1", 0},
                                           RowCase{"letters_in_y", "1", "x", 3},
                                           RowCase{"beyond_double", "1e999", "1", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Capture, FailedYKeepsTheRewrittenT)
{
    fillRow(0, "1", "2");
    fillRow(1, "1,50", "");
    capture();
    EXPECT_EQ(state().npuntos, 1);
    EXPECT_EQ(xv(1)->text(), "1,5");
    EXPECT_EQ(state().tdatos[1], 1.5);
    EXPECT_TRUE(yv(1)->text().isEmpty());
}

struct Normalised {
    const char* typed;
    const char* shown;
    double value;
};

class NormalForm : public Capture, public ::testing::WithParamInterface<Normalised> {};

TEST_P(NormalForm, RewritesTheCell)
{
    fillRow(0, GetParam().typed, GetParam().typed);
    capture();
    EXPECT_EQ(xv(0)->text(), GetParam().shown);
    EXPECT_EQ(yv(0)->text(), GetParam().shown);
    EXPECT_EQ(state().tdatos[0], GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Spanish, NormalForm,
                         ::testing::Values(Normalised{"2,50", "2,5", 2.5}, Normalised{" 3 ", "3", 3},
                                           Normalised{"1e2", "100", 100}, Normalised{",5", "0,5", 0.5}));

TEST_F(Capture, PeriodInSpanishIsFifteenAfterTheWarning)
{
    typeInto(xv(0), "1.5");
    EXPECT_EQ(messageTexts(), "Utilice la coma");
    EXPECT_EQ(xv(0)->text(), "1.5"); // the period still goes in, after the message
    typeInto(yv(0), "2");
    capture();
    EXPECT_EQ(xv(0)->text(), "15");
    EXPECT_EQ(state().tdatos[0], 15.0);
}

TEST_F(Capture, WarningComesBeforeThePeriodIsTyped)
{
    QString textDuringMessage;
    onMessage = [&] { textDuringMessage = yv(7)->text(); };
    typeInto(yv(7), "4.");
    EXPECT_EQ(textDuringMessage, "4");
    EXPECT_EQ(yv(7)->text(), "4.");
}

TEST_F(Capture, CommaAndOtherKeysShowNothing)
{
    typeInto(xv(0), "2,5e-3 +-x");
    EXPECT_TRUE(messages.empty());
}

TEST_F(Capture, ShorterTableKeepsOldValuesBeyondTheCount)
{
    fillRow(0, "1", "2");
    fillRow(1, "3", "4");
    capture();
    xv(1)->clear();
    capture();
    EXPECT_EQ(state().npuntos, 1);
    EXPECT_EQ(state().tdatos[1], 3.0);
    EXPECT_EQ(state().ydatos[1], 4.0);
}


class PeriodDecimal : public WindowTest {
protected:
    PeriodDecimal() : WindowTest("en_US.UTF-8") {}
};

TEST_F(PeriodDecimal, PeriodIsTheDecimalSeparatorAndNoWarningIsShown)
{
    typeInto(xv(0), "1.5");
    typeInto(yv(0), "1,250");
    EXPECT_TRUE(messages.empty());
    click("Command5");
    EXPECT_EQ(state().tdatos[0], 1.5);
    EXPECT_EQ(state().ydatos[0], 1250.0);
    click("Command5");
    EXPECT_EQ(xv(0)->text(), "1.5");
    EXPECT_EQ(yv(0)->text(), "1250");
    EXPECT_EQ(find<QLineEdit>("Text1")->text(), "0.001");
}

struct Lookup {
    const char* name;
    const char *lcAll, *lcNumeric, *lang;
    const char* decimal;
};

class LocaleLookup : public ::testing::TestWithParam<Lookup> {};

TEST_P(LocaleLookup, TakesTheFirstVariableSet)
{
    const Lookup l = GetParam();
    LocaleGuard guard(l.lcAll, l.lcNumeric, l.lang);
    EXPECT_EQ(userNumberFormat().decimal, l.decimal);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, LocaleLookup,
    ::testing::Values(Lookup{"all_over_numeric", "en_US.UTF-8", "es_ES.UTF-8", "es_ES.UTF-8", "."},
                      Lookup{"spanish_all_over_lang", "es_ES.UTF-8", nullptr, "en_US.UTF-8", ","},
                      Lookup{"numeric_over_lang", nullptr, "en_US.UTF-8", "es_ES.UTF-8", "."},
                      Lookup{"lang_alone", nullptr, nullptr, "en_GB.UTF-8", "."},
                      Lookup{"empty_is_unset", "", "", "en_US.UTF-8", "."},
                      Lookup{"c_is_spanish", "C", nullptr, "en_US.UTF-8", ","},
                      Lookup{"posix_is_spanish", nullptr, "POSIX", "en_US.UTF-8", ","},
                      Lookup{"none_is_spanish", nullptr, nullptr, nullptr, ","}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
