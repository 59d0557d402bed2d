#pragma once

// Handing work to other programs through the platform's shell and the registry's classes root: opening a
// web address in the user's browser, starting a program file, opening a document with the program
// registered for its extension. Registry access is read-only; a key or value that cannot be read simply
// means that nothing is registered. Texts are 8-bit strings of the Windows code page. All of it runs on
// the user-interface thread and keeps no state between calls.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

class CFileSpec;
class CFileTypeDescription;

// True when a program was asked to open the address: the shell directly, or else the program registered
// for "http". False when neither way exists; XBase when the registered program could not be started.
bool OpenWebPage(const std::string& address);
// Starts the program file as a new process in its own folder; XBase when it cannot be started.
void OpenDocument(const CFileSpec& program);
// The same for a path text; one pair of double quotes around it is taken off first.
void OpenDocument(const std::string& programPath);

// The starters below report nothing: a missing registration or a failed start leaves no trace, and
// callers that need to know look for the started program by other means.
void OpenDocumentWithProgram(const CFileSpec& program, const CFileSpec& document);
void OpenDocumentWithHandler(const CFileSpec& document);
// Starts the program registered for the first of the type's extensions that has one, without a document.
void LaunchHandlerForFileType(const CFileTypeDescription& fileType);
// Starts the command line without waiting for it; an empty working directory leaves the caller's.
void StartProcess(const std::string& commandLine, const std::string& workingDirectory);

// The program registered for the document's extension; empty when there is none.
std::unique_ptr<CFileSpec> CreateOpenHandlerSpec(const CFileSpec& document);
bool HasWebBrowser();

// The default value of "<class>\shell\open\command" into the caller's buffer; true only for a non-empty
// string.
bool GetClassOpenCommand(const char* className, char* buffer, std::uint16_t bufferSize);
// The class's open command split into the program and its arguments; false when it is missing or either
// part does not fit its buffer with the terminating 0.
bool GetClassOpenProgramAndArguments(const char* className, char* program, std::uint16_t programSize,
                                     char* arguments, std::uint16_t argumentsSize);
bool GetClassesRootDefaultValue(const std::string& keyName, std::string& value);
bool GetOpenCommandForExtension(const std::string& extension, std::string& command);

// The program part of a command line: the quoted text after a leading quote, else the text before the
// first space, else before the first '%', else all of it.
std::string GetCommandProgram(const std::string& commandLine);
// The program part, in double quotes when it holds a space.
std::string GetQuotedCommandProgram(const std::string& commandLine);
// The first "%1" replaced by the path as it is (the command's own quotes stay around it); without "%1",
// a space and the path appended, quoted when it holds a space.
std::string InsertDocumentIntoCommand(const std::string& commandLine, const std::string& documentPath);

namespace NSLaunchInternal {

// Every registry text and command piece of the web-page opener is read into buffers of this size.
inline constexpr std::size_t kRegistryTextBufferSize = 260;

// A command's program (the quoted text after a leading quote, else up to the first space) and its
// arguments (the rest after the closing quote and any spaces); false when either has at least as many
// characters as its buffer has bytes. The buffers are written only on success.
bool SplitOpenCommand(const char* command, char* program, std::uint16_t programSize, char* arguments,
                      std::uint16_t argumentsSize);
// The browser's parameters: the address alone, the address in place of the first "%1", or the arguments,
// a space and the address.
std::string MakeWebPageParameters(const std::string& arguments, const std::string& address);
std::string QuoteWhenSpaced(const std::string& text);
// "<program>"
std::string MakeProgramCommand(const std::string& programPath);
// "<program>" <document, quoted when it holds a space>
std::string MakeProgramWithDocumentCommand(const std::string& programPath, const std::string& documentPath);
// The text without one pair of enclosing double quotes, when it has them.
std::string StripEnclosingQuotes(const std::string& text);

} // namespace NSLaunchInternal

} // namespace NSTramvell
