#include "window_fixture.h"

#include "near.h"
#include "table_cell.h"
#include "window/user_locale.h"
#include "window/graph/scroll_bar.h"
#include "worked_example.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

LocaleGuard::LocaleGuard(const char* lcAll, const char* lcNumeric, const char* lang)
{
    const std::pair<const char*, const char*> wanted[] = {{"LC_ALL", lcAll}, {"LC_NUMERIC", lcNumeric}, {"LANG", lang}};
    for (const auto& [variable, value] : wanted) {
        saved.emplace_back(variable, qEnvironmentVariableIsSet(variable)
                                         ? std::optional(qgetenv(variable))
                                         : std::nullopt);
        qunsetenv(variable);
        if (value)
            qputenv(variable, value);
    }
}

LocaleGuard::~LocaleGuard()
{
    for (const auto& [variable, value] : saved) {
        if (value)
            qputenv(variable, *value);
        else
            qunsetenv(variable);
    }
}

InTemporaryFolder::InTemporaryFolder() : previous(QDir::currentPath())
{
    EXPECT_TRUE(folder.isValid());
    QDir::setCurrent(folder.path());
}

InTemporaryFolder::~InTemporaryFolder()
{
    QDir::setCurrent(previous);
}

void WindowTest::SetUp()
{
    form = std::make_unique<ajuste::Form1>();
    form->dialogs().message = [this](const QString& text) {
        messages.push_back({text, form->state()});
        if (onMessage)
            onMessage();
    };
    form->dialogs().choice = [this](const QString& question, const QStringList& answers) {
        questions << question + " " + answers.join(" | ");
        return answer;
    };
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

// A window or dialog left showing would leak into the next test.
void WindowTest::TearDown()
{
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    form.reset();
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << "stray window " << w->metaObject()->className();
}

namespace {

QLineEdit* cell(const ajuste::Form1& form, const char* column, int row)
{
    QLineEdit* box = tableCell(form, column, row);
    EXPECT_NE(box, nullptr) << "no cell " << column << "(" << row << ")";
    return box;
}

} // namespace

QLineEdit* WindowTest::xv(int row) const
{
    return cell(*form, "xv", row);
}

QLineEdit* WindowTest::yv(int row) const
{
    return cell(*form, "yv", row);
}

QColor WindowTest::background(QWidget* box) const
{
    return box->palette().color(QPalette::Base);
}

QColor WindowTest::errorBox() const
{
    return background(find("label10"));
}

int WindowTest::position(const char* bar) const
{
    return find<ajuste::ScrollBar>(bar)->value();
}

QString WindowTest::textOf(const char* name) const
{
    if (auto* label = form->findChild<QLabel*>(name))
        return label->text();
    return find<QLineEdit>(name)->text();
}

double WindowTest::shownNumber(const char* name) const
{
    try {
        return ajuste::toNumber(textOf(name).toStdString(), form->numberFormat());
    } catch (const std::exception&) {
        ADD_FAILURE() << name << " shows no number: " << textOf(name).toStdString();
        return 0.0;
    }
}

namespace {

// The share of near-black pixels, the texts' and the lines', within what is
// not white; -1 when the file cannot be rasterised.
double darkShare(const QString& path)
{
    const QString png = path + ".png", width = "1200";
    const QStringList tool =
        path.endsWith(".pdf")
            ? QStringList{"pdftoppm", "-png", "-singlefile", "-scale-to-x", width, "-scale-to-y", "-1", path, path}
            : QStringList{"rsvg-convert", "-w", width, "-o", png, path};
    if (QProcess::execute(tool.first(), tool.mid(1)) != 0)
        return -1;
    const QImage image = QImage(png).convertToFormat(QImage::Format_Grayscale8);
    int dark = 0;
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            dark += grey < 96;
            if (grey < 250)
                drawn |= QRect(x, y, 1, 1);
        }
    return drawn.isEmpty() ? -1 : double(dark) / (drawn.width() * drawn.height());
}

} // namespace

void expectPdfDrawsAsSvg(const QString& pdf, const QString& svg)
{
    const double inSvg = darkShare(svg);
    ASSERT_GT(inSvg, 0) << svg.toStdString();
    EXPECT_NEAR(darkShare(pdf) / inSvg, 1, 0.2) << pdf.toStdString();
}

QString WindowTest::numberText(double x) const
{
    return ajuste::numberText(x, form->numberFormat());
}

QString WindowTest::messageTexts() const
{
    QStringList texts;
    for (const Message& m : messages)
        texts << m.text;
    return texts.join(" | ");
}

QStringList WindowTest::readOuts() const
{
    QStringList texts;
    for (const char* name : {"Label6", "Label7", "Label8", "label9", "label10"})
        texts << textOf(name);
    return texts;
}

QStringList WindowTest::tableTexts() const
{
    QStringList texts;
    for (int row = 0; row < ajuste::kRows; ++row)
        texts << xv(row)->text() << yv(row)->text();
    return texts;
}

QByteArray WindowTest::fileBytes(const char* name) const
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void WindowTest::writeFile(const QByteArray& bytes) const
{
    writeFile("datos.txt", bytes);
}

void WindowTest::writeFile(const char* name, const QByteArray& bytes) const
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void WindowTest::typeInto(QLineEdit* box, const QString& text) const
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

void WindowTest::fillRow(int row, const QString& t, const QString& y) const
{
    typeInto(xv(row), t);
    typeInto(yv(row), y);
}

void WindowTest::retype(const char* box, const QString& text) const
{
    find<QLineEdit>(box)->clear();
    typeInto(find<QLineEdit>(box), text);
}

void WindowTest::click(const char* name) const
{
    QWidget* w = find(name);
    ASSERT_TRUE(w && w->isVisible()) << name << " is not there to click";
    QTest::mouseClick(w, Qt::LeftButton);
}

namespace {

const char* const kAlwaysVisible[] = {"Command5", "Command1", "Recuperar", "funcion"};
const char* const kGraphView[] = {"inicio", "Final", "Minimo", "maximo", "graf", "paso", "paso3", "paso4",
                                  "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7",
                                  "Label8", "label9", "label10", "Text1", "Label14", "Check1", "Check2",
                                  "Check3", "LSCR", "Lval", "CSCR", "Cval", "TSCR", "Tval", "Para",
                                  "Picture1", "Picture2", "Picture3"};

void expectView(const ajuste::Form1& form, bool table)
{
    auto shown = [&](QWidget* w) { return w && w->isVisibleTo(&form); };
    for (const char* name : kAlwaysVisible)
        EXPECT_TRUE(shown(form.findChild<QWidget*>(name))) << name;
    for (const char* name : kGraphView)
        EXPECT_EQ(shown(form.findChild<QWidget*>(name)), !table) << name;
    for (const char* name : {"Label11", "Label12"})
        EXPECT_EQ(shown(form.findChild<QWidget*>(name)), table) << name;
    for (QWidget* cell : form.findChildren<QLineEdit*>(QRegularExpression("^[xy]v$")))
        EXPECT_EQ(shown(cell), table) << cell->accessibleName().toStdString();
    const auto* command5 = form.findChild<QPushButton*>("Command5");
    EXPECT_EQ(command5->text(), table ? "Gráfica" : "Tabla");
    EXPECT_EQ(form.state().modoTabla, table);
}

} // namespace

QStringList WindowTest::useMenu(QWidget* w, const QString& entry) const
{
    const QPoint at = w->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        ADD_FAILURE() << "no menu opened";
        return {};
    }
    QStringList texts;
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        texts << action->text();
        if (!entry.isEmpty() && !chosen && action->text().startsWith(entry))
            chosen = action;
    }
    // A disabled entry leaves the menu open; the user then closes it.
    if (chosen && chosen->isEnabled())
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
    else
        menu->close();
    EXPECT_TRUE(entry.isEmpty() || chosen) << "no entry " << entry.toStdString() << " in "
                                           << texts.join(", ").toStdString();
    return texts;
}

void WindowTest::expectTableView() const
{
    expectView(*form, true);
}

void WindowTest::expectGraphView() const
{
    expectView(*form, false);
}

void WindowTest::enterGraphView()
{
    click("Command5");
    ASSERT_FALSE(state().modoTabla) << messageTexts().toStdString();
}

void WindowTest::typeWorkedExample() const
{
    fillRow(0, "0", "4");
    fillRow(1, "1", "10");
}

void WindowTest::expectStartParameters() const
{
    EXPECT_EQ(QList<double>({state().p.a, state().p.c, state().p.t0}), QList<double>({5, 1, 0}));
    EXPECT_EQ(QStringList({textOf("Lval"), textOf("Cval"), textOf("Tval")}), QStringList({"5", "1", "0"}));
    EXPECT_EQ(QList<int>({position("LSCR"), position("CSCR"), position("TSCR")}), QList<int>({-50, 10, 0}));
}

void WindowTest::expectWorkedStep() const
{
    EXPECT_TRUE(near12(state().p.a, worked::kStepA));
    EXPECT_TRUE(near12(state().p.c, worked::kStepC));
    EXPECT_TRUE(near12(state().p.t0, worked::kStepT0));
}

void WorkedExample::SetUp()
{
    WindowTest::SetUp();
    typeWorkedExample();
    enterGraphView();
    shownAtStart = readOuts();
}
