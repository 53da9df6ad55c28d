#include "platform/Errors.h"

#include "platform/GeneralErrorBox.h"
#include "platform/doubles/ScriptedMessageBoxes.h"
#include "support/ErrorText.h"

#include <gtest/gtest.h>

namespace tintabel {
namespace {

TEST(FormatMessage, FillsPlaceholdersInOrder)
{
    EXPECT_EQ(
        formatMessage("Cannot load \"%s\". %s", {"a.xml", "Gone"}), "Cannot load \"a.xml\". Gone");
    EXPECT_EQ(formatMessage("%s%s%s: %d%s%s", {"bad", "\n", "Line", "4", "\n", "<x>"}),
        "bad\nLine: 4\n<x>");
    EXPECT_EQ(formatMessage("100%% of %s", {"it"}), "100% of it");
    // Missing values leave the placeholder as it stands rather than reading past the list.
    EXPECT_EQ(formatMessage("(%s) into (%s)", {"Null"}), "(Null) into (%s)");
}

TEST(GeneralErrorBox, ShowsTheErrorTextAndGoesOn)
{
    ScriptedMessageBoxes messages;
    bool after = false;
    showErrors(messages, [] { throw ConversionError(testing::notAnInteger("x")); });
    showErrors(messages, [&] { after = true; });
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, testing::notAnInteger("x"));
    EXPECT_TRUE(after);
}

} // namespace
} // namespace tintabel
