#pragma once
// Saving without ever leaving a half-written file: the content goes to a temporary file beside
// the target, is flushed to disk and then renamed over the target in one step; the folder is
// flushed too, so that the rename survives a power cut.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace mirel {

// True when the whole content is in place; otherwise false, the target as it was (byte for
// byte), no temporary file left behind, and error saying why. A file its user may not write is
// refused, though its folder would allow replacing it.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error);

// Told the path (as given) of every file saved whole, for as long as it is set; the script runner
// prints each save of a dialog, nested ones included. Null for nobody.
void ObserveSavedFiles(std::function<void(const std::string& path)> observer);

namespace testing {
// The steps of a save that tests can make fail, as the system call itself would fail.
enum class SaveStep { Write, FileSync, Rename, FolderSync };
// Makes every following save fail at `step` with `err` (errno) until cleared with nothing.
void FailSaveStep(std::optional<SaveStep> step, int err = 5 /* EIO */);
}  // namespace testing

}  // namespace mirel
