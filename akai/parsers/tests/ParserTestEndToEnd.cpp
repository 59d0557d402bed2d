// Programs and samples on a synthetic disc with an S1000 and an S3000 volume, parsed through the
// Akai file system as the conversion reads them. The dump of every parsed value, every report and the
// data's checksum must match the expected dump, and each damaged file must fail on its own.

#include "akai/filesystem/AkaiFile.h"
#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "akai/filesystem/tests/support/DiscListing.h"
#include "akai/filesystem/tests/support/MemoryDiskMedia.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "akai/parsers/tests/support/RecordBuilder.h"
#include "conversion/disc/AkaiFileMedia.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

using namespace NSAkaiTestSupport;

namespace {

constexpr std::uint8_t kShortProgramType = 112;
constexpr std::uint8_t kShortSampleType = 115;
constexpr std::uint8_t kLongProgramType = 240;
constexpr std::uint8_t kLongSampleType = 243;

std::vector<std::uint8_t> ShortProgram()
{
    CRecordBuilder header = CRecordBuilder::ProgramHeader(kShortFormat);
    header.SetName(3, "PIANO").Set8(17, 7).Set8(19, 21).Set8(20, 108).Set8(21, -1).Set8(25, 90).Set8(32, 12)
        .Set8(65, 64).Set8(66, 1).Set8(42, 2).Set8(50, 30);
    CRecordBuilder first = CRecordBuilder::KeyGroup(kShortFormat);
    first.Set8(3, 21).Set8(4, 64).Set8(9, -20).SetName(34, "PIANO C3").Set8(34 + 13, 127).Set8(34 + 18, -10)
        .Set8(132, 1).Set16(140, -10000);
    // Eleven values out of range: the keygroup is dropped.
    CRecordBuilder second = CRecordBuilder::KeyGroup(kShortFormat);
    for (const std::size_t position : {3, 4, 7, 12, 13, 14, 15, 20, 21, 22, 23})
        second.Set8(position, 200);
    return JoinRecords({header.Bytes(), first.Bytes(), second.Bytes()});
}

std::vector<std::uint8_t> ShortSample()
{
    CRecordBuilder header = CRecordBuilder::SampleHeader(kShortFormat);
    header.SetName(3, "PIANO C3").Set8(2, 48).Set32(26, 8).Set32(30, 1).Set32(34, 7).SetLoop(0, 6, 4, 9999, 100)
        .SetLoop(4, 9, 2, 30);
    header.AppendFrames({0, 1000, -1000, 32767, -32768, 5, -5, 12});
    return header.Bytes();
}

std::vector<std::uint8_t> LongProgram()
{
    CRecordBuilder header = CRecordBuilder::ProgramHeader(kLongFormat);
    header.SetName(3, "STRINGS").Set8(70, 50).Set8(76, 8).Set8(89, 25).Set8(98, 5).Set8(102, 0).Set8(112, 1);
    CRecordBuilder keyGroup = CRecordBuilder::KeyGroup(kLongFormat);
    keyGroup.Set8(4, 127).SetName(34, "STRINGS C3").Set8(34 + 13, 127).Set8(34 + 14, 128).Set8(34 + 15, -1)
        .SetName(58, "STRINGS C4").Set8(58 + 12, 64).Set8(58 + 13, 127).Set8(151, 33).Set8(170, 2).Set8(177, 90);
    return JoinRecords({header.Bytes(), keyGroup.Bytes()});
}

std::vector<std::uint8_t> LongSample()
{
    CRecordBuilder header = CRecordBuilder::SampleHeader(kLongFormat);
    header.SetName(3, "STRINGS C3").Set8(1, 0).Set32(26, 4).Set32(34, 4).Set8(140, -7);
    header.AppendFrames({100, 200, 300, 400});
    return header.Bytes();
}

CDiscImage BuildDisc()
{
    CDiscImageBuilder builder;
    builder.AddPartition(40);
    builder.AddVolume(0, CVolumeDescription("S1000 VOLUME", EVolumeKind::kS1000));
    builder.AddFile(0, 0, CFileDescription("PIANO", kShortProgramType, ShortProgram()));
    builder.AddFile(0, 0, CFileDescription("PIANO C3", kShortSampleType, ShortSample()));
    std::vector<std::uint8_t> noKeyGroups = ShortProgram();
    noKeyGroups[42] = 0;
    builder.AddFile(0, 0, CFileDescription("NO KEYGROUPS", kShortProgramType, noKeyGroups));
    CRecordBuilder damagedSample = CRecordBuilder::SampleHeader(kShortFormat);
    damagedSample.Set8(2, 200).Set8(19, 9).Set8(140, 99).Set8(1, 7).Set16(138, 10);
    builder.AddFile(0, 0, CFileDescription("BAD SAMPLE", kShortSampleType, damagedSample.Bytes()));

    builder.AddVolume(0, CVolumeDescription("S3000 VOLUME", EVolumeKind::kS3000));
    builder.AddFile(0, 1, CFileDescription("STRINGS", kLongProgramType, LongProgram()));
    builder.AddFile(0, 1, CFileDescription("STRINGS C3", kLongSampleType, LongSample()));
    std::vector<std::uint8_t> chained = LongSample();
    chained.resize(9000, 0);
    builder.AddFile(0, 1, CFileDescription("BROKEN CHAIN", kLongSampleType, chained, {30, 31}));
    std::vector<std::uint8_t> cut = LongProgram();
    cut.resize(100);
    builder.AddFile(0, 1, CFileDescription("CUT PROGRAM", kLongProgramType, cut));
    CDiscImage image = builder.Build();
    image.SetChainLink(0, 1, 2, 0, 0);
    return image;
}

class CDump
{
public:
    template <typename T>
    CDump& Add(const char* name, T value)
    {
        mLine << ' ' << name << '=' << static_cast<std::int64_t>(value);
        return *this;
    }
    CDump& Add(const char* name, const std::string& value)
    {
        mLine << ' ' << name << "=\"" << value << '"';
        return *this;
    }
    void EndLine(const std::string& indent)
    {
        mText << indent << mLine.str().substr(1) << '\n';
        mLine.str("");
    }
    void AddLine(const std::string& line) { mText << line << '\n'; }
    std::string GetText() const { return mText.str(); }

private:
    std::ostringstream mLine;
    std::ostringstream mText;
};

void DumpZone(CDump& dump, const NSAkaiParser::CAkaiSampleParameters& z)
{
    dump.Add("sample", z.GetSampleName()).Add("tracking", z.GetKeyTracking()).Add("start", z.GetVelocityToSampleStart())
        .Add("vel", z.GetLowVelocity()).Add("to", z.GetHighVelocity()).Add("tune", z.GetTuneCents())
        .Add("loud", z.GetLoudness()).Add("filter", z.GetFilter()).Add("pan", z.GetPan()).Add("loop", z.GetLoopMode());
    dump.EndLine("      zone ");
}

void DumpKeyGroup(CDump& dump, const NSAkaiParser::IKeyGroup& k)
{
    dump.Add("keys", k.GetLowKey()).Add("to", k.GetHighKey()).Add("tune", k.GetTuneCents()).Add("filter", k.GetFilter())
        .Add("keyfilter", k.GetKeyToFilter()).Add("e1", k.GetEnv1Attack()).Add("", k.GetEnv1Decay())
        .Add("", k.GetEnv1Sustain()).Add("", k.GetEnv1Release()).Add("", k.GetEnv1VelocityToAttack())
        .Add("", k.GetEnv1VelocityToRelease()).Add("", k.GetEnv1OffVelocityToRelease())
        .Add("", k.GetEnv1KeyToDecayAndRelease()).Add("e2", k.GetEnv2Attack()).Add("", k.GetEnv2Decay())
        .Add("", k.GetEnv2Sustain()).Add("", k.GetEnv2Release()).Add("", k.GetEnv2VelocityToAttack())
        .Add("", k.GetEnv2VelocityToRelease()).Add("", k.GetEnv2OffVelocityToRelease())
        .Add("", k.GetEnv2KeyToDecayAndRelease()).Add("", k.GetVelocityToEnv2ToFilter()).Add("", k.GetEnv2ToPitch());
    dump.EndLine("    keygroup ");
    dump.Add("xfade", k.GetVelocityZoneCrossfade()).Add("zones", k.GetVelocityZonesUsed()).Add("detune", k.GetBeatDetune())
        .Add("hold", k.GetHoldAttackUntilLoop()).Add("veltovol", k.GetVelocityToVolumeOffset())
        .Add("res", k.GetFilter1Resonance()).Add("lfo1pitch", k.GetLFO1ToPitch()).Add("mods", k.GetMod1ToFilter())
        .Add("", k.GetMod2ToFilter()).Add("", k.GetMod3ToFilter()).Add("", k.GetModToPitch()).Add("", k.GetMod3ToAmp())
        .Add("env2", k.GetEnv2L1()).Add("", k.GetEnv2R2()).Add("", k.GetEnv2L2()).Add("", k.GetEnv2L4())
        .Add("mute", k.GetKeyGroupMute()).Add("lsi2", k.GetLSI2On());
    dump.EndLine("      ");
    dump.Add("f2", k.GetFilter2Gain()).Add("", k.GetFilter2Mode()).Add("", k.GetFilter2Resonance())
        .Add("tone", k.GetToneFrequency()).Add("", k.GetToneSlope()).Add("f2mods", k.GetMod1ToFilter2())
        .Add("", k.GetMod2ToFilter2()).Add("", k.GetMod3ToFilter2()).Add("f2freq", k.GetFilter2Frequency())
        .Add("", k.GetKeyToFilter2Frequency()).Add("env3", k.GetEnv3R1()).Add("", k.GetEnv3L1()).Add("", k.GetEnv3R2())
        .Add("", k.GetEnv3L2()).Add("", k.GetEnv3R3()).Add("", k.GetEnv3L3()).Add("", k.GetEnv3R4())
        .Add("", k.GetEnv3L4()).Add("v3", k.GetVAtt3()).Add("", k.GetVRel3()).Add("", k.GetORel3())
        .Add("", k.GetKDar3()).Add("", k.GetVEnv3());
    dump.EndLine("      ");
    for (const NSAkaiParser::CAkaiSampleParameters& zone : k.GetSampleParameters())
        DumpZone(dump, zone);
}

void DumpProgram(CDump& dump, const NSAkaiParser::IAkaiProgram& p)
{
    dump.Add("name", p.GetName()).Add("format", p.GetHeaderFormat()).Add("poly", p.GetPolyphony())
        .Add("keys", p.GetLowKey()).Add("to", p.GetHighKey()).Add("octave", p.GetOctaveShift())
        .Add("mix", p.GetMixOutputLevel()).Add("", p.GetMixOutputPan()).Add("vol", p.GetVolume())
        .Add("", p.GetVelocityToVolume()).Add("panlfo", p.GetPanLFORate()).Add("", p.GetPanLFODepth())
        .Add("", p.GetPanLFODelay()).Add("lfo", p.GetLFORate()).Add("", p.GetLFODepth()).Add("", p.GetLFODelay())
        .Add("", p.GetModToLFODepth()).Add("", p.GetPressureToLFODepth()).Add("", p.GetVelocityToLFODepth())
        .Add("bend", p.GetBendToPitch()).Add("", p.GetPressureToPitch()).Add("xfade", p.GetKeyGroupCrossfade())
        .Add("desync", p.GetLFODesync()).Add("softped", p.GetSoftpedToVolume()).Add("", p.GetSoftpedToAttack())
        .Add("", p.GetSoftpedToFilter()).Add("tune", p.GetTuneCents());
    dump.EndLine("  program ");
    std::ostringstream temperament;
    for (const std::int8_t value : p.GetKeyTemperament())
        temperament << ' ' << static_cast<int>(value);
    dump.AddLine("    temperament" + temperament.str());
    dump.Add("scale", p.GetVoiceOutputScale()).Add("legato", p.GetMonoLegatoModeEnabled())
        .Add("bendwheel", p.GetBendwheelRangeDecrease()).Add("midishift", p.GetIncomingMIDIPitchShift())
        .Add("sources", p.GetPanMod1Source()).Add("", p.GetPanMod2Source()).Add("", p.GetPanMod3Source())
        .Add("", p.GetAmpMod1Source()).Add("", p.GetAmpMod2Source()).Add("", p.GetLFORateModSource())
        .Add("", p.GetLFODepthModSource()).Add("", p.GetLFODelayModSource()).Add("", p.GetFilterMod1Source())
        .Add("", p.GetFilterMod2Source()).Add("", p.GetFilterMod3Source()).Add("", p.GetPitchModSource())
        .Add("", p.GetAmpMod3Source());
    dump.EndLine("    ");
    dump.Add("depths", p.GetPanMod1Depth()).Add("", p.GetPanMod2Depth()).Add("", p.GetPanMod3Depth())
        .Add("", p.GetAmpMod1Depth()).Add("", p.GetAmpMod2Depth()).Add("", p.GetLFORateMod())
        .Add("", p.GetLFODepthModDepth()).Add("", p.GetLFODelayModDepth()).Add("waves", p.GetLFO1Waveform())
        .Add("", p.GetLFO2Waveform()).Add("f2sources", p.GetFilter2Mod1Source()).Add("", p.GetFilter2Mod2Source())
        .Add("", p.GetFilter2Mod3Source()).Add("retrigger", p.GetLFO2Retrigger()).Add("porta", p.GetPortamentoTime())
        .Add("", p.GetPortamentoOn());
    dump.EndLine("    ");
    for (const NSAkaiParser::IKeyGroup* keyGroup : p.GetKeyGroups())
        DumpKeyGroup(dump, *keyGroup);
}

void DumpSample(CDump& dump, const NSAkaiParser::IAkaiSample& s)
{
    const NSAkaiParser::CSampleData& data = *s.GetSampleData();
    std::ostringstream crc;
    crc << std::hex << std::setw(8) << std::setfill('0')
        << Crc32(reinterpret_cast<const std::uint8_t*>(data.data()), data.size() * sizeof(std::int16_t));
    dump.Add("name", s.GetName()).Add("root", s.GetMIDIRootNote()).Add("loopmode", s.GetLoopMode())
        .Add("tune", s.GetTuneCents()).Add("length", s.GetSampleLength()).Add("start", s.GetSampleStart())
        .Add("end", s.GetSampleEnd()).Add("rate", s.GetSampleRate()).Add("looptune", s.GetLoopTuneOffset())
        .Add("frames", data.size());
    dump.EndLine("  sample ");
    dump.AddLine("    crc " + crc.str());
    for (const NSAkaiParser::CAkaiLoop& loop : s.GetLoops()) {
        dump.Add("at", loop.GetLoopAt()).Add("fraction", loop.GetLengthFraction()).Add("length", loop.GetLength())
            .Add("dwell", loop.GetDwellTime()).Add("hold", loop.IsHold());
        dump.EndLine("    loop ");
    }
}

// Parses every program and sample of the disc as the conversion does, each in its own catch.
std::string DumpDisc(NSAkaiFileSystem::IAkaiDiskMedia& disc)
{
    NSAkaiFileSystem::CAkaiFileSystem fileSystem(disc);
    CDump dump;
    for (std::int16_t partition = 0; partition < fileSystem.GetPartitionCount(); ++partition) {
        for (std::int16_t volume = 0; volume < fileSystem.GetVolumeCount(partition); ++volume) {
            dump.AddLine("volume \"" + fileSystem.GetVolumeName(partition, volume) + "\"");
            for (int index = 0; index < fileSystem.GetFileCount(partition, volume); ++index) {
                NSAkaiFileSystem::CAkaiFile file(fileSystem, partition, volume, index);
                NSAkaiConversionImplementation::CAkaiFileMedia media(file);
                const int kind = file.GetKind();
                dump.AddLine("file \"" + file.GetName() + "\" kind " + std::to_string(kind));
                std::vector<std::string> reports;
                try {
                    if (kind == 36 || kind == 34)
                        DumpProgram(dump, *NSAkaiParser::CreateAkaiProgram(media, kind == 36 ? 7 : 8, reports));
                    else if (kind == 37 || kind == 35)
                        DumpSample(dump, *NSAkaiParser::CreateAkaiSample(media, kind == 37 ? 7 : 8, reports,
                                                                         file.GetName()));
                } catch (const NSTramvell::XBadFormat&) {
                    dump.AddLine("  fails: bad format");
                }
                for (const std::string& report : reports)
                    dump.AddLine("  report: " + report);
            }
        }
    }
    return dump.GetText();
}

const char* const kExpectedDump = R"(volume "S1000 VOLUME"
file "PIANO" kind 36
  program name="PIANO" format=7 poly=7 keys=21 to=108 octave=-1 mix=0 =0 vol=90 =0 panlfo=0 =0 =0 lfo=0 =0 =0 =0 =0 =0 bend=0 =0 xfade=0 desync=0 softped=0 =0 =0 tune=125
    temperament 0 0 0 0 0 0 25 0 0 0 0 0
    scale=99 legato=0 bendwheel=7 midishift=0 sources=6 =1 =0 =6 =3 =6 =6 =6 =5 =3 =10 =0 =0
    depths=12 =0 =0 =0 =0 =0 =0 =0 waves=0 =0 f2sources=0 =0 =0 retrigger=0 porta=0 =0
    keygroup keys=21 to=64 tune=0 filter=0 keyfilter=0 e1=0 =0 =0 =0 =0 =0 =0 =0 e2=0 =0 =0 =0 =0 =0 =0 =0 =0 =0
      xfade=0 zones=0 detune=0 hold=0 veltovol=0 res=0 lfo1pitch=0 mods=-20 =0 =0 =0 =0 env2=99 =0 =99 =0 mute=255 lsi2=1
      f2=1 =3 =0 tone=0 =0 f2mods=0 =0 =0 f2freq=67 =0 env3=0 =0 =0 =0 =0 =0 =0 =0 v3=0 =0 =0 =0 =0
      zone sample="PIANO C3" tracking=0 start=-9999 vel=0 to=127 tune=0 loud=0 filter=0 pan=-10 loop=0
      zone sample="" tracking=1 start=0 vel=0 to=0 tune=0 loud=0 filter=0 pan=0 loop=0
      zone sample="" tracking=1 start=0 vel=0 to=0 tune=0 loud=0 filter=0 pan=0 loop=0
      zone sample="" tracking=1 start=0 vel=0 to=0 tune=0 loud=0 filter=0 pan=0 loop=0
  report: The parameter 'Key Temperament' was out of range.
  report: KeyGroup 1: The parameter 'Sample Velocity To Sample Start' was out of range.
  report: KeyGroup 2: The parameter 'Low Key' was out of range.
  report: KeyGroup 2: The parameter 'High Key' was out of range.
  report: KeyGroup 2: The parameter 'Filter' was out of range.
  report: KeyGroup 2: The parameter 'Env1 Attack' was out of range.
  report: KeyGroup 2: The parameter 'Env1 Decay' was out of range.
  report: KeyGroup 2: The parameter 'Env1 Sustain' was out of range.
  report: KeyGroup 2: The parameter 'Env1 Release' was out of range.
  report: KeyGroup 2: The parameter 'Env2 Attack' was out of range.
  report: KeyGroup 2: The parameter 'Env2 Decay' was out of range.
  report: KeyGroup 2: The parameter 'Env2 Sustain' was out of range.
  report: KeyGroup 2: The parameter 'Env2 Release' was out of range.
  report: KeyGroup 2 is corrupt. This KeyGroup is ignored.
file "PIANO C3" kind 37
  sample name="PIANO C3" root=48 loopmode=0 tune=0 length=8 start=1 end=7 rate=44100 looptune=0 frames=8
    crc b1877dd9
    loop at=6 fraction=100 length=4 dwell=9999 hold=1
    loop at=7 fraction=0 length=2 dwell=30 hold=0
  report: Loop 5: The parameter 'Loop At' was out of range.
file "NO KEYGROUPS" kind 36
  fails: bad format
file "BAD SAMPLE" kind 37
  fails: bad format
  report: The parameter 'MIDI Root Note' was out of range.
  report: The parameter 'Loop Mode' was out of range.
  report: The parameter 'Bandwidth' was out of range.
  report: The parameter 'Sample Rate' was out of range.
  report: The parameter 'Tune Cents' was out of range.
  report: The parameter 'Loop Tune Offset' was out of range.
volume "S3000 VOLUME"
file "STRINGS" kind 34
  program name="STRINGS" format=8 poly=0 keys=0 to=0 octave=0 mix=0 =0 vol=0 =0 panlfo=0 =0 =0 lfo=0 =0 =0 =0 =0 =0 bend=0 =0 xfade=0 desync=0 softped=0 =0 =0 tune=0
    temperament 0 0 0 0 0 0 0 0 0 0 0 0
    scale=50 legato=0 bendwheel=0 midishift=0 sources=8 =0 =0 =0 =0 =0 =0 =0 =0 =0 =0 =0 =0
    depths=25 =0 =0 =0 =0 =0 =0 =0 waves=0 =3 f2sources=0 =0 =0 retrigger=1 porta=0 =1
    keygroup keys=0 to=127 tune=0 filter=0 keyfilter=0 e1=0 =0 =0 =0 =0 =0 =0 =0 e2=0 =0 =0 =0 =0 =0 =0 =0 =0 =0
      xfade=0 zones=0 detune=0 hold=0 veltovol=0 res=0 lfo1pitch=0 mods=33 =0 =0 =0 =0 env2=0 =0 =0 =0 mute=0 lsi2=0
      f2=0 =2 =0 tone=0 =0 f2mods=0 =0 =0 f2freq=90 =0 env3=0 =0 =0 =0 =0 =0 =0 =0 v3=0 =0 =0 =0 =0
      zone sample="STRINGS C3" tracking=1 start=0 vel=0 to=127 tune=-50 loud=0 filter=0 pan=0 loop=0
      zone sample="STRINGS C4" tracking=1 start=0 vel=64 to=127 tune=0 loud=0 filter=0 pan=0 loop=0
      zone sample="" tracking=1 start=0 vel=0 to=0 tune=0 loud=0 filter=0 pan=0 loop=0
      zone sample="" tracking=1 start=0 vel=0 to=0 tune=0 loud=0 filter=0 pan=0 loop=0
  report: The parameter 'LFO2 Waveform' was out of range.
file "STRINGS C3" kind 35
  sample name="STRINGS C3" root=60 loopmode=0 tune=-1200 length=4 start=0 end=4 rate=44100 looptune=-7 frames=4
    crc 21582dcc
file "BROKEN CHAIN" kind 35
  fails: bad format
file "CUT PROGRAM" kind 34
  fails: bad format
  report: KeyGroup 1 is corrupt. This KeyGroup is ignored.
  report: The parameter 'LFO2 Waveform' was out of range.
)";

} // namespace

TEST(ParsersOnADisc, EveryFileParsesOrFailsOnItsOwn)
{
    CMemoryDiskMedia disc(BuildDisc());
    EXPECT_EQ(DumpDisc(disc), kExpectedDump);
}
