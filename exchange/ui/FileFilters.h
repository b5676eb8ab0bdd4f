#pragma once

#include "exchange/FormatRegistry.h"

#include <QStringList>

class QFileDialog;

namespace tarn {

// A file dialog that offers the filters in order, each shown by its caption
// alone ("Vistapro DEM (*.dem)") and matching its pattern. Qt shows every
// run of blanks in a caption as one.
void OfferFilters(QFileDialog& dialog, std::span<const TDialogFilter> filters);

// The 1-based index of the filter the dialog has chosen from those it was
// offered; 0 for none.
int ChosenFilterIndex(const QFileDialog& dialog, std::span<const TDialogFilter> filters);

}  // namespace tarn
