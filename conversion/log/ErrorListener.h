#pragma once

// How the converter asks the user what to do about a file it could not read or convert.

#include <cstdint>
#include <string>

namespace NSErrorListener {

// Answers of ReportError.
constexpr std::uint32_t kIgnoreError = 0;
constexpr std::uint32_t kIgnoreAllErrors = 1;
constexpr std::uint32_t kAbortKeepOutput = 2;
constexpr std::uint32_t kAbortDeleteOutput = 3;

// Never deleted through this interface, hence no virtual destructor.
class IErrorListener
{
public:
    // message is the whole sentence to show; the answer is one of the codes above.
    virtual std::uint32_t ReportError(std::string message) = 0;

protected:
    ~IErrorListener() = default;
};

} // namespace NSErrorListener
