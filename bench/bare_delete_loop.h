// The plainest recursive deletion the Windows API allows, for comparison
// with the program's own walk.
#pragma once

#include <string>

// Deletes everything under the folder with FindFirstFileW, DeleteFileW and
// RemoveDirectoryW, then the folder itself. True when the folder is gone.
bool deleteTreeBare(std::wstring path);
