#pragma once
// The installation root and the setup search path (see hostapi/vyncommon.h for the rules).
#include <string>
#include <string_view>
#include <vector>

namespace mirel {

// Backslashes become slashes.
std::string ToSlashes(std::string_view path);

// $MIREL_ROOT when set and not empty, else the nearest folder at or above the executable's folder
// that holds share/vynsetup; "" when neither gives one.
std::string InstallRoot();

// The folders searched, in order: $MIREL_SETUP_PATH's, then R/share/vynsetup and R/share.
std::vector<std::string> SetupSearchDirs();

// The full path of the first folder's entry (file or folder) named by a relative setup path, or
// "" when none has it. An absolute path is given back as it stands when it exists.
std::string FindSetupFile(std::string_view relativePath);
std::string FindSetupFile(std::string_view relativePath, const std::vector<std::string>& dirs);

// The folder of the help pages ("mirel/help" on the setup path), or "" when none is installed.
std::string HelpFolder();

}  // namespace mirel
