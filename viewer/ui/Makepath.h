#pragma once

#include "viewer/anim/FlightPath.h"
#include "viewer/anim/PathGenerator.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tarn {

class TFlatImage;
class TFlightGraph;
class THelpWindow;
class TNet;
class TPathBoxGeometry;
class TPathBoxView;

// "Make Path": the user draws a flight path or a panorama point over the
// map's top view, shapes the flight heights on the profile graph, generates
// the camera frames and saves them as an animation script, or loads the
// points and parameters of a saved script to go on with them.
//
// The left button adds a control point or drags the one under the mouse;
// Shift with the left button, or any other button, drags a view point.
class TCreatePath : public QDialog {
    Q_OBJECT

public:
    TCreatePath(const TNet& map, THelpWindow* help, QWidget* parent = nullptr);
    ~TCreatePath() override;

    const TFlightPath& Path() const { return path_; }

private:
    QWidget* BuildDrawingArea();
    QWidget* BuildSettings();
    QWidget* BuildButtons();
    void BuildGraph();

    void PathBoxMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TBoxPoint at);
    void PathBoxMouseMove(TBoxPoint to);
    void PathBoxMouseUp();
    // A profile marker was let go: the frames follow its new height.
    void FlightGraphMouseUp();
    void GenerateClick();
    void ResetPathClick();
    enum class TFileUse { Save, Open };
    // Asks for a script file in a dialog of its own, which opens in the
    // folder used last with no file chosen yet; empty when cancelled.
    QString AskScriptFile(TFileUse use);
    void SaveClick();
    void LoadClick();
    void SetPathType(TPathType type);

    // Flight height of a control point at a box position.
    int PointHeight(TBoxPoint at) const;
    // Takes the flight parameters from the fields into the path.
    void ReadParameters();
    void ShowParameters();
    void UpdateProfile();
    void UpdateButtons();

    const TNet& map_;
    std::unique_ptr<TPathBoxGeometry> geometry_;
    TFlightPath path_;
    TGeneratedPath generated_;
    int current_ = -1;
    bool dragActive_ = false;
    bool viewPointMode_ = false;

    TFlatImage* flatImage_;
    TPathBoxView* pathBox_;
    QRadioButton* flightRadio_;
    QRadioButton* panoramaRadio_;
    QSpinBox* height_;
    QSpinBox* minHeight_;
    QComboBox* speed_;
    QPushButton* generate_;
    QPushButton* save_;
    TFlightGraph* flightGraph_;
    // The folder of the script saved or loaded last.
    QString scriptFolder_;
};

}  // namespace tarn
