#include "editor/tools/FloodTool.h"

#include "controls/Messages.h"
#include "editor/BusyCursor.h"
#include "editor/DefNet.h"
#include "model/edits/Flood.h"

#include <QMessageBox>

namespace tarn {

namespace {

bool ConfirmFlood(QWidget* parent)
{
    QMessageBox question(QMessageBox::Question, "Flood fill", "Flood area with water",
                         QMessageBox::Ok | QMessageBox::Cancel, parent);
    question.setObjectName("FloodQuestion");
    question.setEscapeButton(QMessageBox::Cancel);
    return question.exec() == QMessageBox::Ok;
}

}  // namespace

void TFloodTool::MouseUp(TDefineNet& net, QPoint point, Qt::MouseButton)
{
    if (!ConfirmFlood(&net))
        return;
    // The square under the click, as the terrain tools find it.
    const auto square = net.SquareAt(point);
    int flooded = 0;
    try {
        BusyCursor busy;
        flooded = Flood(net, net.UndoList(), square.column, square.row);
    } catch (const EAbortFlood& failure) {
        ShowMessage(failure.what());
        return;
    }
    if (flooded > 0)
        net.EditDone();
}

}  // namespace tarn
