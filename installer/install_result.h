#pragma once

// Whether a result of the Windows Installer's install call means that the
// package is installed: success, also when a restart of the system is
// still needed (3010) or was started (1641).
bool IsInstallSuccess(unsigned int result);
