// The program's help as a folder of web pages beside the program: one page
// per help keyword, so a browser opens a keyword's topic by its file name
// alone (a browser started on a file path drops any "#part" of it).
#pragma once

#include <string>
#include <string_view>

namespace tavrix {

// The folder of the pages, below the program folder.
inline constexpr const char* kHelpPagesFolder = "Help";
// The page of the help's contents, which an empty keyword opens.
inline constexpr const char* kHelpContentsPage = "index.html";

// The file name of `keyword`'s page: its letters and digits in lower case,
// each run of other characters one hyphen (none at either end), and
// ".html"; an empty keyword (or one of no letters or digits): the contents.
std::string HelpPageName(std::string_view keyword);

// The path of `keyword`'s page for the help file `helpFile` (a path in the
// program folder): the pages' folder beside it.
std::string HelpPagePath(std::string_view helpFile, std::string_view keyword);

}  // namespace tavrix
