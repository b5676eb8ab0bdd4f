#pragma once

namespace tarn {

class TDefineNet;
class TSetHeightDlg;

// The dialogs and windows the editing tools work with; the main window owns them.
struct TToolDialogs {
    TSetHeightDlg& setHeight;
};

// Puts every editing tool of the canvas in place.
void InstallEditingTools(TDefineNet& net, const TToolDialogs& dialogs);

}  // namespace tarn
