#pragma once

#include "MainWindowFixture.h"

#include <QComboBox>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace tarn::test {

// The captions of a file dialog's filter list, as the user reads them.
inline QStringList FilterCaptions(QWidget& fileDialog)
{
    QStringList captions;
    const auto* types = fileDialog.findChild<QComboBox*>("fileTypeCombo");
    for (int i = 0; types && i < types->count(); ++i)
        captions << types->itemText(i);
    return captions;
}

// In the Import or Export file dialog (checked by its object name) chooses
// the filter from its list and the file by typing its path; `next` then
// acts on the dialog that follows, if any.
inline void AnswerExchangeDialog(const QString& dialog, const QString& filter, const QString& path,
                                 std::function<void(QWidget&)> next)
{
    OnNextModal([=](QWidget& modal) {
        ASSERT_EQ(modal.objectName(), dialog);
        ChooseItem(*modal.findChild<QComboBox*>("fileTypeCombo"), filter);
        if (next)
            OnNextModal(next);
        AnswerFileDialog(modal, path);
    });
}

}  // namespace tarn::test
