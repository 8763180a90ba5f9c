#pragma once
// Interruptions: SIGINT, SIGTERM and SIGHUP on POSIX; Ctrl+C, Ctrl+Break and a closed
// console window on Windows. The handler runs at any moment (on Windows on a thread of its
// own), so it takes no lock, allocates nothing and writes nothing to the console. One
// implementation per platform (interruption_posix.cc, interruption_win32.cc).

#include <string>
#include <vector>

namespace floppysplit {

// What an interruption does once the program watches for it. `noteOnly`: it sets the flag
// osInterrupted reads, and the main thread ends the run at its next step. `endAtOnce`: it
// deletes the file named by osDeleteOnInterrupt, if any, and ends the process with exit
// status 130 right away.
enum class OsInterruptAction { noteOnly, endAtOnce };

// Starts watching for interruptions; call it once, before anything an interruption must
// not cut short. A signal the process was started to ignore (as under nohup) stays
// ignored. On POSIX the handlers are installed without SA_RESTART, so that a read blocked
// on the console returns (EINTR) when an interruption comes.
void osWatchInterrupts(OsInterruptAction action);

// True once an interruption has come.
bool osInterrupted();

// As osInterrupted, for a console read that has just given nothing. On Windows a Ctrl+C ends
// such a read (or the program that wrote into a pipe read) before the handler, on its own
// thread, has noted it, so this waits up to a tenth of a second for the handler.
bool osReadEndedByInterruption();

// From now until osForgetOnInterrupt, an interruption under `endAtOnce` deletes the file
// `name` before it ends the process. One name at a time; calling it again replaces the name.
// A name too long for the system names no file of this program, and arms nothing.
void osDeleteOnInterrupt(const std::string& name);
// The same for several files at once; a name too long for the system is left out.
void osDeleteOnInterrupt(const std::vector<std::string>& names);
void osForgetOnInterrupt();

}  // namespace floppysplit
