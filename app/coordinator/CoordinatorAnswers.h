#pragma once

// How the coordinator turns the user's answers into the codes the converter and the packer hand-over
// understand. Only an explicit "Delete" deletes: an alert closed without a button keeps the output.

#include <cstdint>

namespace NSConversionCoordinator {

class IConversionHost;

// The coordinator's run states.
constexpr std::uint32_t kRunStateCreated = 4753;
constexpr std::uint32_t kRunStateConverting = 4754;
constexpr std::uint32_t kRunStatePacking = 4755;
constexpr std::uint32_t kRunStateFinishing = 4756;
constexpr std::uint32_t kRunStateDone = 4757;

// What the Stop button asked for.
constexpr std::uint32_t kNoStopRequest = 8741;
constexpr std::uint32_t kStopKeepOutput = 8742;
constexpr std::uint32_t kStopDeleteOutput = 8743;

// Answers of AskDeleteOrKeep.
constexpr std::uint32_t kDeleteOutput = 0;
constexpr std::uint32_t kKeepOutput = 1;

// Asks "Not all files have been converted..." ([Delete][Keep]); kKeepOutput unless the user chose Delete.
std::uint32_t AskDeleteOrKeep(IConversionHost& host);

// The stop request after Stop was pressed: with nothing written yet the output goes without asking.
std::uint32_t StopRequestOnStop(std::uint64_t bytesWritten, IConversionHost& host);

// The error listener's answer to the conversion-error dialog's answer; "Abort" after output was written
// asks whether to keep it.
std::uint32_t ErrorListenerAnswer(std::uint32_t dialogAnswer, std::uint64_t bytesWritten, IConversionHost& host);

// The progress listener's and the packer listener's answers to a stop request.
std::uint32_t ProgressAnswer(std::uint32_t stopRequest);
std::uint32_t PackerAnswer(std::uint32_t stopRequest);

// "Kaplet packing aborted!" has [Keep][Delete]: Delete is button 1.
bool DeletesTemporaryFolder(std::uint32_t packingAbortedAnswer);
// "The conversion was aborted ... keep the files ...?" has [Delete][Keep]: Delete is button 2.
bool DeletesAfterAbort(std::uint32_t abortedKeepFilesAnswer);

} // namespace NSConversionCoordinator
