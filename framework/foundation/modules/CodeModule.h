#pragma once

// The code modules of the framework: the program (its application object) and any other module that
// describes itself. The first one constructed becomes the process's current module, through which string
// tables, resources and window classes find the program's resources and instance handle; its thread is
// the main thread.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/modules/Version.h"

#include <string>

namespace NSTramvell {

// What a code module is: its folder, its name, the module whose resources it reads, its instance handle.
class CCodeModuleInfo
{
public:
    CCodeModuleInfo(const CDirSpec& folder, const std::string& name, const CModuleReference& resourceFile,
                    HINSTANCE instance);
    CCodeModuleInfo(const CCodeModuleInfo& other);
    CCodeModuleInfo& operator=(const CCodeModuleInfo& other);
    ~CCodeModuleInfo();

    const CDirSpec& GetFolder() const { return mFolder; }
    const std::string& GetName() const { return mName; }
    const CModuleReference& GetResourceFile() const { return mResourceFile; }
    HINSTANCE GetInstanceHandle() const { return mInstance; }

private:
    CDirSpec mFolder;
    std::string mName;
    CModuleReference mResourceFile;
    HINSTANCE mInstance;
};

class CABCCodeModule
{
public:
    CABCCodeModule(const CABCCodeModule&) = delete;
    CABCCodeModule& operator=(const CABCCodeModule&) = delete;
    // The current module's destructor clears the current module; any other leaves it.
    virtual ~CABCCodeModule();

    // Null before the first module is constructed and after the current one is destroyed.
    static CABCCodeModule* GetCurrent();
    // True while there is no current module; otherwise whether the caller runs on the thread that
    // constructed it. Any thread may ask.
    static bool IsMainThread();

    std::string GetName() const;
    CDirSpec GetFolder() const;
    CModuleReference GetResourceFile() const;
    HINSTANCE GetInstanceHandle() const;
    // From the module's version resource (the "Build Number" gives the build).
    CTramvellFileVersion GetVersion() const;

protected:
    // Reads the module's version resource once, so that a module without a readable one fails here
    // (XFileNotFound when it has none); then becomes the current module when there is none.
    explicit CABCCodeModule(const CCodeModuleInfo& info);

private:
    CCodeModuleInfo mInfo;
};

// CABCCodeModule::IsMainThread, for the trace and verify code.
bool IsMainThread();

} // namespace NSTramvell
