// The codes the coordinator answers the converter and the packer with, from the user's choices. Only an
// explicit "Delete" deletes: an alert closed without a button keeps the output.

#include "app/coordinator/CoordinatorAnswers.h"

#include "app/coordinator/tests/CoordinatorTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace NSConversionCoordinator;
using NSCoordinatorTests::CRecordingHost;

TEST(AskDeleteOrKeep, DeletesOnlyOnAnExplicitDelete)
{
    const struct { std::uint32_t answer; std::uint32_t decision; } kCases[] = {
        {kButton1, kKeepOutput}, {kButton2, kDeleteOutput}, {kNoButton, kKeepOutput}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.answer);
        CRecordingHost host;
        host.alertAnswers = {c.answer};
        EXPECT_EQ(AskDeleteOrKeep(host), c.decision);
        EXPECT_EQ(host.alerts, (std::vector<NSCoordinatorTests::CShownAlert>{{kNotAllConvertedAlert, ""}}));
    }
}

TEST(StopRequestOnStop, AsksOnlyOnceSomethingWasWritten)
{
    const struct { std::uint64_t bytes; std::uint32_t answer; std::uint32_t request; std::size_t alerts; } kCases[] = {
        {0, kButton1, kStopDeleteOutput, 0}, {0, kButton2, kStopDeleteOutput, 0},
        {0, kNoButton, kStopDeleteOutput, 0}, {1, kButton1, kStopKeepOutput, 1},
        {1, kButton2, kStopDeleteOutput, 1}, {1, kNoButton, kStopKeepOutput, 1}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.bytes << " bytes, answer " << c.answer);
        CRecordingHost host;
        host.alertAnswers = {c.answer};
        EXPECT_EQ(StopRequestOnStop(c.bytes, host), c.request);
        EXPECT_EQ(host.alerts.size(), c.alerts);
    }
}

TEST(ErrorListenerAnswer, MapsTheDialogAndAsksBeforeAbortingWithOutput)
{
    const struct
    {
        std::uint32_t dialog;
        std::uint64_t bytes;
        std::uint32_t alertAnswer;
        std::uint32_t answer;
        std::size_t alerts;
    } kCases[] = {
        {kErrorDialogIgnore, 0, kButton2, 0, 0},     {kErrorDialogIgnore, 9, kButton2, 0, 0},
        {kErrorDialogIgnoreAll, 0, kButton2, 1, 0},  {kErrorDialogIgnoreAll, 9, kButton2, 1, 0},
        {kErrorDialogAbort, 0, kButton2, 2, 0},      {kErrorDialogAbort, 9, kButton1, 2, 1},
        {kErrorDialogAbort, 9, kButton2, 3, 1},      {kErrorDialogAbort, 9, kNoButton, 2, 1},
        {0, 9, kButton2, 0, 0},                      {516, 9, kButton2, 0, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << "dialog " << c.dialog << ", " << c.bytes << " bytes, alert " << c.alertAnswer);
        CRecordingHost host;
        host.alertAnswers = {c.alertAnswer};
        EXPECT_EQ(ErrorListenerAnswer(c.dialog, c.bytes, host), c.answer);
        EXPECT_EQ(host.alerts.size(), c.alerts);
    }
}

TEST(StopRequest, ReachesTheConverterAndThePacker)
{
    const struct { std::uint32_t request; std::uint32_t progress; std::uint32_t packer; } kCases[] = {
        {kNoStopRequest, 21, 1234}, {kStopKeepOutput, 19, 1235}, {kStopDeleteOutput, 20, 1235}, {0, 21, 1234}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.request);
        EXPECT_EQ(ProgressAnswer(c.request), c.progress);
        EXPECT_EQ(PackerAnswer(c.request), c.packer);
    }
}

TEST(ResultAlerts, DeleteOnlyOnTheirDeleteButton)
{
    // "Kaplet packing aborted!" is [Keep][Delete]; the aborted conversion's question is [Delete][Keep].
    const struct { std::uint32_t answer; bool deletesTemporary; bool deletesAfterAbort; } kCases[] = {
        {kButton1, true, false}, {kButton2, false, true}, {kNoButton, false, false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(DeletesTemporaryFolder(c.answer), c.deletesTemporary);
        EXPECT_EQ(DeletesAfterAbort(c.answer), c.deletesAfterAbort);
    }
}

} // namespace
