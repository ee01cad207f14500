# quorvin_win32_toolkit (library) and the exe quorvin-delete go here.
