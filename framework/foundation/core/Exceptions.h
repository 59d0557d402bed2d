#pragma once

// The framework's two exception trees. The class is the error: no object carries data, and every
// what() reports "Unknown exception".

#include <exception>

namespace NSTramvell {

class XBase : public std::exception
{
public:
    XBase() noexcept = default;
    XBase(const XBase&) noexcept = default;
    XBase& operator=(const XBase&) noexcept = default;
    ~XBase() override;
    const char* what() const noexcept override;
};

#define DRAVIM_DECLARE_EXCEPTION(name, parent)                                                            \
    class name : public parent                                                                             \
    {                                                                                                      \
    public:                                                                                                \
        name() noexcept = default;                                                                         \
        name(const name&) noexcept = default;                                                              \
        name& operator=(const name&) noexcept = default;                                                   \
        ~name() override;                                                                                  \
    }

DRAVIM_DECLARE_EXCEPTION(XMedia, XBase);
DRAVIM_DECLARE_EXCEPTION(XRead, XMedia);
DRAVIM_DECLARE_EXCEPTION(XWrite, XMedia);
DRAVIM_DECLARE_EXCEPTION(XBadFormat, XMedia);
DRAVIM_DECLARE_EXCEPTION(XUnsupportedFormat, XMedia);
DRAVIM_DECLARE_EXCEPTION(XPosition, XMedia);
DRAVIM_DECLARE_EXCEPTION(XAlertAlreadyShown, XBase);
DRAVIM_DECLARE_EXCEPTION(XNotFound, XBase);
DRAVIM_DECLARE_EXCEPTION(XUnrecoverableCommandError, XBase);

} // namespace NSTramvell

class XFile : public std::exception
{
public:
    XFile() noexcept = default;
    XFile(const XFile&) noexcept = default;
    XFile& operator=(const XFile&) noexcept = default;
    ~XFile() override;
    const char* what() const noexcept override;
};

DRAVIM_DECLARE_EXCEPTION(XFileNotFound, XFile);
DRAVIM_DECLARE_EXCEPTION(XFileLocked, XFile);
DRAVIM_DECLARE_EXCEPTION(XOpenFailed, XFile);
DRAVIM_DECLARE_EXCEPTION(XCreateFailed, XFile);
DRAVIM_DECLARE_EXCEPTION(XDiskFull, XFile);
