#pragma once

#include "viewer/ui/ScenePage.h"

#include <array>

class QCheckBox;
class QFileDialog;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace tarn {

class ISettingsStore;

// "Actors": whether actors are drawn at all, and for each terrain slot from
// 2 on (slots 0 and 1 take none) its actor file and placement. Every control
// writes its value into the selected slot's record at once.
class TActorsPage : public TScenePage {
    Q_OBJECT

public:
    TActorsPage(ISettingsStore& settings, QWidget* parent = nullptr);

    void Load(const TMapHeader& header) override;
    void Store(TMapHeader& header) const override;

private:
    QWidget* BuildSlotGroup();
    void ShowSlot(int slot);
    void GetPOVClick();
    TTerrainActor& Record() { return records_[static_cast<std::size_t>(slot_)]; }
    template <typename Control, typename Signal, typename Write>
    void Bind(Control* control, Signal signal, Write write);

    ISettingsStore& settings_;
    QCheckBox* drawAllActors_;
    QListWidget* terrainList_;
    QLineEdit* povFile_;
    QCheckBox* drawActor_;
    QSpinBox* actorHeight_;
    QSpinBox* orientation_;
    QCheckBox* centre_;
    QCheckBox* standardTerrain_;
    QSpinBox* density_;
    QCheckBox* randomOrientation_;
    QSpinBox* heightVariation_;
    QFileDialog* povDialog_;

    std::array<PascalString<16>, kTerrainSlots> files_{};
    std::array<TTerrainActor, kTerrainSlots> records_{};
    int slot_ = 2;
    bool showing_ = false;
};

}  // namespace tarn
