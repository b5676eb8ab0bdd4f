// section.h: TSectionForm, the "Cross Section" window that shows the height
// profile along the line drawn with the Cross Section tool.
#pragma once

#include "model/MapHeader.h"

#include <QMainWindow>
#include <QPrinter>
#include <QString>

class QAction;
class QFileDialog;

namespace tarn {

class TChart;

// A stay-on-top window with the profile graph, shown while the Cross Section
// tool is selected. The main window passes it the canvas's section
// notifications; it can save the graph as a BMP file, copy it as a picture
// or as text, and print it.
class TSectionForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TSectionForm(QWidget* parent = nullptr);

    // Follows one of the canvas's section notifications (tool on or off, a
    // profile point, the height axis at the start of a line, the distance
    // axis) for a map of the given units.
    void FollowNotification(int number, long long first, long long second, MapUnits units);

    TChart& SectionGraph() const { return *SectionGraph_; }

private:
    void BuildMenus();
    void SaveSectionClick();
    void SaveAsSectionClick();
    void PrintSectionClick();
    void PrintSetupClick();
    void CopyClick();
    void CopyDataClick();
    void BackgroundColourClick();
    void GridLineColourClick();
    void AxesColourClick();
    void SaveTo(const QString& fileName);

    TChart* SectionGraph_;
    QFileDialog* SaveSectionDialog;
    QPrinter printer_;
    QString fileName_;
};

}  // namespace tarn
