#include "editor/section.h"

#include "controls/Chart.h"
#include "controls/MenuItems.h"
#include "controls/Messages.h"
#include "editor/Notifications.h"
#include "editor/QtPicture.h"
#include "model/Errors.h"
#include "model/SectionProfile.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>

#include <cmath>
#include <filesystem>

namespace tarn {

namespace {

constexpr int kProfileSeries = 1;

// Heights of MicroMetric maps are kept in tenths of a metre.
double HeightDivisor(MapUnits units)
{
    return units == MapUnits::MicroMetric ? 10.0 : 1.0;
}

double RoundedHeight(long long stored, MapUnits units)
{
    return std::nearbyint(static_cast<double>(stored) / HeightDivisor(units));
}

}  // namespace

TSectionForm::TSectionForm(QWidget* parent) : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName("SectionForm");
    setWindowTitle("Cross Section");
    resize(520, 300);
    SectionGraph_ = new TChart(this);
    SectionGraph_->setObjectName("SectionGraph");
    SectionGraph_->setAccessibleName("Height profile");
    SectionGraph_->SetAxisTitles("Distance", "Height");
    SectionGraph_->SetBackgroundColour(QColor(192, 192, 192));
    SectionGraph_->SetHorizontalGridLines(true);
    SectionGraph_->SetVerticalGridLines(false);
    SectionGraph_->SetTicksVisible(false);
    setCentralWidget(SectionGraph_);

    SaveSectionDialog = new QFileDialog(this, "Save As", {}, "Bitmap (bmp) (*.bmp)");
    SaveSectionDialog->setObjectName("SaveSectionDialog");
    SaveSectionDialog->setAcceptMode(QFileDialog::AcceptSave);
    SaveSectionDialog->setDefaultSuffix("bmp");
    BuildMenus();
}

void TSectionForm::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("SectionMenu");
    const auto addItem = [this](QMenu* menu, const char* name, const char* caption, auto handler) {
        return AddMenuItem(menu, name, caption, this, [this, handler] { (this->*handler)(); });
    };
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("SectionFile");
    addItem(file, "SaveSection", "&Save", &TSectionForm::SaveSectionClick);
    addItem(file, "SaveAsSection", "Save &As...", &TSectionForm::SaveAsSectionClick);
    addItem(file, "PrintSection", "&Print...", &TSectionForm::PrintSectionClick);
    addItem(file, "PrintSetup", "P&rint Setup...", &TSectionForm::PrintSetupClick);
    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("SectionEdit");
    addItem(edit, "Copy", "&Copy Image", &TSectionForm::CopyClick)->setShortcut(QKeySequence("Ctrl+C"));
    addItem(edit, "CopyData", "Copy &Data", &TSectionForm::CopyDataClick)->setShortcut(QKeySequence("Ctrl+D"));
    QMenu* graph = bar->addMenu("&Graph");
    graph->setObjectName("SectionGraphMenu");
    const auto addToggle = [this, graph](const char* name, const char* caption, bool checked, auto setter) {
        QAction* action = graph->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setChecked(checked);
        connect(action, &QAction::toggled, this, [this, setter](bool on) { (SectionGraph_->*setter)(on); });
    };
    addToggle("HorizontalLines", "Horizontal Gridlines", true, &TChart::SetHorizontalGridLines);
    addToggle("VerticalLines", "Vertical Gridlines", false, &TChart::SetVerticalGridLines);
    addToggle("ShowTicks", "Show Ticks", false, &TChart::SetTicksVisible);
    graph->addSeparator();
    addItem(graph, "BackgroundColour", "Background Colour...", &TSectionForm::BackgroundColourClick);
    addItem(graph, "GridLineColour", "Gridline Colour...", &TSectionForm::GridLineColourClick);
    addItem(graph, "AxesColour", "Axes Colour...", &TSectionForm::AxesColourClick);
}

void TSectionForm::FollowNotification(int number, long long first, long long second, MapUnits units)
{
    switch (number) {
    case kSectionToolChanged:
        setVisible(first == 1);
        break;
    case kSectionHeightAxis:
        SectionGraph_->SetYRange(RoundedHeight(second, units), RoundedHeight(first, units));
        SectionGraph_->RemoveAllSeries();
        break;
    case kSectionDistanceAxis:
        SectionGraph_->SetXRange(0, static_cast<double>(first) / 10);
        break;
    case kSectionPoint:
        if (SectionGraph_->SeriesCount() < kProfileSeries)
            SectionGraph_->AddSeries(Qt::blue);
        SectionGraph_->AddPoint(kProfileSeries, static_cast<double>(second) / 10, RoundedHeight(first, units));
        break;
    default:
        break;
    }
}

void TSectionForm::SaveSectionClick()
{
    if (fileName_.isEmpty())
        SaveAsSectionClick();
    else
        SaveTo(fileName_);
}

void TSectionForm::SaveAsSectionClick()
{
    if (SaveSectionDialog->exec() != QDialog::Accepted || SaveSectionDialog->selectedFiles().isEmpty())
        return;
    fileName_ = SaveSectionDialog->selectedFiles().first();
    SaveTo(fileName_);
}

void TSectionForm::SaveTo(const QString& fileName)
{
    try {
        WriteBmpFile(std::filesystem::path(fileName.toStdU16String()), ToDibPicture(SectionGraph_->RenderImage()));
    } catch (const ETarnError& error) {
        ShowMessage(QString::fromStdString(error.what()));
    }
}

void TSectionForm::PrintSectionClick()
{
    QPrintDialog dialog(&printer_, this);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() == QDialog::Accepted)
        SectionGraph_->Print(printer_);
}

void TSectionForm::PrintSetupClick()
{
    QPageSetupDialog dialog(&printer_, this);
    dialog.setObjectName("PrintSetupDialog");
    dialog.exec();
}

void TSectionForm::CopyClick()
{
    QApplication::clipboard()->setImage(SectionGraph_->RenderImage());
}

void TSectionForm::CopyDataClick()
{
    std::vector<std::pair<double, double>> points;
    if (SectionGraph_->SeriesCount() >= kProfileSeries)
        for (const QPointF& point : SectionGraph_->Points(kProfileSeries))
            points.emplace_back(point.x(), point.y());
    QApplication::clipboard()->setText(QString::fromStdString(SectionDataText(points)));
}

void TSectionForm::BackgroundColourClick()
{
    const QColor colour = QColorDialog::getColor(SectionGraph_->BackgroundColour(), this, "Background Colour");
    if (colour.isValid())
        SectionGraph_->SetBackgroundColour(colour);
}

void TSectionForm::GridLineColourClick()
{
    const QColor colour = QColorDialog::getColor(SectionGraph_->GridColour(), this, "Gridline Colour");
    if (colour.isValid())
        SectionGraph_->SetGridColour(colour);
}

void TSectionForm::AxesColourClick()
{
    const QColor colour = QColorDialog::getColor(SectionGraph_->AxesColour(), this, "Axes Colour");
    if (colour.isValid())
        SectionGraph_->SetAxesColour(colour);
}

}  // namespace tarn
