// Unix symbolic links made from a scenario: under Wine they stand for the
// junctions and folder links a user's disk may hold.
#pragma once

#include <string>

namespace e2e {

// Makes `link` (a GBK Windows path) a Unix link to the folder `target`,
// with `ln -s`; false if the link did not appear.
bool makeUnixLink(const std::string& target, const std::string& link);
// Removes the link itself (`rm`, never recursive), also when it dangles, so
// the folder holding it can go; false if that could not be confirmed.
bool removeUnixLink(const std::string& link);
// Fills the existing folder `root` natively, fast: `folders` subfolders of
// `filesPerFolder` empty files each; false if the last file did not appear.
bool makeUnixTree(const std::string& root, int folders, int filesPerFolder);

}  // namespace e2e
