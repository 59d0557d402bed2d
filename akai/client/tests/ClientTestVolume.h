#pragma once

// A raw volume and a volume iterator that stand in for the raw-disk library's, for tests of the
// client that need statuses the library never gives or must see exactly what was asked.

#include "libs/rawdisk/Brakvel.h"

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace NSClientTest {

class CTestVolume final : public NSBrakvel::IVolume
{
public:
    explicit CTestVolume(std::vector<std::uint8_t> bytes = {}, bool* destroyed = nullptr)
        : mBytes(std::move(bytes)), mDestroyed(destroyed)
    {
    }
    ~CTestVolume() override
    {
        if (mDestroyed != nullptr)
            *mDestroyed = true;
    }

    int Eject() override { return status; }
    int GetFlag(bool* out) override
    {
        *out = flag;
        return status;
    }
    int GetSize(std::int64_t* sizeInBytes) override
    {
        ++sizeQueries;
        *sizeInBytes = static_cast<std::int64_t>(mBytes.size());
        return status;
    }
    int Read(std::uint64_t offset, std::uint64_t length, void* destination) override
    {
        ++reads;
        if (status != NSBrakvel::kBrakvelSuccess)
            return status;
        if (offset > mBytes.size() || length > mBytes.size() - offset)
            return NSBrakvel::kBrakvelInvalidArgument;
        if (length != 0)
            std::memcpy(destination, mBytes.data() + offset, static_cast<std::size_t>(length));
        return NSBrakvel::kBrakvelSuccess;
    }
    int Release() override
    {
        delete this;
        return NSBrakvel::kBrakvelSuccess;
    }

    int status = NSBrakvel::kBrakvelSuccess;   // what every operation answers
    bool flag = false;
    int sizeQueries = 0;
    int reads = 0;

private:
    std::vector<std::uint8_t> mBytes;
    bool* mDestroyed;
};

// Hands out the volumes it is given, in order, then null; or fails with a status.
class CTestVolumeIterator final : public NSBrakvel::IVolumeIterator
{
public:
    NSBrakvel::IVolume* Next(int* status) override
    {
        if (beforeReturning)
            beforeReturning();
        *status = nextStatus;
        if (nextStatus != NSBrakvel::kBrakvelSuccess || volumes.empty())
            return nullptr;
        NSBrakvel::IVolume* volume = volumes.front();
        volumes.erase(volumes.begin());
        return volume;
    }
    int Release() override
    {
        delete this;
        return NSBrakvel::kBrakvelSuccess;
    }

    std::vector<NSBrakvel::IVolume*> volumes;   // owned until handed out
    int nextStatus = NSBrakvel::kBrakvelSuccess;
    void (*beforeReturning)() = nullptr;

    ~CTestVolumeIterator() override
    {
        for (NSBrakvel::IVolume* volume : volumes)
            delete volume;
    }
};

} // namespace NSClientTest
