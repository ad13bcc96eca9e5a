#pragma once

namespace kelvara {

// The name of the SQLite file layer the reference store opens its files
// with, registered on first use. It opens a database file read-only and can
// neither write, lock nor create it: every call that would change the file
// fails. Temporary files SQLite needs for large sorts go to its default layer.
//
// The first call also switches off SQLite's allocation statistics for the
// process (see the .cpp).
//
// Why not the default layer: on each open it resolves every component of the
// path, checks the file a few times and sets up locking, about fifteen system
// calls; this one makes one open, one size query, the page reads and one
// close. Every lookup opens its file anew, so the difference is most of a
// lookup's cost.
const char* ReadOnlyVfsName();

}  // namespace kelvara
