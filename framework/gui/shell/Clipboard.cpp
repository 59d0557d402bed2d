#include "framework/gui/shell/Clipboard.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"

namespace NSTramvell {

const CClippingType kTextClippingType("TEXT");

CClipboardItem::CClipboardItem(const CClippingType& flavour, CMedia& data)
    : mFlavour(flavour)
    , mData(std::make_unique<COwnedMemoryMedia>(data))
{
    mData->SetPosition(0);
}

CClipboardItem::CClipboardItem(const CClippingType& flavour)
    : mFlavour(flavour)
    , mData(std::make_unique<COwnedMemoryMedia>())
{
}

CClipboardItem::~CClipboardItem() = default;

std::unique_ptr<COwnedMemoryMedia> CClipboardItem::CreateMedia() const
{
    auto copy = std::make_unique<COwnedMemoryMedia>(*mData);
    copy->SetPosition(0);
    return copy;
}

std::uint32_t GetStandardClipboardFormat(const CClippingType& flavour)
{
    const std::string text = flavour.GetString();
    if (text == "TEXT")
        return kPlatformTextFormat;
    if (text == "WAVE")
        return kPlatformWaveFormat;
    return 0;
}

std::string GetClippingTypeName(const CClippingType& flavour)
{
    return "TRAMVELL_" + flavour.GetString();
}

std::unique_ptr<COwnedMemoryMedia> EncodePrivateClipboardBlock(CMedia& data)
{
    const std::int32_t length = data.GetSize();
    auto block = std::make_unique<COwnedMemoryMedia>(length + kPrivateClipboardHeaderSize);
    std::uint8_t header[kPrivateClipboardHeaderSize];
    WriteBigEndian32(header, kPrivateClipboardMagic);
    WriteBigEndian32(header + 4, static_cast<std::uint32_t>(length));
    block->Write(kPrivateClipboardHeaderSize, header);
    const std::int32_t position = data.GetPosition();
    data.SetPosition(0);
    block->CopyFrom(length, data);
    data.SetPosition(position);
    block->SetPosition(0);
    return block;
}

std::unique_ptr<COwnedMemoryMedia> DecodePrivateClipboardBlock(CMedia& block)
{
    // Any program may put data under our format's name: nothing of the block is trusted.
    const std::int32_t size = block.GetSize();
    if (size < kPrivateClipboardHeaderSize)
        throw XBadFormat();
    std::uint8_t header[kPrivateClipboardHeaderSize];
    block.ReadAt(0, kPrivateClipboardHeaderSize, header);
    if (ReadBigEndian32(header) != kPrivateClipboardMagic)
        throw XBadFormat();
    const std::uint32_t length = ReadBigEndian32(header + 4);
    if (length > static_cast<std::uint32_t>(size - kPrivateClipboardHeaderSize))
        throw XBadFormat();
    auto data = std::make_unique<COwnedMemoryMedia>(static_cast<std::int32_t>(length));
    block.SetPosition(kPrivateClipboardHeaderSize);
    data->CopyFrom(static_cast<std::int32_t>(length), block);
    data->SetPosition(0);
    return data;
}

} // namespace NSTramvell
