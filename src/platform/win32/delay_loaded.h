// WinINet, OLE, the shell and the common controls are linked delay-loaded
// (delay_load/CMakeLists.txt): each loads on the first call of one of its
// functions, so the program starts without them. Should one fail to load,
// that first call would end the process; these say beforehand whether it
// loads, so the feature it serves fails as it would anyway (the network as
// offline, drops as refused). They are Windows' own DLLs, so this guards a
// damaged system, not a usual case. Each loads its DLL at most once.
#pragma once

bool winInetLoads();
bool oleLoads();
bool shellLoads();
bool commonControlsLoad();
