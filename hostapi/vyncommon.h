#pragma once
// The installation and the setup search path.
//
// The install root R is $MIREL_ROOT, else the nearest folder at or above the executable's folder
// that holds share/vynsetup. A relative setup path is looked up in each folder of
// $MIREL_SETUP_PATH (colon-separated), then R/share/vynsetup, then R/share; the first folder in
// which it exists wins. Backslashes in paths count as separators.
#include <string>

// Full path of a path relative to the install root (whether or not it exists); "" when no
// install root is known.
std::string vynGetInstPath(const char* relativePath);

// Result codes of the setup-file search.
enum : int {
  CSF_OK = 0,
  CSF_NOT_FOUND = 1,         // the path is in none of the folders
  CSF_BUFFER_TOO_SMALL = 2,  // found, but the path and its terminator do not fit; buffer is ""
  CSF_BAD_ARGUMENT = 3,      // null handle, path or buffer, or a size below 1
};

struct CsfSearchState;
using CSFHANDLE = CsfSearchState*;

// Opens a search over the search path as it stands now; *handle is null on failure.
int csfInitialize(CSFHANDLE* handle);
// Copies the full path of the first match into buffer (size bytes including the terminator).
int csfSearch(CSFHANDLE handle, const char* relativePath, char* buffer, int size);
int csfReleaseHandle(CSFHANDLE handle);
