#include "framework/gui/application/OpenRequests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

class CRecordingHandler : public IOpenRequestHandler
{
public:
    explicit CRecordingHandler(COpenRequestQueue& queue)
        : mQueue(queue)
    {
    }
    void OpenFolder(const CDirSpec& folder) override { mLog.push_back("folder " + folder.GetPath()); }
    void OpenFile(const CFileSpec& file) override
    {
        mLog.push_back("file " + file.GetFullPath());
        if (mQueueOnFile)
            mQueue.QueueFolder(CDirSpec("C:\\Later"));
        mQueueOnFile = false;
    }
    void OpenWithoutDocument() override { mLog.push_back("nothing"); }

    std::vector<std::string> mLog;
    bool mQueueOnFile = false;

private:
    COpenRequestQueue& mQueue;
};

} // namespace

TEST(COpenRequestQueue, CarriesOutRequestsInArrivalOrderAlsoOnesQueuedMeanwhile)
{
    COpenRequestQueue queue;
    CRecordingHandler handler(queue);
    handler.mQueueOnFile = true;
    queue.QueueFile(CFileSpec("C:\\Songs\\a.mqp"));
    queue.QueueFolder(CDirSpec("C:\\Songs"));
    queue.QueueNothing();

    queue.ProcessAll(handler);

    EXPECT_EQ(handler.mLog, (std::vector<std::string>{"file C:\\Songs\\a.mqp", "folder C:\\Songs\\", "nothing",
                                                      "folder C:\\Later\\"}));
    EXPECT_TRUE(queue.IsEmpty());
}

TEST(COpenRequestQueue, AFailingRequestLeavesTheRestQueued)
{
    struct CThrowingHandler : IOpenRequestHandler
    {
        void OpenFolder(const CDirSpec&) override {}
        void OpenFile(const CFileSpec&) override { throw std::runtime_error("open"); }
        void OpenWithoutDocument() override { ++mNothingCount; }
        int mNothingCount = 0;
    } handler;
    COpenRequestQueue queue;
    queue.QueueFile(CFileSpec("C:\\a.mqp"));
    queue.QueueNothing();

    EXPECT_THROW(queue.ProcessAll(handler), std::runtime_error);
    queue.ProcessAll(handler);
    EXPECT_EQ(handler.mNothingCount, 1);
}
