// Resource ids shared by the resource script and the code.
#pragma once

#define QUORVIN_ICON 1
