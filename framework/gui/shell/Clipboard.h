#pragma once

// Data exchanged with other programs through the clipboard, typed by a flavour: "TEXT" and "WAVE" are the
// platform's own text and wave-audio formats, every other flavour a format registered by name. An item
// carries one flavour's whole block of bytes. The private block wraps arbitrary data with a magic number
// and its length, so that a reader can tell our data from whatever else bears the format's name.

#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

// The flavour of plain text.
extern const CClippingType kTextClippingType;

// One flavour's data, owned.
class CClipboardItem
{
public:
    // Copies the whole media, which is left where it was.
    CClipboardItem(const CClippingType& flavour, CMedia& data);
    explicit CClipboardItem(const CClippingType& flavour);
    CClipboardItem(const CClipboardItem&) = delete;
    CClipboardItem& operator=(const CClipboardItem&) = delete;
    virtual ~CClipboardItem();

    const CClippingType& GetFlavour() const { return mFlavour; }
    COwnedMemoryMedia& GetMedia() { return *mData; }
    const COwnedMemoryMedia& GetMedia() const { return *mData; }
    // A copy of the data for the caller, positioned at 0.
    std::unique_ptr<COwnedMemoryMedia> CreateMedia() const;

private:
    CClippingType mFlavour;
    std::unique_ptr<COwnedMemoryMedia> mData;
};

inline constexpr std::uint32_t kPlatformTextFormat = 1;
inline constexpr std::uint32_t kPlatformWaveFormat = 12;

// The platform's own format of the flavour, 0 when it is one registered by name.
std::uint32_t GetStandardClipboardFormat(const CClippingType& flavour);
// The name under which a flavour without a standard format is registered: "TRAMVELL_" and its text.
std::string GetClippingTypeName(const CClippingType& flavour);

inline constexpr std::uint32_t kPrivateClipboardMagic = 0xC92103FA;
inline constexpr std::int32_t kPrivateClipboardHeaderSize = 8;

// The private block of the data: magic and length (both big-endian), then the bytes.
std::unique_ptr<COwnedMemoryMedia> EncodePrivateClipboardBlock(CMedia& data);
// The data of a private block, positioned at 0. A block shorter than its header, with another magic or
// claiming more bytes than follow throws XBadFormat.
std::unique_ptr<COwnedMemoryMedia> DecodePrivateClipboardBlock(CMedia& block);

// The clipboard itself (platform code). Each call opens and closes the clipboard on behalf of the
// application's message-only window, so that written data has an owner.
// Empties the clipboard before the flavours of one copy are written; a clipboard that cannot be opened
// is left as it is.
void BeginClipboardCopy();
bool IsClipboardFlavourAvailable(const CClippingType& flavour);
// The flavour's whole block: the platform may round it up, so it can be longer than what was written;
// text ends at its terminating NUL. Throws XBase when the clipboard cannot be opened, lacks the flavour or
// its data cannot be read; the clipboard is closed again.
std::unique_ptr<CClipboardItem> ReadClipboardFlavour(const CClippingType& flavour);
// Text is written with a terminating NUL. Throws XBase when memory cannot be had, the clipboard cannot be
// opened or refuses the data; the block is then freed and the clipboard closed.
void WriteClipboardFlavour(const CClipboardItem& item);
std::unique_ptr<COwnedMemoryMedia> ReadPrivateClipboardData(const CClippingType& flavour);
void WritePrivateClipboardData(const CClippingType& flavour, CMedia& data);

} // namespace NSTramvell
