// coinvale-sync: copies Coinvale's data files out to a folder (push) or brings a folder's in
// (pull), with the hand-shake that lets a running Coinvale save first and reload afterwards. See
// src/sync and `coinvale-sync --help`.
#include <cstdio>
#include <string>
#include <vector>

#include "sync/CSyncCommandLine.h"

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    return CSyncCommandLine::Run(words, stdout, stderr);
}
