#include "window_fixture.h"

#include "common/numeric_error.h"
#include "data/data_file.h"
#include "graph/parameter_scale.h"
#include "window/graph/scroll_bar.h"
#include "window/texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <sys/stat.h>

using namespace ajuste;

namespace {

// A seeded random session on the real window: any action a user can take in
// the view showing, each followed by what must always hold. The suite runs a
// few thousand actions; AJUSTE_SESSION_ACTIONS and AJUSTE_SESSION_SEED run
// any number from any seed.
class Session : public WindowTest {
protected:
    void run(std::uint64_t seed, long actions);

private:
    struct ParamControls {
        const char* box;
        const char* bar;
        const ParameterScale& scale;
    };
    static constexpr ParamControls kParams[] = {{"Lval", "LSCR", kScaleA}, {"Cval", "CSCR", kScaleC},
                                                {"Tval", "TSCR", kScaleT}};

    std::string act();
    std::string typeText();
    std::string clickSomething();
    std::string moveBar();
    std::string replaceDataFile();
    std::string saveOrLoad();

    QString randomText();
    template <class T>
    const T& pick(std::initializer_list<T> items) { return items.begin()[below(items.size())]; }
    std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); }
    void typeKeys(QLineEdit* box, const QString& text);
    // One user event, counting the most messages one event showed.
    void oneEvent(const std::function<void()>& event)
    {
        const std::size_t before = messages.size();
        event();
        mostInOneEvent = std::max(mostInOneEvent, messages.size() - before);
    }
    void expectSound(std::size_t messagesBefore);
    void expectFileHoldsTheCapture();
    void expectDataAgreeWithTheCells();
    QByteArray fileState() const;

    InTemporaryFolder folder;
    std::mt19937_64 random;
    QLineEdit* untaken = nullptr; // a parameter box typed into and not yet left
    std::size_t mostInOneEvent = 0;
};

// The program's own texts: nothing else may ever be said.
const QString kData = texts::kDataFileName;
const QString kOwnTexts[] = {texts::kNoData,          texts::kUseComma,        texts::kOverflow,
                             texts::cannotSave(kData), texts::kFileMissing,     texts::cannotRead(kData),
                             texts::notText(kData),   texts::badCount(kData), texts::truncated(kData)};

std::string Session::act()
{
    switch (below(10)) {
    case 0: case 1: case 2: case 3: return typeText();
    case 4: case 5: case 6: return clickSomething();
    case 7: return state().modoTabla ? typeText() : moveBar();
    case 8: return replaceDataFile();
    default: return saveOrLoad();
    }
}

// Texts a user might type: numbers in both notations, and everything else.
QString Session::randomText()
{
    switch (below(4)) {
    case 0: return QString::number(std::uniform_real_distribution<double>(-6, 16)(random), 'f', below(4)).replace('.', ',');
    case 1: return QString::number(std::uniform_int_distribution<int>(0, 10)(random));
    case 2: return pick<QString>({"", " ", "   ", "abc", "-", "+", ",", ".", "e", "1E+400", "1E-400", "-1E+400",
                                  "123456789012345678901234567890", "1.234.567,5", "1,2,3", "1..2", "ñ", "€5", "２",
                                  "1e", "0x10", "inf", "nan", "1 2", "\t3", "0,000000000001", "1e308", "-0", ",5",
                                  "1.5", "20,05", "6,05", "-20,1", "0,1", "0,00001"});
    default: {
        const QString alphabet = QStringLiteral("0123456789,.-+eE xñé€²");
        QString text;
        for (std::size_t n = below(12); n > 0; --n)
            text += alphabet[int(below(alphabet.size()))];
        return text;
    }
    }
}

// Key by key, with the text each key carries, as a keyboard would send it.
void Session::typeKeys(QLineEdit* box, const QString& text)
{
    for (QChar ch : text)
        oneEvent([&] {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        });
}

std::string Session::typeText()
{
    QList<QLineEdit*> boxes;
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        if (box->isVisible())
            boxes << box;
    QLineEdit* box = boxes[int(below(boxes.size()))];
    const QString text = randomText();
    box->setFocus(Qt::OtherFocusReason);
    if (box->hasFocus() && below(2))
        box->selectAll();
    typeKeys(box, text);
    const char* end = pick({"Enter", "Tab", "nothing"});
    if (std::string(end) != "nothing")
        oneEvent([&] { QTest::keyClick(box, std::string(end) == "Enter" ? Qt::Key_Return : Qt::Key_Tab); });
    const bool parameterBox = box->objectName().endsWith("val");
    if (parameterBox && std::string(end) != "Enter")
        untaken = box; // Tab leaves it: the next check finds it without the focus
    return "type \"" + text.toStdString() + "\" into " + box->objectName().toStdString() + ", then " + end;
}

std::string Session::clickSomething()
{
    QList<QWidget*> targets;
    for (const char* name : {"Command5", "Command1", "Recuperar", "paso", "paso3", "paso4", "graf", "Check1", "Check2",
                             "Check3"})
        if (find(name)->isVisible())
            targets << find(name);
    QWidget* target = targets[int(below(targets.size()))];
    oneEvent([&] { QTest::mouseClick(target, Qt::LeftButton); });
    return "click " + target->objectName().toStdString();
}

std::string Session::moveBar()
{
    const ParamControls& row = kParams[below(3)];
    const auto action = pick({QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                              QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub,
                              QAbstractSlider::SliderToMinimum, QAbstractSlider::SliderToMaximum});
    oneEvent([&] { find<ScrollBar>(row.bar)->triggerAction(action); });
    return std::string("move ") + row.bar + " by action " + std::to_string(action);
}

// datos.txt good, damaged, huge, or something no one can read as a file.
std::string Session::replaceDataFile()
{
    QFile::remove("datos.txt");
    QDir().rmdir("datos.txt");
    switch (below(8)) {
    case 0: {
        QByteArray bytes = " " + QByteArray::number(qulonglong(below(21))) + " \r\n";
        for (int line = 0; line < 40; ++line)
            bytes += QByteArray::number(qulonglong(below(10))) + (below(2) ? ",5" : "") + "\r\n";
        writeFile(bytes);
        return "datos.txt good";
    }
    case 1: {
        QByteArray bytes = pick<QByteArray>({" 21 \r\n", " -1 \r\n", " 40000 \r\n", " 3 \r\n1\r\n2\r\n", ""});
        for (std::size_t n = below(60); n > 0; --n)
            bytes += char(below(256));
        writeFile(bytes);
        return "datos.txt damaged";
    }
    case 2: writeFile(" 2 \r\n1\r\n2\r\n" + QByteArray(kMaxDataFileBytes, '7')); return "datos.txt huge";
    case 3: QDir().mkdir("datos.txt"); return "datos.txt a folder";
    case 4: mkfifo("datos.txt", 0644); return "datos.txt a pipe";
    case 5: QFile::link("missing/datos.txt", "datos.txt"); return "datos.txt a dangling link";
    case 6: QFile::link("datos.txt", "datos.txt"); return "datos.txt a link to itself";
    default: return "datos.txt gone";
    }
}

// What datos.txt is, without ever opening anything but a plain file.
QByteArray Session::fileState() const
{
    const QFileInfo info("datos.txt");
    if (info.isSymLink())
        return "link to " + info.symLinkTarget().toUtf8();
    if (info.isFile())
        return fileBytes();
    return info.exists() ? "not a file" : "none";
}

std::string Session::saveOrLoad()
{
    const bool save = below(2);
    const QByteArray before = fileState();
    const std::size_t said = messages.size();
    oneEvent([&] { QTest::mouseClick(find(save ? "Command1" : "Recuperar"), Qt::LeftButton); });
    // Leaving a value box for the button may say "Desbordamiento" first.
    const bool failed = std::any_of(messages.begin() + said, messages.end(),
                                    [](const Message& m) { return m.text != texts::kOverflow; });
    if (save && !failed)
        expectFileHoldsTheCapture();
    if (save && failed) {
        EXPECT_EQ(fileState(), before) << "a failed save changed datos.txt";
    }
    if (!save && !failed)
        expectDataAgreeWithTheCells();
    return save ? "Guardar" : "Recuperar";
}

void Session::expectFileHoldsTheCapture()
{
    std::vector<DataRow> rows;
    for (int row = 0; row < state().npuntos; ++row)
        rows.push_back({xv(row)->text().toStdString(), yv(row)->text().toStdString()});
    const QByteArray bytes = fileBytes();
    try {
        const std::vector<DataRow> back = parseDataFile(std::string_view(bytes.constData(), bytes.size()));
        ASSERT_EQ(back.size(), rows.size());
        for (std::size_t k = 0; k < rows.size(); ++k)
            EXPECT_TRUE(back[k].t == rows[k].t && back[k].y == rows[k].y) << "row " << k;
    } catch (const DataFileError&) {
        ADD_FAILURE() << "a save that said nothing wrote an unreadable file";
    }
}

// The rows a capture would take from the cells, read here independently.
void Session::expectDataAgreeWithTheCells()
{
    int rows = 0;
    double sum = 0.0;
    for (; rows < kRows && !xv(rows)->text().isEmpty(); ++rows) {
        double t = 0.0, y = 0.0;
        try {
            t = toNumber(xv(rows)->text().toStdString(), form->numberFormat());
            y = toNumber(yv(rows)->text().toStdString(), form->numberFormat());
        } catch (const NumericError&) {
            break;
        }
        EXPECT_EQ(state().tdatos[rows], t) << "row " << rows;
        EXPECT_EQ(state().ydatos[rows], y) << "row " << rows;
        sum += y;
    }
    EXPECT_EQ(state().npuntos, rows);
    if (rows > 0) {
        EXPECT_EQ(state().ymedia, sum / rows);
    }
}

void Session::expectSound(std::size_t messagesBefore)
{
    bool loopRan = false;
    QTimer::singleShot(0, form.get(), [&] { loopRan = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(loopRan) << "the event loop stopped";

    EXPECT_FALSE(state().ocupado);
    state().modoTabla ? expectTableView() : expectGraphView();
    for (std::size_t k = messagesBefore; k < messages.size(); ++k)
        EXPECT_TRUE(std::find(std::begin(kOwnTexts), std::end(kOwnTexts), messages[k].text) != std::end(kOwnTexts))
            << "unknown message: " << messages[k].text.toStdString();
    EXPECT_LE(mostInOneEvent, 2u) << "one event showed more than two messages";

    if (untaken && !untaken->hasFocus())
        untaken = nullptr;
    for (const ParamControls& row : kParams) {
        const double value = state().p.*row.scale.parameter;
        if (find<QLineEdit>(row.box) != untaken) {
            EXPECT_EQ(textOf(row.box), numberText(value)) << row.box;
        }
        EXPECT_EQ(position(row.bar), toInt16(row.scale.toPosition(value))) << row.bar;
    }
}

long resident(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field))
            return std::stol(line.substr(std::string(field).size()));
    return -1;
}

void Session::run(std::uint64_t seed, long actions)
{
    random.seed(seed);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    long peakAtStart = 0;
    for (long n = 1; n <= actions; ++n) {
        const std::size_t before = messages.size();
        mostInOneEvent = 0;
        const std::string action = act();
        expectSound(before);
        if (HasFailure()) {
            ADD_FAILURE() << "action " << n << " of seed " << seed << ": " << action
                          << "\nreplay: AJUSTE_SESSION_SEED=" << seed << " AJUSTE_SESSION_ACTIONS=" << n
                          << " window_tests --gtest_filter=Session.*";
            return;
        }
        if (messages.size() > 1000)
            messages.clear();
        if (n == std::min(actions, 1000L))
            peakAtStart = resident("VmHWM:");
    }
    std::printf("session of %ld actions from seed %llu: peak resident %ld kB after the first thousand, %ld kB "
                "at the end\n",
                actions, static_cast<unsigned long long>(seed), peakAtStart, resident("VmHWM:"));
}

TEST_F(Session, NoSequenceOfActionsBreaksTheWindow)
{
    const QByteArray seed = qgetenv("AJUSTE_SESSION_SEED");
    const QByteArray actions = qgetenv("AJUSTE_SESSION_ACTIONS");
    run(seed.isEmpty() ? 20261209 : seed.toULongLong(), actions.isEmpty() ? 3000 : actions.toLong());
}

} // namespace
