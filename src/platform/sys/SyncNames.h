#pragma once

#include <string_view>

// The names the interactive program and the desktop synchroniser share for their hand-shake:
//
//   synchroniser                              program
//   takes the sync mutex
//   creates and resets the sync event
//   broadcasts "CV_SYNC_START"        ->     saves everything, sets the event, holds still
//   waits for the event (with a time-out)
//   reads or replaces the data files
//   broadcasts "CV_SYNC_END"          ->     reloads the data from the files
//   lets the mutex go                         (or, seeing it free without an end, reloads too)
namespace sys {

// The event the program sets once the data files are saved and may be read.
inline constexpr const char* kSyncEventName = "CVSyncEvent-{185F1A81-B59B-4607-BE35-C29E00100613}";
// The mutex a synchroniser holds from before its start until after its end: one synchronisation
// at a time, and the program can tell that the synchroniser is still alive.
inline constexpr const char* kSyncMutexName = "coinvale-sync";
// The broadcast messages, by name.
inline constexpr std::wstring_view kSyncStartName = L"CV_SYNC_START";
inline constexpr std::wstring_view kSyncEndName = L"CV_SYNC_END";

}  // namespace sys
