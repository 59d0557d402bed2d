#pragma once

// A full disk for tests: while the object lives, the framework's bound file write accepts allowedBytes
// bytes in all, then writes what still fits and fails with error 112 (the disk is full). Windows only.

#include <cstdint>
#include <memory>

namespace NSConversionTestSupport {

class CScopedFailingWrites
{
public:
    explicit CScopedFailingWrites(std::uint64_t allowedBytes);
    CScopedFailingWrites(const CScopedFailingWrites&) = delete;
    CScopedFailingWrites& operator=(const CScopedFailingWrites&) = delete;
    ~CScopedFailingWrites();

    bool HasFailed() const;

private:
    struct CEntries;
    std::unique_ptr<CEntries> mEntries;
};

} // namespace NSConversionTestSupport
