#pragma once

// Gives the program's windows the roles that assistive technology expects:
// the main window is a frame, the rules viewer a document whose text can be
// read and searched. Installed once; calling it again does nothing.
void InstallWindowRoles();
