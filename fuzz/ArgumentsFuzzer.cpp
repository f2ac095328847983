// The command line's argument reader: words separated by NUL bytes.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "cli/CArguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : fuzz::Text(data, size)) {
        if (c == '\0') {
            words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    words.push_back(word);
    cli::CArguments arguments;
    if (arguments.Parse(words) != cli::CArguments::kParsed) return 0;
    for (const std::string& name : arguments.Options()) {
        fuzz::Require(arguments.Has(name), "every option given is there");
        arguments.Value(name);
    }
    return 0;
}
