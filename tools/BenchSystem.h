#pragma once

#include <optional>
#include <string>
#include <vector>

// Under Wine, every file call the measured program makes is partly served by the Wine server, a process of
// its own whose processor time the program's own times leave out. This reads it from the host's process
// table, for the server of the program's own prefix. Elsewhere, or when the server cannot be found, it
// has nothing to read.
class CWineServerClock
{
public:
    CWineServerClock();
    // The server's processor time so far, in seconds; nothing when it cannot be read.
    std::optional<double> GetProcessorSeconds() const;
    bool IsReadable() const { return !mTimesPath.empty(); }

private:
    std::string mTimesPath;  // the server's run-time counter in the host's process table; empty when unknown
};

// Under Wine, the processor time of this process as the host counts it, all threads, in nanosecond steps
// (Wine's own process times count in steps of ten milliseconds); nothing elsewhere.
std::optional<double> GetOwnHostProcessorSeconds();

// Writes what the system holds of each file to the disk, one file after the other, as a program that
// syncs its output would. Files that cannot be opened are skipped; they hold nothing to write.
void SyncFilesToDisk(const std::vector<std::string>& paths);
