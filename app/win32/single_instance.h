// The guard that keeps one copy of the program running per session.
#pragma once

namespace qb {

// Creates the named mutex "quillbox2", initially owned. False when it already existed: another
// copy runs. The mutex is never released; it lives as long as the process.
bool AcquireSingleInstance();

inline constexpr char kAlreadyRunningMessage[] = "Quillboxは既に起動しています";

}  // namespace qb
