#pragma once

#include <QObject>

namespace tarn {

// The application's hint display: while off, no tool tip is shown anywhere
// in the program. Installed on the application for the life of the object.
class THintSwitch : public QObject {
    Q_OBJECT

public:
    explicit THintSwitch(QObject* parent = nullptr);
    ~THintSwitch() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool enabled_ = true;
};

}  // namespace tarn
