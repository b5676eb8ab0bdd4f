#include "exchange/ui/DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace tarn {

QDialogButtonBox* OkCancelHelpButtons(QDialog& dialog, THelpHandler showHelp, int helpTopic)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    auto* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("CancelButton");
    auto* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
    help->setObjectName("HelpButton");
    help->setAccessibleName("Help");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, &dialog, [showHelp = std::move(showHelp), helpTopic] {
        if (showHelp)
            showHelp(helpTopic);
    });
    return buttons;
}

}  // namespace tarn
