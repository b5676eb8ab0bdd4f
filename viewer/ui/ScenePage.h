#pragma once

#include "model/MapHeader.h"
#include "model/ParameterFile.h"

#include <QWidget>

namespace tarn {

// One page of the scene-parameter dialog. It works on a plain copy of the
// view parameters: Load fills its controls from a header, Store writes them
// into one; neither ever sees the live map.
class TScenePage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void Load(const TMapHeader& header) = 0;
    virtual void Store(TMapHeader& header) const = 0;
    // The page's share of the parameter file; pages with none leave it.
    virtual void PutValues(TParameterValues&) const {}
    virtual void TakeValues(const TParameterValues&) {}

signals:
    // A control changed something the preview can show.
    void Changed();
};

}  // namespace tarn
