#include "exchange/ui/FileFilters.h"

#include <QFileDialog>

namespace tarn {

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void OfferFilters(QFileDialog& dialog, std::span<const TDialogFilter> filters)
{
    // Qt takes the last parenthesised part of a name filter as its pattern
    // and, with the details hidden, shows what comes before it. Captions
    // carry parentheses of their own ("(*.ntf)" on a filter of "*.dem"), so
    // the pattern is always added after them.
    QStringList names;
    for (const auto& filter : filters)
        names << Text(filter.caption) + " (" + Text(filter.pattern) + ")";
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(names);
}

int ChosenFilterIndex(const QFileDialog& dialog, std::span<const TDialogFilter> filters)
{
    // The dialog names its choice by the whole filter or, with the details
    // hidden, by the caption it shows, its runs of blanks made single.
    const QString chosen = dialog.selectedNameFilter();
    const QStringList offered = dialog.nameFilters();
    for (std::size_t i = 0; i < filters.size(); ++i) {
        const bool whole = i < static_cast<std::size_t>(offered.size()) && offered[static_cast<qsizetype>(i)] == chosen;
        if (whole || Text(filters[i].caption).simplified() == chosen.simplified())
            return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace tarn
