#pragma once
// The user-defined column files available to a project: the setup folder
// ("vynsetup\tdd\custom_columns" on the setup search path), the project file's folder and the
// current folder (unless it is the project's, compared without regard to case), each folder's
// *.txt files in the order the file system gives them. Duplicates are kept; users of the list
// take the first column of a name.
//
// Stands in for CUserDefColAPI::GetCustomColFiles until customcols/ provides it.
#include <string>
#include <vector>

namespace mirel::cli {

std::vector<std::string> FindCustomColumnFiles(const std::string& projectFile);

// The *.txt files directly in a folder (no sub-folders, no folders named *.txt); none for a
// folder that does not exist.
std::vector<std::string> ListColumnFilesIn(const std::string& folder);

}  // namespace mirel::cli
