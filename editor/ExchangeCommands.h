#pragma once

#include <QObject>

#include <functional>

class QFileDialog;
class QWidget;

namespace tarn {

class ISettingsStore;
class TBMPImportForm;
class TDefineNet;
class TFormatDriver;
class TImportForm;
class TPGMImportForm;
class TRasterImportForm;
class TStatusPanels;
class TVRMLForm;
struct TExportParameters;
struct TImportParameters;

// What the commands use of the main window.
struct TExchangeHost {
    TDefineNet& map;
    TStatusPanels& status;
    ISettingsStore& settings;
    std::function<void(int topic)> showHelp;
    // True when the map may be replaced (saved or discarded, if changed).
    std::function<bool()> saveChangesFirst;
    // After an import changed the map, into a new map or the open one.
    std::function<void(bool newMap)> mapImported;
};

// The main window's Import and Export commands: the file dialogs whose
// chosen filter picks the format from the registry, the format's own dialog
// (kept for the whole run, so its values stay), and the reading or writing
// with progress on the status bar and failures and the readers' warnings
// in message boxes.
class TExchangeCommands : public QObject {
    Q_OBJECT

public:
    // The file dialogs and the formats' dialogs are the window's children.
    TExchangeCommands(QWidget& window, TExchangeHost host);

    void ImportClick();
    void ExportDataClick();

private:
    // The format's dialog filled in, or false after Cancel.
    bool AskImportOptions(const TFormatDriver& format, TImportParameters& parameters);
    bool AskExportOptions(const TFormatDriver& format, TExportParameters& parameters);
    void Import(const TFormatDriver& format, const QString& fileName, const TImportParameters& parameters);
    void Export(const TFormatDriver& format, const QString& fileName, const TExportParameters& parameters);

    TExchangeHost host_;
    QFileDialog* ImportDialog;
    QFileDialog* ExportDialog;
    TImportForm* ImportForm;
    TBMPImportForm* BMPImportForm;
    TPGMImportForm* PGMImportForm;
    TRasterImportForm* RasterImportForm;
    TVRMLForm* VRMLForm;
};

}  // namespace tarn
