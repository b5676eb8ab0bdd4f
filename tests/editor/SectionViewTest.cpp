#include "MainWindowFixture.h"

#include "controls/Chart.h"
#include "controls/FlEdit.h"
#include "editor/section.h"
#include "editor/tools/SectionTool.h"
#include "exchange/BmpCodec.h"
#include "model/LemFileIO.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <QClipboard>
#include <QComboBox>
#include <QValueAxis>
#include <QGuiApplication>

#include <cmath>
#include <zlib.h>

namespace tarn::test {
namespace {

// The drawing operators of a PDF file: its compressed streams, inflated.
std::string PdfDrawing(const std::string& pdf)
{
    std::string drawing;
    for (std::size_t at = pdf.find("stream\n"); at != std::string::npos; at = pdf.find("stream\n", at)) {
        at += 7;
        const std::size_t end = pdf.find("endstream", at);
        if (end == std::string::npos)
            break;
        std::vector<Bytef> inflated(1 << 22);
        uLongf size = static_cast<uLongf>(inflated.size());
        if (uncompress(inflated.data(), &size, reinterpret_cast<const Bytef*>(pdf.data() + at), end - at) == Z_OK)
            drawing.append(inflated.begin(), inflated.begin() + static_cast<std::ptrdiff_t>(size));
        at = end;
    }
    return drawing;
}

// The Cross Section tool on a 40 x 40 map whose heights rise by one unit a
// column from 100, spacing 10, drawn with the mouse on the canvas.
class SectionViewTest : public MainWindowFixture {
protected:
    SectionViewTest()
    {
        OpenMap(MapUnits::Metric, 100);
        Click("SectionButton");
    }

    void OpenMap(MapUnits units, int baseHeight, bool rising = true)
    {
        TNet net;
        CreateMap(net, {units, 40, 40, 10}, DefaultTerrainPalette());
        for (int node = 1; node <= net.PointCount(); ++node)
            net.GetPoint(node)->Height = static_cast<std::int16_t>(baseHeight + (rising ? (node - 1) % 40 : 0));
        const QString path = folder.filePath(units == MapUnits::MicroMetric ? "micro.lem" : "rising.lem");
        SaveLemFile(path.toStdString(), net);
        OnNextModal([path](QWidget& modal) { AnswerFileDialog(modal, path); });
        Choose("File1", "OpenMap");
        ASSERT_EQ(Columns(), 40);
    }

    TSectionForm& Form() { return Find<TSectionForm>("SectionForm"); }
    TChart& Graph() { return Form().SectionGraph(); }
    TSectionTool& Tool() { return dynamic_cast<TSectionTool&>(Net().Tool(kSectionTool)); }
    QList<QPointF> Profile() { return Graph().SeriesCount() == 0 ? QList<QPointF>{} : Graph().Points(1); }
    double PerPixel() { return Net().MapHeader.Spacing / Net().Scale; }
    // The number of samples along a segment of this many measured pixels.
    int Samples(double length) { return static_cast<int>(std::floor(length / Net().Scale)) + 1; }

    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(&Net(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&Net(), to);
        QTest::mouseRelease(&Net(), Qt::LeftButton, {}, to);
    }
    void ClickAt(QPoint at) { QTest::mouseClick(&Net(), Qt::LeftButton, {}, at); }
    void DoubleClickAt(QPoint at)
    {
        ClickAt(at);
        QTest::mouseDClick(&Net(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(&Net(), Qt::LeftButton, {}, at);
    }
    void ChooseInSection(const char* menu, const char* item) { ChooseMenuItem(Form(), menu, item); }
};

TEST_F(SectionViewTest, TheWindowShowsOnlyWhileTheToolIsSelected)
{
    EXPECT_TRUE(Form().isVisible());
    EXPECT_EQ(Form().windowTitle(), "Cross Section");
    EXPECT_TRUE(Form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(Graph().XAxis()->titleText(), "Distance");
    EXPECT_EQ(Graph().YAxis()->titleText(), "Height");
    Click("SpotButton");
    EXPECT_FALSE(Form().isVisible());
    Click("SectionButton");
    EXPECT_TRUE(Form().isVisible());
}

TEST_F(SectionViewTest, OneClickMakesTwoEqualVerticesAndNoProfile)
{
    ClickAt({50, 60});
    ASSERT_EQ(Tool().SectionPoints().size(), 2u);
    EXPECT_EQ(Tool().SectionPoints()[0], Tool().SectionPoints()[1]);
    EXPECT_TRUE(Profile().isEmpty());
    // The height axis spans the height bands, with 10 % more above.
    EXPECT_DOUBLE_EQ(Graph().YMax(), std::nearbyint(Net().BandMax * 1.1));
    EXPECT_DOUBLE_EQ(Graph().YMin(), Net().BandMin);
}

TEST_F(SectionViewTest, ASecondSegmentContinuesTheDistanceAndWidensTheAxis)
{
    const QPoint start(20, 40);
    const QPoint corner = start + QPoint(100, 0);
    Drag(start, corner);
    ClickAt(corner + QPoint(0, 50));
    const QList<QPointF> profile = Profile();
    const int first = Samples(100);
    ASSERT_EQ(profile.size(), first + Samples(50));
    const double u = PerPixel();
    EXPECT_DOUBLE_EQ(profile[0].x(), 0);
    EXPECT_DOUBLE_EQ(profile[1].x(), std::nearbyint(Net().Scale * u * 10) / 10);
    EXPECT_DOUBLE_EQ(profile[first].x(), std::nearbyint(100 * u * 10) / 10);
    EXPECT_DOUBLE_EQ(profile.back().x(), std::nearbyint((100 + (Samples(50) - 1) * Net().Scale) * u * 10) / 10);
    EXPECT_DOUBLE_EQ(Graph().XMax(), std::nearbyint(1.05 * 150 * u * 10) / 10);
    // Heights rise along the row and stay at the corner's column after it.
    EXPECT_LT(profile[0].y(), profile[first - 1].y());
    EXPECT_DOUBLE_EQ(profile[first].y(), profile.back().y());
}

TEST_F(SectionViewTest, AnXYRatioOfTwoDoublesTheHorizontalDistance)
{
    ShowTab("TabSheet4");
    TypeInto(Find<TFloatEdit>("XYRatioFloatEdit"), "2");
    QTest::keyClick(&Find<TFloatEdit>("XYRatioFloatEdit"), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(Net().SectionRatio, 2.0);
    Drag({20, 40}, {70, 40});
    const QList<QPointF> profile = Profile();
    ASSERT_EQ(profile.size(), Samples(100));
    EXPECT_DOUBLE_EQ(Graph().XMax(), std::nearbyint(1.05 * 100 * PerPixel() * 10) / 10);
    EXPECT_NEAR(profile.back().x(), (Samples(100) - 1) * Net().Scale * PerPixel(), 0.05);
}

TEST_F(SectionViewTest, MicroMetricHeightsArePlottedInMetres)
{
    OpenMap(MapUnits::MicroMetric, 1234, false);
    Click("SectionButton");
    Drag({20, 40}, {90, 60});
    const QList<QPointF> profile = Profile();
    ASSERT_FALSE(profile.isEmpty());
    for (const QPointF& point : profile)
        EXPECT_EQ(point.y(), 123);
    EXPECT_DOUBLE_EQ(Graph().YMax(), std::nearbyint(std::nearbyint(Net().BandMax * 1.1) / 10));
}

TEST_F(SectionViewTest, TheDoubleClickThatEndsTheLineStartsNoNewOne)
{
    Drag({20, 40}, {60, 40});
    DoubleClickAt({60, 80});
    const auto vertices = Tool().SectionPoints();
    const auto points = Profile().size();
    EXPECT_EQ(vertices.size(), 3u);
    EXPECT_TRUE(Tool().SectionFinished());
    // The next press starts a new line and a new profile.
    Drag({100, 100}, {110, 100});
    EXPECT_EQ(Tool().SectionPoints().size(), 2u);
    EXPECT_LT(Profile().size(), points);
    // Another tool erases the line.
    Click("SpotButton");
    EXPECT_TRUE(Tool().SectionPoints().empty());
}

TEST_F(SectionViewTest, CopyDataListsEveryDistanceOnceWithCrLf)
{
    Drag({20, 40}, {120, 40});
    ChooseInSection("SectionEdit", "CopyData");
    const QString text = QGuiApplication::clipboard()->text();
    const QStringList lines = text.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), Profile().size());
    EXPECT_EQ(lines.front(), QString("0, %1, ").arg(Profile().front().y()));
    QStringList distances;
    for (const QString& line : lines)
        distances.append(line.section(", ", 0, 0));
    distances.removeDuplicates();
    EXPECT_EQ(distances.size(), lines.size());
    EXPECT_TRUE(text.endsWith(", \r\n"));
}

TEST_F(SectionViewTest, SaveAsWritesTheGraphAsDisplayedAndSaveReusesTheName)
{
    Drag({20, 40}, {150, 120});
    const QString path = folder.filePath("profile.bmp");
    OnNextModal([path](QWidget& modal) { AnswerFileDialog(modal, path); });
    ChooseInSection("SectionFile", "SaveAsSection");
    const TDibPicture saved = ReadBmpFile(path.toStdString());
    EXPECT_EQ(QSize(saved.width, saved.height), Graph().size());
    int blue = 0;
    int silver = 0;
    for (int y = 0; y < saved.height; ++y)
        for (int x = 0; x < saved.width; ++x) {
            const auto pixel = saved.PixelAt(x, y);
            blue += pixel.blue > 200 && pixel.red < 60 && pixel.green < 60;
            silver += pixel == TDibPicture::Rgb{192, 192, 192};
        }
    EXPECT_GT(blue, 50) << "the profile line";
    EXPECT_GT(silver, saved.width * saved.height / 4) << "the background";

    QFile::remove(path);
    ChooseInSection("SectionFile", "SaveSection");
    EXPECT_TRUE(QFile::exists(path)) << "Save asks nothing the second time";
}

TEST_F(SectionViewTest, GraphMenuTogglesGridLinesAndTicks)
{
    EXPECT_TRUE(Graph().HorizontalGridLines());
    EXPECT_FALSE(Graph().VerticalGridLines());
    ChooseInSection("SectionGraphMenu", "HorizontalLines");
    ChooseInSection("SectionGraphMenu", "VerticalLines");
    ChooseInSection("SectionGraphMenu", "ShowTicks");
    EXPECT_FALSE(Graph().HorizontalGridLines());
    EXPECT_TRUE(Graph().VerticalGridLines());
    EXPECT_TRUE(Graph().TicksVisible());
    EXPECT_FALSE(Find<QAction>("HorizontalLines").isChecked());
}

// Types a colour into a colour dialog's HTML field and presses OK.
void AnswerColourDialog(QWidget& dialog, const QString& html)
{
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        if (field->isVisible() && field->text().startsWith('#')) {
            TypeInto(*field, html);
            ClickButton(dialog, "OK");
            return;
        }
    }
    ADD_FAILURE() << "no HTML field";
}

TEST_F(SectionViewTest, GraphColoursComeFromTheColourDialog)
{
    OnNextModal([](QWidget& dialog) { AnswerColourDialog(dialog, "#ff8000"); });
    ChooseInSection("SectionGraphMenu", "BackgroundColour");
    EXPECT_EQ(Graph().BackgroundColour(), QColor(255, 128, 0));
    OnNextModal([](QWidget& dialog) { AnswerColourDialog(dialog, "#008000"); });
    ChooseInSection("SectionGraphMenu", "GridLineColour");
    EXPECT_EQ(Graph().GridColour(), QColor(0, 128, 0));
    OnNextModal([](QWidget& dialog) { AnswerColourDialog(dialog, "#0000ff"); });
    ChooseInSection("SectionGraphMenu", "AxesColour");
    EXPECT_EQ(Graph().AxesColour(), QColor(0, 0, 255));
    EXPECT_EQ(Graph().XAxis()->titleBrush().color(), QColor(0, 0, 255));
    // Cancel keeps the colour.
    OnNextModal([](QWidget& dialog) { ClickButton(dialog, "Cancel"); });
    ChooseInSection("SectionGraphMenu", "BackgroundColour");
    EXPECT_EQ(Graph().BackgroundColour(), QColor(255, 128, 0));
}

TEST_F(SectionViewTest, PrintSetupOpensThePageSetupDialog)
{
    QString opened;
    OnNextModal([&opened](QWidget& dialog) {
        opened = dialog.objectName();
        ClickButton(dialog, "Cancel");
    });
    ChooseInSection("SectionFile", "PrintSetup");
    EXPECT_EQ(opened, "PrintSetupDialog");
}

TEST_F(SectionViewTest, PrintWritesTheGraphThroughThePrintDialog)
{
    Drag({20, 40}, {150, 120});
    const QString path = folder.filePath("profile.pdf");
    OnNextModal([path](QWidget& modal) {
        auto* printers = modal.findChild<QComboBox*>("printers");
        ASSERT_NE(printers, nullptr);
        ChooseItem(*printers, printers->itemText(printers->count() - 1));
        auto* name = modal.findChild<QLineEdit*>("filename");
        ASSERT_NE(name, nullptr);
        TypeInto(*name, path);
        ClickButton(modal, "Print");
    });
    ChooseInSection("SectionFile", "PrintSection");
    const std::string pdf = FileBytes(path);
    ASSERT_EQ(pdf.substr(0, 4), "%PDF");
    const std::string drawing = PdfDrawing(pdf);
    EXPECT_NE(drawing.find("0 0 1 SCN"), std::string::npos) << "the blue profile line";
    EXPECT_NE(drawing.find("0.752941191 0.752941191 0.752941191 scn"), std::string::npos) << "the silver background";
}

}  // namespace
}  // namespace tarn::test
