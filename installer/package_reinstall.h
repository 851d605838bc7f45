#pragma once

// Replaces the installed full tool with the update server's installer
// package "Vantomsi.msi": fetches it into the temporary folder and hands it
// to CToolSetup::ReinstallPackage. True when the package was fetched and
// installed; when the download fails nothing else happens.
bool UpdateFullTool();
