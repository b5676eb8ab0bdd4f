#include "editor/ExchangeCommands.h"

#include "controls/Messages.h"
#include "editor/CommandSupport.h"
#include "editor/StatusPanels.h"
#include "editor/DefNet.h"
#include "exchange/FormatFiles.h"
#include "exchange/FormatRegistry.h"
#include "exchange/ui/BmpImport.h"
#include "exchange/ui/FileFilters.h"
#include "exchange/ui/ImportDlg.h"
#include "exchange/ui/PgmImport.h"
#include "exchange/ui/RasterImport.h"
#include "exchange/ui/VrmlDlg.h"
#include "model/Errors.h"
#include "model/Net.h"
#include "model/TerrainSlots.h"

#include <QFileDialog>
#include <QStringList>

#include <string>
#include <vector>

namespace tarn {

namespace {

// Whether reading with these parameters replaces the map rather than
// loading into it.
bool MakesNewMap(const TFormatDescription& format, const TImportParameters& parameters)
{
    return format.target == ImportTarget::NewMap ||
           (format.target == ImportTarget::Either && parameters.digital.autoSize);
}

// What a reader noticed but read past (a unit taken as metres, heights
// clamped), one line each in one box.
void ShowWarnings(const std::vector<std::string>& warnings)
{
    if (warnings.empty())
        return;
    QStringList lines;
    for (const auto& warning : warnings)
        lines << QString::fromStdString(warning);
    ShowMessage(lines.join('\n'), {}, MessageKind::Warning);
}

}  // namespace

TExchangeCommands::TExchangeCommands(QWidget& window, TExchangeHost host) : QObject(&window), host_(std::move(host))
{
    setObjectName("ExchangeCommands");
    const auto& showHelp = host_.showHelp;
    ImportDialog = new QFileDialog(&window, "Import");
    ImportDialog->setObjectName("ImportDialog");
    ImportDialog->setFileMode(QFileDialog::ExistingFile);
    OfferFilters(*ImportDialog, ImportFilters());
    ExportDialog = new QFileDialog(&window, QString::fromUtf8(kExportDialogTitle.data(), static_cast<qsizetype>(kExportDialogTitle.size())));
    ExportDialog->setObjectName("ExportDialog");
    ExportDialog->setAcceptMode(QFileDialog::AcceptSave);
    OfferFilters(*ExportDialog, ExportFilters());
    ImportForm = new TImportForm(&window, showHelp);
    BMPImportForm = new TBMPImportForm(&window, showHelp);
    PGMImportForm = new TPGMImportForm(&window, showHelp);
    RasterImportForm = new TRasterImportForm(&window, showHelp);
    VRMLForm = new TVRMLForm(host_.settings, &window, showHelp);
}

void TExchangeCommands::ImportClick()
{
    const auto fileName = ChosenFile(ImportDialog);
    if (!fileName)
        return;
    const TFormatDriver* format = ImportFormatAt(ChosenFilterIndex(*ImportDialog, ImportFilters()));
    if (!format)
        return;
    TImportParameters parameters;
    parameters.palette = ReadTerrainDefaults(host_.settings);
    if (!AskImportOptions(*format, parameters))
        return;
    if (MakesNewMap(format->Description(), parameters) && !host_.saveChangesFirst())
        return;
    Import(*format, *fileName, parameters);
}

bool TExchangeCommands::AskImportOptions(const TFormatDriver& format, TImportParameters& parameters)
{
    switch (format.Description().readOptions) {
    case TOptionSet::Digital:
        ImportForm->Prepare(format.Description());
        if (ImportForm->exec() != QDialog::Accepted)
            return false;
        parameters.digital = ImportForm->Options();
        return true;
    case TOptionSet::Picture:
        if (BMPImportForm->exec() != QDialog::Accepted)
            return false;
        parameters.picture = BMPImportForm->Options();
        return true;
    case TOptionSet::Greymap:
        if (PGMImportForm->exec() != QDialog::Accepted)
            return false;
        parameters.greymap = PGMImportForm->Options();
        return true;
    case TOptionSet::Raster:
        if (RasterImportForm->exec() != QDialog::Accepted)
            return false;
        parameters.raster = RasterImportForm->Options();
        return true;
    default:
        return true;
    }
}

void TExchangeCommands::Import(const TFormatDriver& format, const QString& fileName,
                               const TImportParameters& parameters)
{
    TNet& map = host_.map;
    // A reader that refuses a file before storing anything leaves the map
    // and its document as they were.
    const auto pointsBefore = map.Points();
    const auto squaresBefore = map.Squares();
    const TMapHeader headerBefore = map.MapHeader;
    TStatusProgress progress(host_.status);
    std::vector<std::string> warnings;
    {
        BusyCursor busy;
        try {
            ImportFile(format, ToPath(fileName), map, parameters, progress, warnings);
        } catch (const ETarnError& error) {
            if (!format.Description().quietFailures)
                ShowError(error);
        }
    }
    progress.setCaptions({}, {});
    ShowWarnings(warnings);
    if (map.Points() != pointsBefore || map.Squares() != squaresBefore || !(map.MapHeader == headerBefore))
        host_.mapImported(MakesNewMap(format.Description(), parameters));
}

void TExchangeCommands::ExportDataClick()
{
    const auto fileName = ChosenFile(ExportDialog);
    if (!fileName)
        return;
    const TFormatDriver* format = ExportFormatAt(ChosenFilterIndex(*ExportDialog, ExportFilters()));
    if (!format)
        return;
    TExportParameters parameters;
    if (!AskExportOptions(*format, parameters))
        return;
    const std::string_view warning = format->ExportWarning(host_.map);
    if (!warning.empty())
        ShowMessage(QString::fromUtf8(warning.data(), static_cast<qsizetype>(warning.size())), {},
                    MessageKind::Warning);
    Export(*format, *fileName, parameters);
}

bool TExchangeCommands::AskExportOptions(const TFormatDriver& format, TExportParameters& parameters)
{
    const TOptionSet options = format.Description().writeOptions;
    if (options != TOptionSet::Polygon && options != TOptionSet::TexturedPolygon)
        return true;
    VRMLForm->Prepare(host_.map.MapHeader, options == TOptionSet::TexturedPolygon);
    if (VRMLForm->exec() != QDialog::Accepted)
        return false;
    parameters.polygon = VRMLForm->Options();
    return true;
}

void TExchangeCommands::Export(const TFormatDriver& format, const QString& fileName,
                               const TExportParameters& parameters)
{
    TStatusProgress progress(host_.status);
    {
        BusyCursor busy;
        try {
            ExportFile(format, host_.map, ToPath(fileName), parameters, progress);
        } catch (const ETarnError& error) {
            ShowError(error);
        }
    }
    progress.setCaptions({}, {});
}

}  // namespace tarn
