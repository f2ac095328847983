#pragma once

#include <string>
#include <vector>

// Starting another program (a companion such as the reminder) that runs on its own.
namespace sys {

// Starts the executable file at `path` with `arguments` (argv[1] onwards; argv[0] is the path)
// and the program's environment, and returns without waiting for it. The new program starts with
// no signal blocked and every signal at its default action, whatever this program had set; it
// runs in a session of its own (a Ctrl-C or hang-up of this program's terminal does not reach
// it), reads standard input from /dev/null and inherits no descriptor but standard output and
// error. It never stays behind as a zombie of this program.
//
// 0 when it started; otherwise the error (an errno value): ENOENT when there is no such file,
// EACCES when it is not an executable file.
int StartProgram(const std::string& path, const std::vector<std::string>& arguments);

}  // namespace sys
