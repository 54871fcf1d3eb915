#pragma once

// The services of the platform the program is built for.
#include <QtGlobal>

#ifdef Q_OS_WASM
#include "webservices.h"
using PlatformServices = WebServices;
#else
#include "qtservices.h"
using PlatformServices = QtServices;
#endif
