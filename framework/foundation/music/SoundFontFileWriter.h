#pragma once

// Writes two lists of a SoundFont 2 bank: "INFO" and "pdta", the latter one preset playing one
// instrument with a zone per sample. The caller writes the enclosing "RIFF" group of type "sfbk" and
// the "sdta" list of sample data between them; the sample headers point into that data.

#include "framework/foundation/chunks/LinkedList.h"
#include "framework/foundation/chunks/RIFF.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CMedia;

struct CSoundFontSampleParams
{
    enum ESampleType : std::int32_t
    {
        kMonoSample = 1,
        kRightSample = 2,
        kLeftSample = 4,
    };

    std::string name; // at most 19 characters are stored
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint32_t sampleRate = 0;
    std::uint8_t rootKey = 60; // also the zone's lowest key
    std::uint8_t topKey = 127;
    std::int32_t sampleType = kMonoSample;
};

class CSoundFontSampleParamList : public CLinkedList<CSoundFontSampleParams>
{
};

class CSoundFontFileWriter : public CRIFFWriter2
{
public:
    explicit CSoundFontFileWriter(CMedia& media);
    CSoundFontFileWriter(CIFFWriter2& parent, const CIFFChunkInfo& chunk);
    ~CSoundFontFileWriter() override;

    // The bank's name is required (XBase before anything is written when it is empty); the other
    // texts are left out when empty.
    void WriteInfoList(std::string name, std::string creationDate, std::string engineer, std::string product,
                       std::string copyright, std::string comment);
    // Samples of one side (left or right) pair with the sample after them; one without a sample after
    // it is written as mono. XBase for more samples than the 16-bit indices of the records reach.
    void WritePresetData(const std::string& name, const CSoundFontSampleParamList& samples);
    // One text chunk of the "INFO" list: at most 255 characters and one or two zero bytes, an even
    // length in all; nothing for an empty text.
    void WriteInfoText(const char* id, const std::string& text);
};

} // namespace NSTramvell
