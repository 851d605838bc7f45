#include "app/vantolite_app.h"

// The one application object, made before the framework's entry point runs.
CVantoLiteApp theApp;
