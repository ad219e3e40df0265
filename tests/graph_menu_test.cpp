#include "window_fixture.h"

#include "window/graph/figure.h"
#include "window/graph/graph_widget.h"
#include "window/texts.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

using namespace ajuste;

namespace {

bool shows(const QImage& image, const QColor& colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32); // rows without padding
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
    return std::count(pixels, pixels + rgb.width() * rgb.height(), colour.rgb()) > 0;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// 0 when the file is no PDF.
int pdfPages(const QString& path)
{
    const QString pdf = QString::fromLatin1(bytesOf(path));
    return pdf.startsWith("%PDF-") ? int(pdf.count(QRegularExpression("/Type\\s*/Page(?!s)"))) : 0;
}

// The paths filled with the colour, set on them or on a group round them;
// -1 when the file is no well-formed XML.
int svgPathsIn(const QString& path, const QColor& colour)
{
    QXmlStreamReader svg(bytesOf(path));
    QStringList fills{""};
    int paths = 0;
    while (svg.readNext() != QXmlStreamReader::Invalid && !svg.atEnd()) {
        const QString fill = svg.attributes().value("fill").toString();
        if (svg.isStartElement())
            fills << (fill.isEmpty() ? fills.last() : fill);
        else if (svg.isEndElement())
            fills.removeLast();
        paths += svg.isStartElement() && svg.name() == u"path" && fills.last() == colour.name();
    }
    return svg.hasError() ? -1 : paths;
}

class GraphMenu : public WorkedExample {
protected:
    // A right click on the graph, then a click on the entry of the menu it opened.
    void pick(const QString& entry)
    {
        QTest::mouseClick(find("graf"), Qt::RightButton);
        useMenu(find("graf"), entry);
    }

    int minimumWidth() const { return 2 * find("graf")->width() * form->devicePixelRatioF(); }

    InTemporaryFolder folder;
};

TEST_F(GraphMenu, CopiesTheFigureAtTwiceTheScreensPixelsAndTheResults)
{
    pick("Copiar imagen");
    EXPECT_EQ(errorBox(), kMagenta); // the right click did not redraw
    const QImage image = QApplication::clipboard()->image();
    EXPECT_GE(image.width(), minimumWidth());
    EXPECT_TRUE(shows(image, kRed) && shows(image, kBlue));

    pick("Copiar resultados");
    const QString errors = "Error cuadrático\t" + textOf("label9") + "\nError normalizado (%)\t" + textOf("label10");
    const QString residuals = QString("\n%1\n0\t4\t5\t-1\n1\t10\t13,5914091422952\t-3,59140914229523").arg(texts::kResidualColumns);
    EXPECT_EQ(QApplication::clipboard()->text(), "Puntos\t2\na\t5\nc\t1\nt0\t0\n" + errors + residuals);
}

// On a page of any shape the figure keeps its aspect: the graph's green
// stays 4800 by 4000 twips.
TEST_F(GraphMenu, FigureFitsPagesOfAnyShape)
{
    const Figure figure{.graph = *find<Graph>("graf"), .graphPlace = find("graf")->geometry(), .font = form->font()};
    for (const QSize page : {QSize(3000, 200), QSize(200, 3000)}) {
        QImage image(page, QImage::Format_RGB32);
        QPainter painter(&image);
        paintFigure(painter, image.rect(), figure);
        QRect green;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (image.pixelColor(x, y) == kGreen)
                    green |= QRect(x, y, 1, 1);
        EXPECT_NEAR(double(green.width()) / green.height(), 1.2, 0.1) << page.width();
    }
}

TEST_F(GraphMenu, SavesByTheSuffixOrAsPngAndPrintsOnOnePageFromTheGraphViewOnly)
{
    QStringList names{"figura", "figura.SVG", "figura.pdf", "falta/figura.png"}; // no folder falta
    form->dialogs().fileToSave = [&](const QString&) { return names.takeFirst(); };
    while (!names.isEmpty())
        pick("Guardar imagen…");
    EXPECT_GE(QImage("figura.png", "PNG").width(), minimumWidth());
    EXPECT_EQ(svgPathsIn("figura.SVG", kRed), 1); // the curve as one shape
    for (const QString& text : QStringList{"15", "f(t) = 5·exp(1·(t − 0))", "Error cuadrático: " + textOf("label9"),
                                           "Error normalizado: " + textOf("label10") + " %"})
        EXPECT_TRUE(QString::fromUtf8(bytesOf("figura.SVG")).contains(">" + text + "</text>")) << text.toStdString();
    EXPECT_EQ(pdfPages("figura.pdf"), 1);
    EXPECT_EQ(messageTexts(), "No se pudo guardar la imagen.");

    int printed = 0;
    form->dialogs().printerSetUp = [&](QPrinter& printer) {
        printer.setOutputFileName(QString("impresa%1.pdf").arg(++printed)); // a PDF, by the suffix
        return true;
    };
    pick("Imprimir…");
    EXPECT_EQ(pdfPages("impresa1.pdf"), 1);
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printed, 2);
    click("Command5");
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printed, 2);
}

} // namespace
