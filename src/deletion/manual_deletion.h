// Deleting what the user typed into the path box.
#pragma once

#include "app/program.h"

// Measures the path now in the box and shows its size.
void onPathChanged(Program& p);
// Confirms, deletes and logs the path in the box.
void onDeleteClicked(Program& p);
