// The main window's fractal overlay command.
#include "editor/Tarn.h"

#include "controls/Messages.h"
#include "editor/CommandSupport.h"
#include "editor/EditorMessages.h"
#include "editor/FractalParameters.h"
#include "editor/StatusPanels.h"
#include "exchange/FractalOverlayFile.h"
#include "model/Errors.h"

#include <QGuiApplication>
#include <QScreen>

#include <chrono>

namespace tarn {

namespace {

// The display the picture is made for: its width sets the pixels per grid
// square, and an 8-bit display gets a picture of 256 colours.
struct TDisplay {
    int width = 1024;
    int bitsPerPixel = 24;
};

TDisplay PrimaryDisplay()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    return {screen->geometry().width(), screen->depth()};
}

// Each run roughens the picture afresh.
std::uint32_t ClockSeed()
{
    return static_cast<std::uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

void TTarnForm::GenerateFractalOverlay1Click()
{
    TMapHeader& header = DefineNet->MapHeader;
    FractalParametersForm->Prepare(header.GradientColours, header.LightAlt, header.LightAz);
    if (FractalParametersForm->exec() != QDialog::Accepted)
        return;
    const QString file = FractalParametersForm->InternalFile();
    if (file.isEmpty()) {
        ShowMessage(msg::NoInternalOverlayFile);
        return;
    }

    const auto altitude = static_cast<std::int16_t>(FractalParametersForm->LightAltitude());
    const auto azimuth = static_cast<std::int16_t>(FractalParametersForm->LightAzimuth());
    if (header.GradientColours != FractalParametersForm->Gradient() || header.LightAlt != altitude ||
        header.LightAz != azimuth) {
        header.GradientColours = FractalParametersForm->Gradient();
        header.LightAlt = altitude;
        header.LightAz = azimuth;
        DefineNet->MarkModified();
    }

    const TDisplay display = PrimaryDisplay();
    const fractal::TFractalParameters parameters{display.width, FractalParametersForm->Level(),
                                                 FractalParametersForm->Density(), ClockSeed()};
    const TOverlayColours colours =
        display.bitsPerPixel == 8 ? TOverlayColours::Reduced256 : TOverlayColours::TrueColour;
    BusyCursor busy;
    TStatusProgress progress(*StatusBar);
    try {
        WriteFractalOverlay(*DefineNet, parameters, std::filesystem::path(file.toStdString()), colours, progress);
    } catch (const ETarnError& error) {
        progress.hideProgress();
        ShowError(error);
    }
}

}  // namespace tarn
