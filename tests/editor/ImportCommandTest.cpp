// Tools, Import as a user works it: the file dialog's filter picks the
// format, the format's dialog asks for its values and the map shows what
// was read.
#include "ExchangeDialogs.h"
#include "MainWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

namespace tarn::test {
namespace {

QString Fixture(const char* file) { return QString(TARN_TEST_DATA) + "/" + file; }

class ImportCommandTest : public MainWindowFixture {
protected:
    int HeightAt(int column, int rowFromSouth)
    {
        return Net().GetPoint(column + Columns() * (Net().MapHeader.Rows - rowFromSouth))->Height;
    }
    void Import(const QString& filter, const QString& file, std::function<void(QWidget&)> dialog = {})
    {
        AnswerExchangeDialog("ImportDialog", filter, file, std::move(dialog));
        Choose("Tools1", "Import");
    }
};

TEST_F(ImportCommandTest, TheFileDialogOffersTheFormatsInTheirOrder)
{
    QStringList offered;
    OnNextModal([&offered](QWidget& modal) {
        EXPECT_EQ(modal.windowTitle(), "Import");
        offered = FilterCaptions(modal);
        ClickButton(modal, "Cancel");
    });
    Choose("Tools1", "Import");
    EXPECT_EQ(offered, (QStringList{"Ascii text (*.txt)", "Graphics file (bmp)", "UK OS NTF Panorama (*.ntf)",
                                    "USGS DEM (*.dem)", "Pixel Greymap (*.pgm)", "Vistapro DEM (*.dem)",
                                    "Glenmarrowscape x,y,z,attr (*.xyz)", "GeoTIFF or SRTM tile (*.tif *.hgt)",
                                    "Any raster GDAL reads (*)"}));
    EXPECT_EQ(Columns(), 51);
}

TEST_F(ImportCommandTest, UsgsDemLoadsIntoTheOpenMapWithTheDefaultHeightTyped)
{
    Import("USGS DEM (*.dem)", Fixture("usgs-dem/quad-3-profiles.dem"), [](QWidget& form) {
        EXPECT_EQ(form.windowTitle(), "Digital Data Import");
        auto& autoSize = *form.findChild<QRadioButton*>("AutoSizeRadio");
        EXPECT_FALSE(autoSize.isEnabled());
        EXPECT_FALSE(autoSize.isChecked());
        EXPECT_TRUE(form.findChild<QRadioButton*>("LoadRadio")->isChecked());
        EXPECT_EQ(form.findChild<QSpinBox*>("SampleSpin")->value(), 1);
        auto& defaultHeight = *form.findChild<QSpinBox*>("DefaultSpin");
        EXPECT_FALSE(defaultHeight.isEnabled()) << "null is the default while its box is checked";
        QTest::mouseClick(form.findChild<QCheckBox*>("NullCheck"), Qt::LeftButton);
        ASSERT_TRUE(defaultHeight.isEnabled());
        TypeInto(defaultHeight, "5");
        ClickButton(form, "OK");
    });
    EXPECT_EQ(Columns(), 51);
    EXPECT_EQ(HeightAt(1, 1), 12) << "41 feet into a Metric map";
    EXPECT_EQ(HeightAt(51, 51), 5);
    EXPECT_TRUE(Net().Modified());
    EXPECT_TRUE(messages.empty());
}

TEST_F(ImportCommandTest, NtfMakesAMapSizedToTheDataAndTheValuesStayForTheNextImport)
{
    Import("UK OS NTF Panorama (*.ntf)", Fixture("ntf/tile-21x20.ntf"), [](QWidget& form) {
        auto& sample = *form.findChild<QSpinBox*>("SampleSpin");
        EXPECT_EQ(sample.value(), 4);
        EXPECT_TRUE(form.findChild<QRadioButton*>("AutoSizeRadio")->isChecked());
        for (const char* name : {"XOriginSpin", "YOriginSpin", "DefaultSpin"})
            EXPECT_FALSE(form.findChild<QSpinBox*>(name)->isEnabled()) << name;
        EXPECT_FALSE(form.findChild<QCheckBox*>("OverwriteCheck")->isEnabled());
        TypeInto(sample, "1");
        TypeInto(*form.findChild<QSpinBox*>("XOffsetSpin"), "1");
        QTest::keyClick(form.focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(messages, std::vector<QString>{});
    // The tile's 21 columns and 20 rows.
    EXPECT_EQ(Columns(), 21);
    EXPECT_EQ(Net().MapHeader.Rows, 20);
    EXPECT_EQ(Net().MapHeader.Spacing, 50);
    EXPECT_EQ(window.CurrentFileName(), "");
    EXPECT_TRUE(Net().Modified());

    // The same dialog again, for an x,y,z list: the offset typed stays,
    // loading into the map enables what loading needs.
    Import("Glenmarrowscape x,y,z,attr (*.xyz)", Fixture("xyz/heights-21x20.xyz"), [](QWidget& form) {
        EXPECT_EQ(form.findChild<QSpinBox*>("XOffsetSpin")->value(), 1);
        EXPECT_EQ(form.findChild<QSpinBox*>("SampleSpin")->value(), 1);
        QTest::mouseClick(form.findChild<QRadioButton*>("LoadRadio"), Qt::LeftButton);
        EXPECT_TRUE(form.findChild<QSpinBox*>("XOriginSpin")->isEnabled());
        EXPECT_FALSE(form.findChild<QSpinBox*>("DefaultSpin")->isEnabled());
        TypeInto(*form.findChild<QSpinBox*>("XOffsetSpin"), "0");
        TypeInto(*form.findChild<QSpinBox*>("XOriginSpin"), "5");
        ClickButton(form, "OK");
    });
    EXPECT_EQ(Columns(), 21);
    EXPECT_EQ(HeightAt(5, 1), kNullHeight) << "cleared to null";
    EXPECT_NE(HeightAt(6, 1), kNullHeight) << "the list's first column lands beside the origin";
}

TEST_F(ImportCommandTest, BmpMakesAMapOfThePicturesSizeWithTheHeightAndSpacingTyped)
{
    Import("Graphics file (bmp)", Fixture("bmp/heights-21x20.bmp"), [](QWidget& form) {
        EXPECT_EQ(form.windowTitle(), "BMP Import Parameters");
        EXPECT_TRUE(form.findChild<QRadioButton*>("RGBRadio")->isChecked());
        QTest::mouseClick(form.findChild<QRadioButton*>("BGRRadio"), Qt::LeftButton);
        TypeInto(*form.findChild<QSpinBox*>("MaxHeightEdit"), "2000");
        TypeInto(*form.findChild<QSpinBox*>("GridSpacingEdit"), "20");
        ClickButton(form, "OK");
    });
    EXPECT_EQ(Columns(), 21);
    EXPECT_EQ(Net().MapHeader.Rows, 20);
    EXPECT_EQ(Net().MapHeader.Spacing, 20);
    EXPECT_EQ(Net().MapHeader.MaxHeight, 2000);
}

TEST_F(ImportCommandTest, PgmTakesTheMapTypeChosenOrMetricWhenNoneIs)
{
    Import("Pixel Greymap (*.pgm)", Fixture("pgm/heights-21x20.pgm"), [](QWidget& form) {
        EXPECT_EQ(form.windowTitle(), "Pixel Greymap Import");
        auto& units = *form.findChild<QComboBox*>("MapUnitsCombo");
        EXPECT_EQ(units.currentIndex(), -1);
        EXPECT_EQ(units.placeholderText(), "Metric");
        EXPECT_EQ(form.findChild<QLineEdit*>("SpacingMaskEdit")->text(), "30");
        ClickButton(form, "OK");
    });
    EXPECT_EQ(Net().MapHeader.MapUnits, static_cast<int>(MapUnits::Metric));
    EXPECT_EQ(Net().MapHeader.Spacing, 30);

    Import("Pixel Greymap (*.pgm)", Fixture("pgm/heights-21x20.pgm"), [](QWidget& form) {
        ChooseItem(*form.findChild<QComboBox*>("MapUnitsCombo"), "Imperial");
        EXPECT_EQ(form.findChild<QLabel*>("SpacingLabel")->text(), "GridPointSpacing (Feet)");
        EXPECT_EQ(form.findChild<QLineEdit*>("SpacingMaskEdit")->text(), "600");
        // The greymap makes a new map, so the one read before, still
        // unsaved, is offered for saving first.
        AnswerSaveQuestion(QMessageBox::Discard, "Untitled");
        ClickButton(form, "OK");
    });
    EXPECT_EQ(Net().MapHeader.MapUnits, static_cast<int>(MapUnits::Imperial));
    EXPECT_EQ(Net().MapHeader.Spacing, 600);
}

TEST_F(ImportCommandTest, VistaproAndAsciiNeedNoDialog)
{
    Import("Vistapro DEM (*.dem)", Fixture("vistapro/one-hill.dem"));
    EXPECT_EQ(Columns(), 258);
    EXPECT_EQ(Net().MapHeader.Spacing, 30);
    Import("Ascii text (*.txt)", Fixture("ascii/heights-21x20.txt"));
    EXPECT_EQ(Columns(), 258);
    EXPECT_NE(Net().Points()[419].Height, kNullHeight);
    EXPECT_EQ(Net().Points()[420].Height, kNullHeight) << "the file holds 420 numbers";
}

TEST_F(ImportCommandTest, CancelInTheFormatsDialogOrAFileOfAnotherFormatKeepsTheMap)
{
    Net().GetPoint(7)->Height = 333;
    Import("UK OS NTF Panorama (*.ntf)", Fixture("ntf/tile-21x20.ntf"),
           [](QWidget& form) { ClickButton(form, "Cancel"); });
    EXPECT_EQ(Columns(), 51);
    EXPECT_EQ(Net().GetPoint(7)->Height, 333);

    Import("Vistapro DEM (*.dem)", Fixture("usgs-dem/quad-3-profiles.dem"));
    EXPECT_EQ(Columns(), 51);
    EXPECT_EQ(Net().GetPoint(7)->Height, 333);
    EXPECT_EQ(messages, std::vector<QString>{"E0112 Import file is not of the chosen format"});
    EXPECT_FALSE(Net().Modified());
}

}  // namespace
}  // namespace tarn::test
