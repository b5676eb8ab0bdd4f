#include "tests/common/QtPrinters.h"
#include "controls/Messages.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(MessageSinkTest, InnermostSinkReceivesAndOuterReturnsAfterIt)
{
    QStringList outer;
    QStringList inner;
    ScopedMessageSink outerSink([&](const QString& text, const QString&) { outer << text; });
    {
        ScopedMessageSink innerSink([&](const QString& text, const QString& caption) { inner << text + "|" + caption; });
        ShowMessage("first", "Title");
    }
    ShowMessage("second");
    EXPECT_EQ(inner, QStringList{"first|Title"});
    EXPECT_EQ(outer, QStringList{"second"});
}

}  // namespace
}  // namespace tarn
