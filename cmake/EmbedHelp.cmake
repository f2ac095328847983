# Writes OUT, a C++ source holding every help page of DIR (DIR/<Topic>.txt) as views::HelpPageTexts.
# Run as a script: cmake -DDIR=... -DOUT=... -P EmbedHelp.cmake
file(GLOB pages "${DIR}/*.txt")
list(SORT pages)
set(entries "")
foreach(page IN LISTS pages)
    get_filename_component(topic "${page}" NAME_WE)
    file(READ "${page}" text)
    string(FIND "${text}" ")cvhelp\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${page} holds the text that ends the embedded page")
    endif()
    string(APPEND entries "    {\"${topic}\", R\"cvhelp(${text})cvhelp\"},\n")
endforeach()
file(WRITE "${OUT}.new" "// Generated from the help/ folder by cmake/EmbedHelp.cmake: do not edit.
#include \"views/help/HelpPages.h\"

namespace views {
namespace {

constexpr HelpPageText kPages[] = {
${entries}};

}  // namespace

std::span<const HelpPageText> HelpPageTexts() {
    return kPages;
}

}  // namespace views
")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
