// Unix symbolic links and names made from a scenario: under Wine they stand
// for the junctions, folder links and odd names a user's disk may hold.
#pragma once

#include <string>

namespace e2e {

// Makes `link` (a Windows path) a Unix link to the folder `target`,
// with `ln -s`; false if the link did not appear.
bool makeUnixLink(const std::string& target, const std::string& link);
// Removes the link itself (`rm`, never recursive), also when it dangles, so
// the folder holding it can go; false if that could not be confirmed.
bool removeUnixLink(const std::string& link);
// Fills the existing folder `root` natively, fast: `folders` subfolders of
// `filesPerFolder` empty files each; false if the last file did not appear.
bool makeUnixTree(const std::string& root, int folders, int filesPerFolder);

// Runs a shell command line (GBK; single quotes only) in the Unix folder
// behind `folder` (a GBK Windows path) and waits for it; false if it did
// not succeed. Makes the names a Windows path cannot spell: "abc.", "nul".
bool runUnixIn(const std::string& folder, const std::string& command);
// The Unix path of a GBK Windows path, as GBK text for commands.
std::string unixPath(const std::string& path);
// Whether the entry exists, named literally ("\\?\"): "abc." is not "abc".
bool existsLiterally(const std::string& path);

}  // namespace e2e
